// The card backs of NuvCards06B.dll, looked up as the program looks them up.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <vector>

#include "drawn_pack.h"
#include "ui/card_names.h"

namespace fibwick {
namespace {

struct BackSize {
  CardSizeClass sizeClass;
  bool wideCards;
  QSize size;
};

const BackSize BackSizes[] = {
    {CardSizeClass::Small, true, {69, 94}},
    {CardSizeClass::Scaled, true, {146, 198}},
    {CardSizeClass::Big, false, {126, 198}},
};

// Mean difference of the colour channels, 0 .. 255.
double Difference(const QImage& a, const QImage& b) {
  const QImage x = a.convertToFormat(QImage::Format_ARGB32);
  const QImage y = b.convertToFormat(QImage::Format_ARGB32);
  double sum = 0;
  for (int row = 0; row < x.height(); ++row) {
    for (int col = 0; col < x.width(); ++col) {
      const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
             std::abs(qBlue(p) - qBlue(q));
    }
  }
  return sum / (3.0 * x.width() * x.height());
}

// Spread of the brightness: a plain or nearly plain picture has almost none.
double BrightnessSpread(const QImage& image) {
  double sum = 0, squares = 0;
  const int n = image.width() * image.height();
  for (int row = 0; row < image.height(); ++row) {
    for (int col = 0; col < image.width(); ++col) {
      const double v = qGray(image.pixel(col, row));
      sum += v;
      squares += v * v;
    }
  }
  const double mean = sum / n;
  return std::sqrt(squares / n - mean * mean);
}

// Every back a set needs from the pack in one size, in the order of the days.
std::vector<QImage> BacksFromPack(const Pack& pack, int backSet, const BackSize& size) {
  std::vector<QImage> backs;
  for (int back = 1; back <= BackPictureCount(backSet); ++back) {
    const QString name = BackPictureName(backSet, back, size.sizeClass, size.wideCards);
    SCOPED_TRACE(name.toStdString());
    const QImage picture = pack.Picture(name);
    EXPECT_EQ(picture.size(), size.size);
    backs.push_back(picture);
  }
  return backs;
}

class CardBacks : public testing::Test {
 protected:
  void SetUp() override {
    pack_ = OpenDrawnPack(BackPackName);
    ASSERT_NE(pack_, nullptr) << "no " << BackPackName << " in FIBWICK_PROGRAM_FOLDER";
  }
  std::unique_ptr<Pack> pack_;
};

TEST_F(CardBacks, EveryBackTheProgramCannotTakeFromItselfIsThereInItsSize) {
  int needed = 0;
  for (int set = 0; set < BackSetCount; ++set) {
    for (const BackSize& size : BackSizes) {
      if (BackSetIsBuiltIn(set, size.sizeClass, size.wideCards)) continue;
      SCOPED_TRACE(testing::Message() << "back set " << set);
      for (const QImage& back : BacksFromPack(*pack_, set, size)) {
        ++needed;
        EXPECT_GT(BrightnessSpread(back), 12.0);
      }
    }
  }
  EXPECT_EQ(needed, 12 * 3 * 7 + 4 * 3 * 3 + 7);
}

// Small backs become opaque bitmaps; big ones are drawn with their alpha channel and must only
// let the table show through at their rounded corners.
TEST_F(CardBacks, SmallBacksAreOpaqueAndBigOnesOnlyOpenAtTheirCorners) {
  constexpr int Corner = 8;
  for (int set = 1; set < BackSetCount; ++set) {
    for (const BackSize& size : BackSizes) {
      const QImage back = pack_->Picture(BackPictureName(set, 1, size.sizeClass, size.wideCards));
      SCOPED_TRACE(testing::Message() << "back set " << set << ", " << back.width() << " wide");
      if (size.sizeClass == CardSizeClass::Small) {
        EXPECT_FALSE(back.hasAlphaChannel());
        continue;
      }
      EXPECT_EQ(qAlpha(back.pixel(0, 0)), 0);
      EXPECT_EQ(qAlpha(back.pixel(back.width() - 1, back.height() - 1)), 0);
      int open = 0;
      for (int y = 0; y < back.height(); ++y) {
        for (int x = 0; x < back.width(); ++x) {
          const bool inCorner = (x < Corner || x >= back.width() - Corner) &&
                                (y < Corner || y >= back.height() - Corner);
          if (!inCorner && qAlpha(back.pixel(x, y)) != 255) ++open;
        }
      }
      EXPECT_EQ(open, 0);
    }
  }
}

TEST_F(CardBacks, TheBacksOfOneSetCanBeToldApart) {
  for (int set = 0; set < BackSetCount; ++set) {
    for (const BackSize& size : BackSizes) {
      if (BackSetIsBuiltIn(set, size.sizeClass, size.wideCards)) continue;
      const std::vector<QImage> backs = BacksFromPack(*pack_, set, size);
      for (std::size_t i = 0; i < backs.size(); ++i) {
        for (std::size_t j = i + 1; j < backs.size(); ++j) {
          EXPECT_GT(Difference(backs[i], backs[j]), 8.0)
              << "back set " << set << ": backs " << i + 1 << " and " << j + 1 << ", "
              << size.size.width() << " wide";
        }
      }
    }
  }
}

// A card back looks the same whichever way up the card lies: it is its own mirror image top to
// bottom, or its own picture turned half round.
TEST_F(CardBacks, ReadTheSameWithEitherEndUp) {
  for (int set = 1; set < BackSetCount; ++set) {
    for (const BackSize& size : BackSizes) {
      const std::vector<QImage> backs = BacksFromPack(*pack_, set, size);
      for (std::size_t i = 0; i < backs.size(); ++i) {
        const QImage& back = backs[i];
        const double mirrored = Difference(back, back.mirrored(false, true));
        const double turned = Difference(back, back.mirrored(true, true));
        EXPECT_LT(std::min(mirrored, turned), 1.0)
            << "back set " << set << ", back " << i + 1 << ", " << size.size.width() << " wide";
      }
    }
  }
}

}  // namespace
}  // namespace fibwick
