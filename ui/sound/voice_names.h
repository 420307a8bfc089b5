#pragma once

#include <QString>
#include <string_view>

#include "rules/cards.h"

namespace fibwick {

inline constexpr std::string_view VoicePackName = "NuvCVoice3.dll";

// The spoken name of a card in a language: picture code + "Voice" + language code, such as
// "Pi5AVoiceDeu"; languages outside the ten interface languages speak English. Empty for a
// slot that holds no card.
QString VoiceName(CardCode card, int language);

}  // namespace fibwick
