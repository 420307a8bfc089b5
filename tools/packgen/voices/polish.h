// Raw speech made fit to play: the silence around it cut off and its loudness evened out, so
// every card sounds at once when clicked and no language is louder than another.
#pragma once

#include <optional>

#include "ui/sound/wav_file.h"

namespace fibwick::packgen {

// Loudness of the speaking parts of every polished clip, as a fraction of full scale (-16 dBFS);
// a clip with loud peaks stays quieter so that none reaches over -1 dBFS.
inline constexpr double SpeechLevel = 0.16;
inline constexpr double PeakCeiling = 0.89;

// The clip trimmed and levelled; nothing for a clip that is not 16-bit mono or holds no sound.
std::optional<WavClip> PolishSpeech(const WavClip& raw);

}  // namespace fibwick::packgen
