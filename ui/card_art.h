#pragma once

#include <QColor>
#include <QDate>
#include <QHash>
#include <QImage>
#include <QString>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "records/catalogue.h"
#include "ui/builtin_pictures.h"
#include "ui/card_names.h"
#include "ui/layout.h"

// The loaded card and table artwork, and how it is loaded from the built-in set or the packs.
namespace fibwick {

class PackShelf;

inline constexpr QSize SmallFaceSize{69, 94};
inline constexpr QSize SymbolSize{20, 20};
inline constexpr QRgb SilverKey = 0xFFC0C0C0;

// What the user chose in the options; the loaders fall back to the built-in sets here.
struct ArtChoice {
  int faceSet = 0;
  int backSet = 0;
  int backgroundStyle = 2;
  int backgroundColour = 0;
  bool alwaysOneBack = false;
  int menuDesign = 0;  // 0 design 1 (customizable), 1 design 2 (purple)
  int tableDesign = 0;
};

// A notice for the player: a catalogue text and the file it is about.
struct Notice {
  Message message;
  std::string fileName;

  friend bool operator==(const Notice&, const Notice&) = default;
};
QString NoticeText(const Notice& notice);

struct CardArt {
  std::array<QImage, CardSlotCount> smallFaces;  // 69 x 94, opaque
  std::array<QImage, CardSlotCount> bigFaces;    // natural size, with alpha
  std::array<QImage, BackSlotCount> smallBacks;
  std::array<QImage, BackSlotCount> bigBacks;
  std::array<QImage, SuitCount> symbols;  // 20 x 20, silver made transparent
  std::array<QImage, SuitCount> bigSymbols;
  int currentBack = 1;  // 1..10

  // Cards already resampled to the drawing size, so redraws are plain copies of the same pixels.
  QHash<quint64, QImage> prepared;
};

// Where pictures come from: the built-in lookup and the shelf of packs.
struct ArtSources {
  PictureLookup builtin = LoadBuiltinPicture;
  const PackShelf* packs = nullptr;  // none: every pack counts as missing
};

// Loads the faces and symbols of choice.faceSet for the layout's card class, sets WideCards and
// the card size, then loads the backs. False when the set's pack was missing (the built-in set is
// then loaded and faceSet is 0). Notices are added in the order they would be shown.
bool LoadFaceSet(CardArt& art, Layout& layout, ArtChoice& choice, const ArtSources& sources,
                 std::vector<Notice>& notices);
bool LoadBackSet(CardArt& art, Layout& layout, ArtChoice& choice, const ArtSources& sources,
                 std::vector<Notice>& notices);

// The face sets a chooser offers: the built-in one, and each set whose pack holds every face it
// needs in both sizes. A set without a deck behind it is never offered to be drawn blank.
std::array<bool, FaceSetCount> OfferedFaceSets(const ArtSources& sources);

// The background for the design in use, stretched to the table outside the small window. Returns
// false when a pack was missing; `background` is left as it is for style 0.
bool LoadBackground(QImage& background, const Layout& layout, ArtChoice& choice, bool design2,
                    const ArtSources& sources, std::vector<Notice>& notices);

// The plain colour under the background picture.
QColor WindowColour(const ArtChoice& choice);

// The back of a new deal: by weekday (Monday 1), 7 when always one, any of ten for the sets of
// ten pictures.
int ChooseBack(QDate today, bool alwaysOne, int backSet, std::mt19937& random);

}  // namespace fibwick
