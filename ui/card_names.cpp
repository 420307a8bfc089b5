#include "ui/card_names.h"

#include <array>

namespace fibwick {
namespace {

struct FaceSetNames {
  std::string_view code;
  std::string_view numbersFrom;  // nine and ten; empty: the set's own code
  std::string_view acesFrom;
};

constexpr std::array<FaceSetNames, FaceSetCount> FaceSets = {{
    {"", "", ""},          {"Med", "", ""},       {"Mod", "", ""},       {"Anc", "", ""},
    {"Bar", "", ""},       {"Cel", "", ""},       {"Cor", "Mod", "Cor"}, {"Cro", "Mod", "Mod"},
    {"Eng", "", ""},       {"Fra", "", ""},       {"His", "Mod", "Mod"}, {"Nat", "", ""},
    {"Old", "", ""},       {"Par", "Mod", "Mod"}, {"Roy", "", ""},       {"Sha", "", ""},
    {"Big", "", ""},       {"004", "", ""},       {"Lon", "", ""},       {"Cl2", "Sea", "Sea"},
    {"Hea", "Sea", "Sea"}, {"Sea", "", ""},       {"Rhi", "", ""},       {"Me2", "", ""},
    {"Doo", "", ""},       {"Boy", "Rhi", "Boy"}, {"Epi", "", ""},       {"USR", "Big", "USR"},
    {"Pla", "", ""},       {"SkN", "", ""},       {"SkT", "", ""},       {"SkF", "", ""},
    {"Bel", "", ""},       {"Dia", "", ""},       {"Kny", "", ""},       {"Pas", "", ""},
    {"Rus", "", ""},       {"Sla", "", ""},       {"May", "", ""},       {"Lub", "", ""},
    {"Fra", "", ""},       {"Mus", "", ""},       {"BS1", "", ""},       {"BS2", "", ""},
    {"BS3", "", ""},       {"Chi", "", ""},       {"BIt", "", ""},       {"Cze", "", ""},
}};

struct BackSetNames {
  std::string_view code;
  int pictures;
};

constexpr std::array<BackSetNames, BackSetCount> BackSets = {{
    {"", 7},
    {"Cl1", 7},
    {"Cl2", 7},
    {"Car", 7},
    {"Cro", 7},
    {"Che", 7},
    {"Dia", 7},
    {"Kni", 7},
    {"Ani", 10},
    {"Flo", 10},
    {"Pla", 10},
    {"Oth", 10},
    {"Rus", 7},
}};

constexpr std::array<std::string_view, BackSlotCount> BackBases = {
    "Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr",
    "Ob06Su", "Ob07Su", "Ob08XX", "Ob09XX", "Ob10XX"};

constexpr std::array<std::string_view, SuitCount> SuitPrefixes = {"Ch", "Bu", "Kr", "Pi"};
constexpr std::array<std::string_view, SuitCount> SymbolBases = {"Cher", "Bubi", "Kres", "Piki"};
constexpr std::array<std::string_view, RankCount> RankParts = {"09", "10", "2J", "3Q", "4K", "5A"};
constexpr std::array<std::string_view, BackgroundColourCount> ColourCodes = {"Gr", "Re", "Or", "Ye",
                                                                             "B1", "B2", "Fi"};

constexpr int FirstRankIndex = 3;  // the nine, counted from the six of a 36-card deck

QString Text(std::string_view text) {
  return QString::fromLatin1(text.data(), text.size());
}

const FaceSetNames& FaceSetOf(int faceSet) {
  return FaceSets[faceSet >= 0 && faceSet < FaceSetCount ? faceSet : 0];
}

std::string_view NumbersCode(const FaceSetNames& set) {
  return set.numbersFrom.empty() ? set.code : set.numbersFrom;
}

}  // namespace

int CardSlot(CardCode card) {
  const RankIndex rank = RankOfChar(card.rank);
  const SuitIndex suit = SuitOfChar(card.suit);
  if (rank == NoRank || suit == SuitCount) return 0;
  return 4 * (rank - 1 + FirstRankIndex) + suit + 1;
}

CardCode CardOfSlot(int slot) {
  const int first = 4 * FirstRankIndex + 1;
  if (slot < first || slot >= first + DeckCardCount) return EmptyCard;
  const int index = slot - first;
  return MakeCard(static_cast<RankIndex>(index / 4 + 1), static_cast<SuitIndex>(index % 4));
}

QString CardBaseName(CardCode card) {
  const RankIndex rank = RankOfChar(card.rank);
  const SuitIndex suit = SuitOfChar(card.suit);
  if (rank == NoRank || suit == SuitCount) return {};
  return Text(SuitPrefixes[suit]) + Text(RankParts[rank - 1]);
}

std::string_view FacePackName(int faceSet) {
  if (faceSet >= 1 && faceSet <= 31) return "NuvCards06A.dll";
  if (faceSet >= 32 && faceSet <= 39) return "NuvCards06B.dll";
  if (faceSet >= 40 && faceSet <= 47) return "NuvCards06C.dll";
  return {};
}

bool IsWideFaceSet(int faceSet) {
  return faceSet < 28 || faceSet == 40 || faceSet == 45;
}

QString FaceSuffix(CardSizeClass sizeClass) {
  return sizeClass == CardSizeClass::Small ? QString() : QStringLiteral("B");
}

QString BackSuffix(CardSizeClass sizeClass, bool wideCards) {
  if (sizeClass == CardSizeClass::Small) return {};
  return wideCards ? QStringLiteral("B") : QStringLiteral("U");
}

QString FacePictureName(int faceSet, CardCode card, CardSizeClass sizeClass) {
  const FaceSetNames& set = FaceSetOf(faceSet);
  const RankIndex rank = RankOfChar(card.rank);
  if (rank == NoRank || SuitOfChar(card.suit) == SuitCount) return {};
  std::string_view code = set.code;
  if (rank <= 2) code = NumbersCode(set);
  if (rank == RankCount && !set.acesFrom.empty()) code = set.acesFrom;
  return CardBaseName(card) + Text(code) + FaceSuffix(sizeClass);
}

QString SymbolPictureName(int faceSet, SuitIndex suit) {
  const FaceSetNames& set = FaceSetOf(faceSet);
  const std::string_view code = faceSet == 11 ? std::string_view("Mod") : NumbersCode(set);
  return Text(SymbolBases[suit % SuitCount]) + Text(code);
}

QString BigSymbolPictureName(int faceSet, SuitIndex suit) {
  return SymbolPictureName(faceSet, suit) + QStringLiteral("B");
}

int BackPictureCount(int backSet) {
  return BackSets[backSet >= 0 && backSet < BackSetCount ? backSet : 0].pictures;
}

QString BackPictureName(int backSet, int back, CardSizeClass sizeClass, bool wideCards) {
  const BackSetNames& set = BackSets[backSet >= 0 && backSet < BackSetCount ? backSet : 0];
  const int index = back >= 1 && back <= BackSlotCount ? back - 1 : 0;
  return Text(BackBases[index]) + Text(set.code) + BackSuffix(sizeClass, wideCards);
}

bool BackSetIsBuiltIn(int backSet, CardSizeClass sizeClass, bool wideCards) {
  return backSet == 0 && (wideCards || sizeClass == CardSizeClass::Small);
}

QString BackgroundPictureName(int style, int colour, bool smallWindow) {
  const QString suffix = smallWindow ? QString() : QStringLiteral("B");
  if (BackgroundIsBuiltIn(style, colour)) return QStringLiteral("FonG") + suffix;
  const int code = colour >= 0 && colour < BackgroundColourCount ? colour : 0;
  return QStringLiteral("Fon%1").arg(style, 2, 10, QChar('0')) + Text(ColourCodes[code]) + suffix;
}

bool BackgroundIsBuiltIn(int style, int colour) {
  return style == 2 && colour == 0;
}

}  // namespace fibwick
