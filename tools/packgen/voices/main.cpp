// Draws the voice pack: tool <pack file> <output path> <espeak-ng> [files it reads...]
#include <array>
#include <cstdio>

#include "card_speech.h"
#include "pack_tool.h"
#include "polish.h"
#include "records/catalogue.h"
#include "speech.h"
#include "ui/sound/voice_names.h"

namespace fibwick::packgen {
namespace {

struct Voice {
  QString name;  // the entry, without extension
  Utterance utterance;
};

std::vector<Voice> EveryVoice() {
  std::vector<Voice> voices;
  for (int language = 0; language < LanguageCount; ++language) {
    for (RankIndex rank = 1; rank <= RankCount; ++rank) {
      for (SuitIndex suit = 0; suit < SuitCount; ++suit) {
        const CardCode card = MakeCard(rank, suit);
        voices.push_back(
            {VoiceName(card, language), {SpeechVoice(language), SpokenCardName(card, language)}});
      }
    }
  }
  return voices;
}

bool AddVoices(PackWriter& pack, const QStringList& inputs) {
  if (inputs.isEmpty()) {
    std::fprintf(stderr, "the espeak-ng program is not given\n");
    return false;
  }
  const std::vector<Voice> voices = EveryVoice();
  std::vector<Utterance> utterances;
  for (const Voice& voice : voices) utterances.push_back(voice.utterance);
  const auto clips = Speak(inputs.first(), utterances);
  bool ok = true;
  for (std::size_t i = 0; i < voices.size(); ++i) {
    const auto clip = clips[i] ? PolishSpeech(*clips[i]) : std::nullopt;
    if (!clip) {
      std::fprintf(stderr, "%s: no usable speech\n", qPrintable(voices[i].name));
      ok = false;
      continue;
    }
    pack.AddFile(voices[i].name + QStringLiteral(".wav"), WavFileOf(*clip), true);
  }
  return ok;
}

}  // namespace
}  // namespace fibwick::packgen

int main(int argc, char** argv) {
  using namespace fibwick::packgen;
  const std::array<PackRecipe, 1> recipes{{{"NuvCVoice3.dll", AddVoices}}};
  return RunPackTool(argc, argv, recipes);
}
