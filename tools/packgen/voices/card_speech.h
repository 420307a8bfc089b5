// What the synthesiser is given to say for each card, language by language.
#pragma once

#include <QString>

#include "rules/cards.h"

namespace fibwick::packgen {

// The eSpeak NG voice of an interface language (0 English .. 9 Korean).
QString SpeechVoice(int language);

// The card's name as the voice is to read it: "nine of hearts", "девятка червей",
// "hong2 tao2 jiu3" (Mandarin as pinyin with tone numbers), "ハートのきゅう" (Japanese in kana).
QString SpokenCardName(CardCode card, int language);

}  // namespace fibwick::packgen
