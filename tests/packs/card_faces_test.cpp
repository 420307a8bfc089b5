// The face sets of the card packs the build drew, read the way the program loads them: a set is
// offered when its own jack of hearts is in its pack, and then every picture it looks up must be
// there too, at the size the table draws it.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QSet>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/card_names.h"
#include "ui/packs.h"

namespace fibwick {
namespace {

// Sets the build draws from the Debian decks; fewer means a deck went missing.
constexpr int OfferedSetsAtLeast = 24;
constexpr int FirstDeckSlot = 13;
constexpr int BigCorner = 8;  // the rounded corners may be transparent, nothing else

const Pack* FacePack(int faceSet) {
  static std::map<std::string_view, std::unique_ptr<Pack>> packs;
  const std::string_view name = FacePackName(faceSet);
  std::unique_ptr<Pack>& pack = packs[name];
  if (!pack) pack = PackShelf(qEnvironmentVariable("FIBWICK_PROGRAM_FOLDER")).Open(name);
  return pack.get();
}

CardCode JackOfHearts() {
  return MakeCard(3, 0);
}

bool IsOffered(int faceSet) {
  const Pack* pack = FacePack(faceSet);
  return pack != nullptr &&
         !pack->Entry(FacePictureName(faceSet, JackOfHearts(), CardSizeClass::Small)).isEmpty();
}

std::vector<int> OfferedSets() {
  std::vector<int> sets;
  for (int set = 1; set < FaceSetCount; ++set) {
    if (IsOffered(set)) sets.push_back(set);
  }
  return sets;
}

// A picture whose middle holds one or two colours is blank: a card stock with nothing drawn
// on it still has its frame, so the frame is left out.
bool IsDrawn(const QImage& picture) {
  const QRect middle = picture.rect().adjusted(picture.width() / 6, picture.height() / 6,
                                               -picture.width() / 6, -picture.height() / 6);
  QSet<QRgb> colours;
  for (int y = middle.top(); y <= middle.bottom(); ++y) {
    for (int x = middle.left(); x <= middle.right(); ++x) {
      const QRgb c = picture.pixel(x, y);
      if (qAlpha(c) > 0) colours.insert(c);
      if (colours.size() >= 3) return true;
    }
  }
  return false;
}

// Big cards are flattened onto black before they are resampled: a transparent pixel beside the
// corners would show as a black spot on every scaled card.
bool IsOpaqueBesideCorners(const QImage& card) {
  for (int y = 0; y < card.height(); ++y) {
    for (int x = 0; x < card.width(); ++x) {
      const bool inCorner = (x < BigCorner || x >= card.width() - BigCorner) &&
                            (y < BigCorner || y >= card.height() - BigCorner);
      if (!inCorner && qAlpha(card.pixel(x, y)) != 255) return false;
    }
  }
  return true;
}

void ExpectPicture(const Pack& pack, const QString& name, QSize size) {
  SCOPED_TRACE(name.toStdString());
  const QImage picture = pack.Picture(name);
  ASSERT_FALSE(picture.isNull()) << "not in the pack";
  EXPECT_EQ(picture.size(), size);
  EXPECT_TRUE(IsDrawn(picture)) << "blank";
}

TEST(CardFacePacks, AnOfferedSetFindsEveryFaceAndSymbolInItsOwnPackAtTheTableSizes) {
  const std::vector<int> sets = OfferedSets();
  ASSERT_FALSE(sets.empty()) << "no face set in the packs of "
                             << qEnvironmentVariable("FIBWICK_PROGRAM_FOLDER").toStdString();
  for (const int set : sets) {
    SCOPED_TRACE("face set " + std::to_string(set));
    const Pack& pack = *FacePack(set);
    const QSize big(IsWideFaceSet(set) ? 146 : 126, 198);
    for (int slot = FirstDeckSlot; slot < FirstDeckSlot + DeckCardCount; ++slot) {
      const CardCode card = CardOfSlot(slot);
      ExpectPicture(pack, FacePictureName(set, card, CardSizeClass::Small), QSize(69, 94));
      const QString bigName = FacePictureName(set, card, CardSizeClass::Big);
      ExpectPicture(pack, bigName, big);
      EXPECT_TRUE(IsOpaqueBesideCorners(pack.Picture(bigName))) << bigName.toStdString();
    }
    for (SuitIndex suit = 0; suit < SuitCount; ++suit) {
      ExpectPicture(pack, SymbolPictureName(set, suit), QSize(20, 20));
      ExpectPicture(pack, BigSymbolPictureName(set, suit), QSize(40, 40));
    }
  }
}

TEST(CardFacePacks, OfferEnoughSetsAndNoTwoWithTheSameFaces) {
  const std::vector<int> sets = OfferedSets();
  EXPECT_GE(sets.size(), static_cast<size_t>(OfferedSetsAtLeast));
  QSet<QByteArray> jacks;
  for (const int set : sets) {
    const QByteArray jack =
        FacePack(set)->Entry(FacePictureName(set, JackOfHearts(), CardSizeClass::Big));
    EXPECT_FALSE(jacks.contains(jack)) << "face set " << set << " repeats another set's deck";
    jacks.insert(jack);
  }
}

}  // namespace
}  // namespace fibwick
