#pragma once

#include <QString>
#include <string_view>

#include "rules/cards.h"
#include "ui/layout.h"

// How the pictures of faces, backs, suit symbols and backgrounds are named, set by set.
namespace fibwick {

inline constexpr int FaceSetCount = 48;
inline constexpr int BackSetCount = 13;
inline constexpr int CardSlotCount = 40;  // room for a 36-card deck with jokers
inline constexpr int BackSlotCount = 10;
inline constexpr int BackgroundStyleCount = 11;
inline constexpr int BackgroundColourCount = 7;

// Card slot: 4 x rank index (six 0 .. ace 8) + suit index + 1; the 24-card deck uses 13..36.
int CardSlot(CardCode card);
// The card of a slot 13..36; EmptyCard for any other slot.
CardCode CardOfSlot(int slot);

// "Ch09", "Bu2J", "Pi5A": suit prefix and rank part, without set code or size suffix.
QString CardBaseName(CardCode card);

// The pack a face set lives in; empty for the built-in set 0.
std::string_view FacePackName(int faceSet);
bool IsWideFaceSet(int faceSet);

// "" in the small card class, "B" otherwise.
QString FaceSuffix(CardSizeClass sizeClass);
// "" in the small card class; "B" for wide, "U" for narrow face sets otherwise.
QString BackSuffix(CardSizeClass sizeClass, bool wideCards);

QString FacePictureName(int faceSet, CardCode card, CardSizeClass sizeClass);
// Suit index 0..3: the small symbol ("Cher", "CherMod") and the big one, always with "B".
QString SymbolPictureName(int faceSet, SuitIndex suit);
QString BigSymbolPictureName(int faceSet, SuitIndex suit);

// Seven backs, one a weekday; the picture sets of animals, flowers, places and others hold ten.
int BackPictureCount(int backSet);
// back 1..10: "Ob01Mo" .. "Ob10XX" + set code + size suffix.
QString BackPictureName(int backSet, int back, CardSizeClass sizeClass, bool wideCards);
// The built-in backs serve set 0 unless big narrow cards need their "U" pictures from the pack.
bool BackSetIsBuiltIn(int backSet, CardSizeClass sizeClass, bool wideCards);
inline constexpr std::string_view BackPackName = "NuvCards06B.dll";

// "FonG" (style 2 green, built in) or "Fon" + style + colour code, + "B" outside the small window.
QString BackgroundPictureName(int style, int colour, bool smallWindow);
bool BackgroundIsBuiltIn(int style, int colour);
inline constexpr std::string_view BackgroundPackName = "NuvBackG03.dll";
inline constexpr std::string_view GraphicsPackName = "NuvCGraph1.dll";

}  // namespace fibwick
