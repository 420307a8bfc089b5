#include "ui/text_helpers.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "ui/layout.h"

namespace fibwick {
namespace {

QFont CrispFont() {
  QFont font("DejaVu Sans");
  font.setPixelSize(16);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

TEST(TextHelpers, FontSizeScalesByTheRolePercent) {
  FontRoles roles;
  roles.choices[0].percent = 150;
  EXPECT_EQ(FontSize(20, roles, FontRole::Decor), 30);
  roles.choices[0].percent = 50;
  EXPECT_EQ(FontSize(20, roles, FontRole::Decor), 10);
  EXPECT_EQ(FontSize(25, 50), 12);  // 12.5 to the even 12
  EXPECT_EQ(FontSize(18, roles, FontRole::Serif), 18);
}

TEST(TextHelpers, MainWindowFonts) {
  const FontRoles roles;
  EXPECT_EQ(MainButtonFontHeight(MakeLayout(3, 0, 0, true), roles), 23);  // round(23.4)
  EXPECT_EQ(MainButtonFontHeight(MakeLayout(1, 0, 0, true), roles), 20);
  EXPECT_EQ(ClubListFont(MakeLayout(5, 0, 0, true), roles).pixelSize(), 32);
  EXPECT_EQ(ClubListFont(MakeLayout(5, 0, 0, true), roles).family(), "Courier New");
  EXPECT_EQ(ClubListFont(MakeLayout(1, 0, 0, true), roles).pixelSize(), 11);
}

TEST(TextHelpers, CentredAndRightPlacement) {
  EXPECT_EQ(TextCentredX(0, 100, 41), 29);
  EXPECT_EQ(TextCentredX(10, 20, 15), 8);  // a text wider than its room spills to both sides
}

TEST(TextHelpers, ShadowIsHalfTheColourOnePixelDownRight) {
  EXPECT_EQ(ShadowColour(QColor(255, 255, 0)), QColor(128, 128, 0));  // 127.5 to 128
  EXPECT_EQ(ShadowColour(QColor(201, 3, 1)), QColor(100, 2, 0));

  QImage plain(60, 30, QImage::Format_RGB32);
  plain.fill(Qt::black);
  QImage shadowed = plain;
  {
    QPainter p(&plain);
    p.setFont(CrispFont());
    p.setPen(Qt::white);
    TextAt(p, 5, 5, "Wg");
  }
  {
    QPainter p(&shadowed);
    p.setFont(CrispFont());
    ShadowText(p, "Wg", 5, 50, 'l', QColor(255, 255, 0), 5);
  }
  int inked = 0;
  for (int y = 1; y < plain.height(); ++y) {
    for (int x = 1; x < plain.width(); ++x) {
      const bool text = plain.pixel(x, y) == qRgb(255, 255, 255);
      const bool shadow = plain.pixel(x - 1, y - 1) == qRgb(255, 255, 255);
      const QRgb expected = text ? qRgb(255, 255, 0) : shadow ? qRgb(128, 128, 0) : qRgb(0, 0, 0);
      ASSERT_EQ(shadowed.pixel(x, y), expected) << x << "," << y;
      inked += text ? 1 : 0;
    }
  }
  EXPECT_GT(inked, 20);
}

TEST(TextHelpers, LineInclusivePaintsTheEndPoint) {
  QImage image(10, 10, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter p(&image);
    p.setPen(Qt::black);
    LineInclusive(p, {1, 2}, {5, 2});
  }
  for (int x = 0; x < 10; ++x) {
    EXPECT_EQ(image.pixel(x, 2), x >= 1 && x <= 5 ? qRgb(0, 0, 0) : qRgb(255, 255, 255)) << x;
  }
}

TEST(TextHelpers, FrameRectStaysInsideItsBounds) {
  QImage image(10, 10, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter p(&image);
    FrameRect(p, QRect(2, 3, 4, 3), Qt::red);
  }
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      const bool inside = x >= 2 && x <= 5 && y >= 3 && y <= 5;
      const bool border = inside && (x == 2 || x == 5 || y == 3 || y == 5);
      EXPECT_EQ(image.pixel(x, y), border ? qRgb(255, 0, 0) : qRgb(255, 255, 255)) << x << y;
    }
  }
}

TEST(TextHelpers, NoticeWidth) {
  EXPECT_EQ(NoticeClientWidth(280), 400);  // 339 < 350
  EXPECT_EQ(NoticeClientWidth(300), 409);  // 359 + 50
  EXPECT_EQ(NoticeClientWidth(291), 400);  // exactly 350: 350 + 50
  EXPECT_EQ(NoticeOkWidth(409), 399);
  EXPECT_EQ(NoticeClientWidth(QStringList{"", "x"}), 400);
}

}  // namespace
}  // namespace fibwick
