// Speech from the eSpeak NG program, many utterances at once.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "ui/sound/wav_file.h"

namespace fibwick::packgen {

struct Utterance {
  QString voice;  // "de", "cmn-latn-pinyin"
  QString text;
};

// Each utterance spoken by `program` (the espeak-ng executable), in the order given; nothing
// for one that failed, with the reason on stderr. The runs share the machine's cores.
std::vector<std::optional<WavClip>> Speak(const QString& program,
                                          const std::vector<Utterance>& utterances);

}  // namespace fibwick::packgen
