#include "ui/card_art.h"

#include <QPainter>
#include <algorithm>
#include <memory>
#include <optional>
#include <queue>

#include "ui/packs.h"

namespace fibwick {
namespace {

constexpr int FirstDeckSlot = 13;
constexpr int EpicFaceSet = 26;
constexpr QRgb EpicNearSilver = 0xFFC3C3C3;

QString FileName(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

std::unique_ptr<Pack> OpenPack(const ArtSources& sources, std::string_view fileName) {
  return sources.packs != nullptr ? sources.packs->Open(fileName) : nullptr;
}

QImage Fetch(const ArtSources& sources, const Pack* pack, const QString& name) {
  return pack != nullptr ? pack->Picture(name) : sources.builtin(name);
}

// A replacement pack may hold pictures of another size: they are fitted, never cut or left small.
QImage Fitted(const QImage& picture, QSize size) {
  if (picture.isNull() || picture.size() == size) return picture;
  return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// An opaque 69 x 94 bitmap of the picture; transparent parts become white like the card stock.
QImage OpaqueBitmap(const QImage& picture) {
  if (picture.isNull()) return {};
  QImage bitmap(SmallFaceSize, QImage::Format_RGB32);
  bitmap.fill(Qt::white);
  QPainter painter(&bitmap);
  painter.drawImage(0, 0, Fitted(picture, SmallFaceSize));
  return bitmap;
}

QImage WithAlpha(const QImage& picture) {
  return picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_ARGB32);
}

void FloodFill(QImage& image, QPoint start, QRgb over, QRgb with) {
  if (!image.rect().contains(start) || image.pixel(start) != over) return;
  std::queue<QPoint> open;
  open.push(start);
  image.setPixel(start, with);
  while (!open.empty()) {
    const QPoint p = open.front();
    open.pop();
    for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
      const QPoint next = p + step;
      if (image.rect().contains(next) && image.pixel(next) == over) {
        image.setPixel(next, with);
        open.push(next);
      }
    }
  }
}

// A 20 x 20 symbol drawn on silver, whose silver then counts as transparent.
QImage KeyedSymbol(const QImage& picture, bool fillNearSilver) {
  if (picture.isNull()) return {};
  QImage bitmap(SymbolSize, QImage::Format_RGB32);
  bitmap.fill(SilverKey);
  {
    QPainter painter(&bitmap);
    painter.drawImage(0, 0, Fitted(picture, SymbolSize));
  }
  if (fillNearSilver) FloodFill(bitmap, {0, 0}, EpicNearSilver, SilverKey);
  QImage keyed = bitmap.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < keyed.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x) {
      if (line[x] == SilverKey) line[x] = 0;
    }
  }
  return keyed;
}

QImage StretchToTable(const QImage& picture, const Layout& layout, const ArtChoice& choice) {
  const QSize size(layout.tableWidth, layout.tableHeight);
  if (picture.isNull()) {
    QImage blank(size, QImage::Format_RGB32);
    blank.fill(WindowColour(choice));
    return blank;
  }
  return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_RGB32);
}

// False, leaving the art as it was, when a back of the set is missing or does not decode: a
// table never shows a blank back.
bool LoadBacks(CardArt& art, const Layout& layout, int backSet, const ArtSources& sources,
               const Pack* pack) {
  const int count = BackPictureCount(backSet);
  std::array<QImage, BackSlotCount> pictures;
  for (int back = 1; back <= count; ++back) {
    pictures[back - 1] = Fetch(
        sources, pack, BackPictureName(backSet, back, layout.cardSizeClass, layout.wideCards));
    if (pictures[back - 1].isNull()) return false;
  }
  const bool small = layout.cardSizeClass == CardSizeClass::Small;
  for (std::size_t back = 0; back < BackSlotCount; ++back) {
    art.smallBacks[back] = small ? OpaqueBitmap(pictures[back]) : QImage();
    art.bigBacks[back] = small ? QImage() : WithAlpha(pictures[back]);
  }
  art.currentBack = std::clamp(art.currentBack, 1, count);
  art.prepared.clear();
  return true;
}

