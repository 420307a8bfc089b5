#include "card_speech.h"

#include <array>

#include "records/catalogue.h"

namespace fibwick::packgen {
namespace {

// The catalogue names ranks only inside counted phrases ("одну девятку") and has no suit words,
// so the card names are written here, in the forms players say them.
struct SpeechLanguage {
  const char* voice;
  const char* pattern;                       // %1 the rank, %2 the suit
  std::array<const char*, RankCount> ranks;  // nine .. ace
  std::array<const char*, SuitCount> suits;  // hearts, diamonds, clubs, spades
};

const std::array<SpeechLanguage, LanguageCount> Languages = {{
    {"en",
     "%1 of %2",
     {"nine", "ten", "jack", "queen", "king", "ace"},
     {"hearts", "diamonds", "clubs", "spades"}},
    {"ru",
     "%1 %2",
     {"девятка", "десятка", "валет", "дама", "король", "туз"},
     {"червей", "бубен", "треф", "пик"}},
    {"de",
     "%2 %1",
     {"Neun", "Zehn", "Bube", "Dame", "König", "Ass"},
     {"Herz", "Karo", "Kreuz", "Pik"}},
    {"fr",
     "%1 de %2",
     {"neuf", "dix", "valet", "dame", "roi", "as"},
     {"cœur", "carreau", "trèfle", "pique"}},
    {"es",
     "%1 de %2",
     {"nueve", "diez", "jota", "reina", "rey", "as"},
     {"corazones", "diamantes", "tréboles", "picas"}},
    // Pinyin with tone numbers: given characters, eSpeak NG 1.51 says their tone numbers aloud
    // in English.
    {"cmn-latn-pinyin",
     "%2 %1",
     {"jiu3", "shi2", "jie2 ke4", "huang2 hou4", "guo2 wang2", "ai4 si1"},
     {"hong2 tao2", "fang1 kuai4", "mei2 hua1", "hei1 tao2"}},
    {"it",
     "%1 di %2",
     {"nove", "dieci", "fante", "donna", "re", "asso"},
     {"cuori", "quadri", "fiori", "picche"}},
    // The suit is an adjective agreeing with the rank: the stem comes with the suit, the ending
    // with the rank ("srdcová devítka", "srdcový kluk", "srdcové eso").
    {"cs",
     "%2%1",
     {"á devítka", "á desítka", "ý kluk", "á dáma", "ý král", "é eso"},
     {"srdcov", "károv", "křížov", "pikov"}},
    // Kana only: the Japanese voice reads a kanji as "Chinese letter".
    {"ja",
     "%2の%1",
     {"きゅう", "じゅう", "ジャック", "クイーン", "キング", "エース"},
     {"ハート", "ダイヤ", "クラブ", "スペード"}},
    {"ko",
     "%2 %1",
     {"구", "십", "잭", "퀸", "킹", "에이스"},
     {"하트", "다이아몬드", "클로버", "스페이드"}},
}};

}  // namespace

QString SpeechVoice(int language) {
  return QString::fromLatin1(Languages.at(static_cast<std::size_t>(language)).voice);
}

QString SpokenCardName(CardCode card, int language) {
  const SpeechLanguage& words = Languages.at(static_cast<std::size_t>(language));
  return QString::fromUtf8(words.pattern)
      .arg(QString::fromUtf8(words.ranks.at(RankOfChar(card.rank) - 1u)),
           QString::fromUtf8(words.suits.at(SuitOfChar(card.suit))));
}

}  // namespace fibwick::packgen