// All 24 faces of the set, or none when one is missing or does not decode.
std::optional<std::array<QImage, DeckCardCount>> FacesOf(int set, CardSizeClass sizeClass,
                                                         const ArtSources& sources,
                                                         const Pack* pack) {
  std::array<QImage, DeckCardCount> faces;
  for (int i = 0; i < DeckCardCount; ++i) {
    faces[static_cast<std::size_t>(i)] =
        Fetch(sources, pack, FacePictureName(set, CardOfSlot(FirstDeckSlot + i), sizeClass));
    if (faces[static_cast<std::size_t>(i)].isNull()) return std::nullopt;
  }
  return faces;
}

}  // namespace

QString NoticeText(const Notice& notice) {
  const std::string_view text = MessageText(notice.message);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())) + ' ' +
         FileName(notice.fileName);
}

bool LoadFaceSet(CardArt& art, Layout& layout, ArtChoice& choice, const ArtSources& sources,
                 std::vector<Notice>& notices) {
  bool found = true;
  std::unique_ptr<Pack> pack;
  if (choice.faceSet != 0) {
    const std::string_view packName = FacePackName(choice.faceSet);
    pack = OpenPack(sources, packName);
    if (!pack) {
      notices.push_back({MsgCantFindTheFile, std::string(packName)});
      choice.faceSet = 0;
      found = false;
    }
  }
  const int set = choice.faceSet;
  layout.wideCards = IsWideFaceSet(set);
  ApplyCardSizeRule(layout);
  const bool small = layout.cardSizeClass == CardSizeClass::Small;

  const auto faces = FacesOf(set, layout.cardSizeClass, sources, pack.get());
  if (!faces && set != 0) {
    // A pack without every face of the set counts as missing for it.
    notices.push_back({MsgCantFindTheFile, std::string(FacePackName(set))});
    choice.faceSet = 0;
    pack.reset();
    LoadFaceSet(art, layout, choice, sources, notices);
    return false;
  }
  for (int slot = FirstDeckSlot; slot < FirstDeckSlot + DeckCardCount; ++slot) {
    const QImage& picture =
        faces ? (*faces)[static_cast<std::size_t>(slot - FirstDeckSlot)] : QImage();
    art.smallFaces[slot] = small ? OpaqueBitmap(picture) : QImage();
    art.bigFaces[slot] = small ? QImage() : WithAlpha(picture);
  }
  for (SuitIndex suit = 0; suit < SuitCount; ++suit) {
    const bool epicDiamonds = set == EpicFaceSet && suit == 1;
    art.symbols[suit] =
        KeyedSymbol(Fetch(sources, pack.get(), SymbolPictureName(set, suit)), epicDiamonds);
    art.bigSymbols[suit] = WithAlpha(Fetch(sources, pack.get(), BigSymbolPictureName(set, suit)));
  }
  art.prepared.clear();
  pack.reset();

  LoadBackSet(art, layout, choice, sources, notices);
  return found;
}

std::array<bool, FaceSetCount> OfferedFaceSets(const ArtSources& sources) {
  std::array<bool, FaceSetCount> offered{};
  offered[0] = true;
  for (const std::string_view packName :
       {"NuvCards06A.dll", "NuvCards06B.dll", "NuvCards06C.dll"}) {
    const std::unique_ptr<Pack> pack = OpenPack(sources, packName);
    if (!pack) continue;
    for (int set = 1; set < FaceSetCount; ++set) {
      if (FacePackName(set) != packName) continue;
      bool complete = true;
      for (int slot = FirstDeckSlot; complete && slot < FirstDeckSlot + DeckCardCount; ++slot) {
        for (const CardSizeClass size : {CardSizeClass::Small, CardSizeClass::Big}) {
          complete = complete && pack->Has(FacePictureName(set, CardOfSlot(slot), size));
        }
      }
      offered[static_cast<std::size_t>(set)] = complete;
    }
  }
  return offered;
}

bool LoadBackSet(CardArt& art, Layout& layout, ArtChoice& choice, const ArtSources& sources,
                 std::vector<Notice>& notices) {
  if (BackSetIsBuiltIn(choice.backSet, layout.cardSizeClass, layout.wideCards)) {
    LoadBacks(art, layout, choice.backSet, sources, nullptr);
    return true;
  }
  if (const std::unique_ptr<Pack> pack = OpenPack(sources, BackPackName)) {
    if (LoadBacks(art, layout, choice.backSet, sources, pack.get())) return true;
  }
  notices.push_back({MsgCantFindTheFile, std::string(BackPackName)});
  choice.backSet = 0;
  if (BackSetIsBuiltIn(0, layout.cardSizeClass, layout.wideCards)) {
    LoadBacks(art, layout, 0, sources, nullptr);
  } else {
    // Big narrow cards have no built-in backs: back to the built-in faces, which are wide.
    choice.faceSet = 0;
    LoadFaceSet(art, layout, choice, sources, notices);
  }
  return false;
}

bool LoadBackground(QImage& background, const Layout& layout, ArtChoice& choice, bool design2,
                    const ArtSources& sources, std::vector<Notice>& notices) {
  bool found = true;
  if (design2) {
    const std::unique_ptr<Pack> pack = OpenPack(sources, GraphicsPackName);
    const QImage picture = pack ? pack->Picture(QStringLiteral("BGLilu")) : QImage();
    if (!picture.isNull()) {
      background = StretchToTable(picture, layout, choice);
      return true;
    }
    notices.push_back({MsgCantFindTheFile, std::string(GraphicsPackName)});
    choice.menuDesign = choice.tableDesign = 0;
    found = false;
  }
  if (choice.backgroundStyle == 0) return found;

  const bool smallWindow = layout.windowSizeMode == 1;
  QImage picture;
  if (!BackgroundIsBuiltIn(choice.backgroundStyle, choice.backgroundColour)) {
    if (const std::unique_ptr<Pack> pack = OpenPack(sources, BackgroundPackName)) {
      picture = pack->Picture(
          BackgroundPictureName(choice.backgroundStyle, choice.backgroundColour, smallWindow));
    }
    if (picture.isNull()) {
      notices.push_back({MsgCantFindTheFile, std::string(BackgroundPackName)});
      choice.backgroundStyle = 2;
      choice.backgroundColour = 0;
      found = false;
    }
  }
  if (BackgroundIsBuiltIn(choice.backgroundStyle, choice.backgroundColour)) {
    picture = sources.builtin(BackgroundPictureName(2, 0, smallWindow));
  }
  const bool asItIs = smallWindow && picture.size() == QSize(layout.tableWidth, layout.tableHeight);
  background = asItIs ? picture.convertToFormat(QImage::Format_RGB32)
                      : StretchToTable(picture, layout, choice);
  return found;
}

QColor WindowColour(const ArtChoice& choice) {
  static constexpr std::array<QRgb, BackgroundColourCount> Colours = {
      qRgb(0, 128, 0),   qRgb(128, 0, 0), qRgb(128, 64, 0), qRgb(128, 128, 0),
      qRgb(0, 128, 128), qRgb(0, 0, 128), qRgb(128, 0, 128)};
  if (choice.menuDesign == 1) return QColor(120, 0, 200);
  if (choice.backgroundStyle == 0) return QColor(Colours[0]);
  const int colour = choice.backgroundColour;
  return QColor(Colours[colour >= 0 && colour < BackgroundColourCount ? colour : 0]);
}

int ChooseBack(QDate today, bool alwaysOne, int backSet, std::mt19937& random) {
  int back = today.dayOfWeek();  // Monday 1 .. Sunday 7
  if (alwaysOne) back = 7;
  if (BackPictureCount(backSet) == BackSlotCount) {
    back = std::uniform_int_distribution<int>(1, BackSlotCount)(random);
  }
  return back;
}

}  // namespace fibwick
