#include "ui/hud.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetrics>
#include <QTemporaryDir>
#include <map>

#include "ui_test_support.h"

namespace fibwick {
namespace {

using testing_support::Solid;

constexpr QRgb Felt = 0xFF006000;

// Pictures made here, each a solid colour of its own, and a record of what was asked for.
struct Pictures {
  std::map<QString, QImage> byName;
  std::vector<QString> asked;

  PictureLookup Lookup() {
    return [this](const QString& name) {
      asked.push_back(name);
      const auto found = byName.find(name);
      return found == byName.end() ? QImage() : found->second;
    };
  }
  void Add(const QString& name, QSize size, QRgb colour) {
    byName[name] = Solid(size.width(), size.height(), colour);
  }
};

struct Hud : testing::Test {
  Layout layout = MakeLayout(1, 0, 0, true);
  QImage background = Solid(760, 500, Felt, QImage::Format_RGB32);
  FontRoles fonts;
  Pictures pictures;

  HudKit Kit() { return HudKit{layout, background, fonts, pictures.Lookup()}; }
  static int Count(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour ? 1 : 0;
    }
    return n;
  }
};

TEST_F(Hud, SpeechStripWithTextAndCleared) {
  pictures.Add("SPBlue", {160, 20}, qRgb(0, 0, 160));
  PictureControl strip{{300, 370, 160, 20}, {}, true};
  ShowSpeech(Kit(), strip, "Pass   ", 'b');
  EXPECT_EQ(strip.buffer.pixel(0, 0), qRgb(0, 0, 160));
  EXPECT_GT(Count(strip.buffer, qRgb(255, 255, 255)), 5);
  ShowSpeech(Kit(), strip, "", 'b');
  EXPECT_EQ(Count(strip.buffer, Felt), 160 * 20);
  ShowSpeech(Kit(), strip, "Pass", 'x');  // no strip picture for an unknown letter
  EXPECT_EQ(strip.buffer.pixel(0, 0), Felt);
}

TEST_F(Hud, SpeechStripOutsideTheSmallWindowUsesTheBigPictureResized) {
  layout = MakeLayout(3, 0, 0, true);
  background = Solid(990, 650, Felt, QImage::Format_RGB32);
  pictures.Add("SPRedB", {40, 10}, qRgb(200, 0, 0));
  PictureControl strip{Place(layout, {300, 370, 160, 20}), {}, true};
  ShowSpeech(Kit(), strip, "Sixes", 'r');
  EXPECT_EQ(strip.buffer.size(), QSize(208, 26));
  EXPECT_EQ(strip.buffer.pixel(207, 25), qRgb(200, 0, 0));
}

TEST_F(Hud, SpeechFontStepsDown) {
  EXPECT_EQ(SpeechFontSize(layout, fonts, "Pass"), 18);
  EXPECT_EQ(SpeechFontSize(layout, fonts, QString(60, 'W')), 14);  // still 14 when too wide
  fonts.choices[1].percent = 150;
  EXPECT_EQ(SpeechFontSize(MakeLayout(3, 0, 0, true), fonts, "Pass"), 34);  // 23 x 1.5 = 34.5
}

TEST_F(Hud, ClaimPlate) {
  pictures.Add("RamkaFBSm", {155, 60}, qRgb(90, 90, 90));
  PictureControl plate{{575, 200, 155, 60}, {}, true};
  RedrawClaimLabel(Kit(), plate, NoClaim);
  EXPECT_EQ(Count(plate.buffer, qRgb(90, 90, 90)), 155 * 60);
  RedrawClaimLabel(Kit(), plate, RankChar(6));
  EXPECT_GT(Count(plate.buffer, qRgb(255, 0, 0)), 10);
  EXPECT_EQ(pictures.asked.back(), "RamkaFBSm");
}

TEST_F(Hud, ChatKeepsTheLastFourLines) {
  PictureControl control{{15, 180, 130, 90}, {}, true};
  MessageStrip strip;
  for (int i = 1; i <= 5; ++i) ShowChatLine(Kit(), control, strip, i, QString("#l%1").arg(i));
  ASSERT_EQ(strip.lines.size(), 4u);
  EXPECT_EQ(strip.lines.front().text, "l2");
  EXPECT_EQ(strip.lines.back().text, "l5");
  EXPECT_EQ(strip.lines[0].colour, QColor(0, 0, 128));
  EXPECT_EQ(strip.lines[2].colour, QColor(128, 128, 0));
  EXPECT_EQ(strip.lines[3].colour, QColor(0, 0, 0));
}

TEST_F(Hud, LongChatLinesAreCutAtMostTwelveCharacters) {
  QFont font("DejaVu Sans");
  font.setPixelSize(14);
  const QFontMetrics metrics(font);
  EXPECT_EQ(FitChatText(metrics, "Hi", 85), "Hi");
  const QString cut = FitChatText(metrics, "Hello there, friend", 85);
  EXPECT_TRUE(cut.endsWith("...")) << cut.toStdString();
  EXPECT_LE(metrics.horizontalAdvance(cut.chopped(3)), 85);
  const QString capped = FitChatText(metrics, QString(40, 'W'), 85);
  EXPECT_EQ(capped, QString(28, 'W') + "...");
}

TEST_F(Hud, MoveClockSwitchesBelowEightSeconds) {
  EXPECT_EQ(MoveClockLookFor(8).picture, "GTimerY");
  EXPECT_EQ(MoveClockLookFor(8).digits, QColor(255, 0, 0));
  EXPECT_EQ(MoveClockLookFor(7).picture, "GTimerR");
  EXPECT_EQ(MoveClockLookFor(7).digits, QColor(255, 255, 0));

  layout = MakeLayout(5, 0, 0, true);
  background = Solid(1520, 1000, Felt, QImage::Format_RGB32);
  pictures.Add("GTimerR", {20, 20}, qRgb(0, 0, 255));
  pictures.Add("GTimerY", {20, 20}, qRgb(0, 0, 80));
  const PixelRect strip = Place(layout, {300, 370, 160, 20});
  PictureControl clock{MoveClockRect(layout, strip), {}, true};
  ShowMoveClock(Kit(), clock, 8);
  EXPECT_EQ(clock.buffer.pixel(0, 0), qRgb(0, 0, 80));
  EXPECT_GT(Count(clock.buffer, qRgb(255, 0, 0)), 10);
  ShowMoveClock(Kit(), clock, 7);
  EXPECT_EQ(clock.buffer.pixel(0, 0), qRgb(0, 0, 255));
  EXPECT_GT(Count(clock.buffer, qRgb(255, 255, 0)), 10);
  EXPECT_EQ(Count(clock.buffer, qRgb(255, 0, 0)), 0);
  ShowMoveClock(Kit(), clock, -1);
  EXPECT_EQ(Count(clock.buffer, Felt), 40 * 40);
}

struct MenuClock : Hud {
  void SetUp() override {
    layout = MakeLayout(5, 0, 0, true);
    background = Solid(1520, 1000, Felt, QImage::Format_RGB32);
    pictures.Add("GClockBG", MenuClockSize, qRgb(50, 50, 50));
    for (int d = 0; d < 10; ++d) {
      pictures.Add(QString("GBClock%1").arg(d), {18, 30}, qRgb(100 + d, 0, 0));
      pictures.Add(QString("GAClock%1").arg(d), {18, 30}, qRgb(0, 100 + d, 0));
    }
    pictures.Add("GAClockM", {18, 30}, qRgb(0, 0, 99));
    pictures.Add("GBClockP", {4, 10}, qRgb(0, 0, 200));
  }
  PictureControl clock{{20, 20, 115, 64}, {}, true};
};

TEST_F(MenuClock, LocalClockAtNineOhFive) {
  DrawLocalClock(Kit(), clock, QTime(9, 5, 0, 501));
  EXPECT_EQ(clock.buffer.pixel(20, 20), qRgb(50, 50, 50));  // no hour tens digit
  EXPECT_EQ(clock.buffer.pixel(40, 20), qRgb(109, 0, 0));
  EXPECT_EQ(clock.buffer.pixel(65, 20), qRgb(100, 0, 0));
  EXPECT_EQ(clock.buffer.pixel(85, 20), qRgb(105, 0, 0));
  EXPECT_EQ(clock.buffer.pixel(56, 25), qRgb(0, 0, 200));
  DrawLocalClock(Kit(), clock, QTime(19, 5, 0, 500));
  EXPECT_EQ(clock.buffer.pixel(20, 20), qRgb(101, 0, 0));
  EXPECT_EQ(clock.buffer.pixel(56, 25), qRgb(50, 50, 50));  // the colon blinks off
}

TEST_F(MenuClock, IndicatorFigures) {
  IndicatorReading reading;
  reading.figure = "12-4";
  DrawIndicator(Kit(), clock, 2, reading);
  EXPECT_EQ(clock.buffer.pixel(27, 15), qRgb(0, 101, 0));
  EXPECT_EQ(clock.buffer.pixel(41, 54), qRgb(0, 101, 0));  // 15 x 40
  EXPECT_EQ(clock.buffer.pixel(42, 15), qRgb(0, 102, 0));
  EXPECT_EQ(clock.buffer.pixel(64, 30), qRgb(0, 0, 99));
  EXPECT_EQ(clock.buffer.pixel(86, 54), qRgb(0, 104, 0));
  EXPECT_EQ(clock.buffer.pixel(87, 54), qRgb(50, 50, 50));

  reading.figure = "7";
  DrawIndicator(Kit(), clock, 2, reading);
  EXPECT_EQ(clock.buffer.pixel(50, 15), qRgb(0, 107, 0));
  EXPECT_EQ(clock.buffer.pixel(67, 44), qRgb(0, 107, 0));  // natural 18 x 30

  reading.figure = "1234567";
  DrawIndicator(Kit(), clock, 2, reading);
  EXPECT_EQ(Count(clock.buffer, qRgb(0, 101, 0)), 0);
}

TEST(MenuClocks, ShownOnlyInTheLargerWindows) {
  struct Case {
    int mode, fullWidth, fullHeight;
    bool shown;
  };
  for (const Case& c : {Case{1, 0, 0, false}, Case{3, 0, 0, false}, Case{4, 0, 0, true},
                        Case{5, 0, 0, true}, Case{2, 1300, 860, true}, Case{2, 1290, 850, false},
                        Case{2, 1280, 1024, false}, Case{2, 1920, 1080, true}}) {
    EXPECT_EQ(MenuClocksVisible(MakeLayout(c.mode, c.fullWidth, c.fullHeight, true)), c.shown)
        << c.mode << " " << c.fullWidth << " x " << c.fullHeight;
  }
}

TEST(Indicator, Figures) {
  EXPECT_EQ(IqFigure(0, 0), "0");
  EXPECT_EQ(IqFigure(3, 1), "25");
  EXPECT_EQ(IqFigure(1, 7), "88");  // 87.5 to the even 88
  EXPECT_EQ(IqFigure(5, 3), "38");  // 37.5 to 38
  const std::vector<std::tuple<long long, QString, QChar>> games = {
      {999, "999", QChar()},
      {1000, "1", QChar('K')},
      {999999, "999", QChar('K')},
      {12345678, "12", QChar('M')},
      {5000000000LL, "5", QChar('G')}};
  for (const auto& [count, figure, letter] : games) {
    EXPECT_EQ(GamesFigure(count).figure, figure) << count;
    EXPECT_EQ(GamesFigure(count).magnitude, letter) << count;
  }
  EXPECT_EQ(IndicatorLetter(5), QChar('V'));
  EXPECT_EQ(IndicatorStyleForMinute(13, true), 7);
  EXPECT_EQ(IndicatorStyleForMinute(14, true), 1);
  EXPECT_EQ(IndicatorStyleForMinute(5, true), 6);
  EXPECT_EQ(IndicatorStyleForMinute(5, false), 7);  // no balance without an account
  EXPECT_EQ(UnconnectedReading().figure, "00");
}

TEST(Indicator, Hints) {
  EXPECT_EQ(IndicatorHint(3, "Ann", true, true), "Best Windows Player: Ann");
  EXPECT_EQ(IndicatorHint(3, "Ann", false, true), "Best Windows Player: NO CONNECT");
  EXPECT_EQ(IndicatorHint(4, "", true, false), "Best Android Player: No");
  EXPECT_EQ(IndicatorHint(1, "", false, false), "Dynamic IQ for Windows (percent): NO CONNECT");
  EXPECT_EQ(IndicatorHint(7, "", false, false), "Club members:  NO CONNECT");
  EXPECT_EQ(IndicatorHint(6, "", true, false), "Nuvs");
}

TEST_F(Hud, AccountLamps) {
  pictures.Add("Account48", {48, 48}, qRgb(10, 10, 10));
  pictures.Add("LampR24", {24, 24}, qRgb(255, 0, 0));
  pictures.Add("LampG24", {24, 24}, qRgb(0, 255, 0));
  PictureControl icon{{600, 10, 48, 48}, {}, true};
  ShowAccountState(Kit(), icon, 3);
  EXPECT_EQ(icon.buffer.pixel(0, 0), qRgb(10, 10, 10));
  EXPECT_EQ(icon.buffer.pixel(24, 0), qRgb(0, 255, 0));
  ShowAccountState(Kit(), icon, 9);
  EXPECT_EQ(icon.buffer.pixel(47, 23), qRgb(255, 0, 0));
}

TEST_F(Hud, WaitBannerIsCentred) {
  layout = MakeLayout(3, 0, 0, true);
  background = Solid(990, 650, Felt, QImage::Format_RGB32);
  pictures.Add("AdvBar3", {350, 80}, qRgb(240, 240, 240));
  PictureControl pile{Place(layout, {200, 150, 360, 200}), {}, true};
  ShowWaitBanner(Kit(), pile, true, {990, 650});
  EXPECT_EQ(pile.rect, (PixelRect{320, 285, 350, 80}));
  EXPECT_TRUE(pile.visible);
  EXPECT_GT(Count(pile.buffer, qRgb(255, 0, 0)), 20);
  ShowWaitBanner(Kit(), pile, false, {990, 650});
  EXPECT_FALSE(pile.visible);
}

TEST(PhotoHint, OnlyAnExistingPhoto) {
  QTemporaryDir data;
  ASSERT_TRUE(QDir(data.path()).mkpath("History"));
  QFile photo(data.filePath("History/Ann.bmp"));
  ASSERT_TRUE(photo.open(QIODevice::WriteOnly));
  photo.close();
  EXPECT_EQ(PhotoHintPath(data.path(), "Ann"), data.filePath("History/Ann.bmp"));
  EXPECT_EQ(PhotoHintPath(data.path(), "Bob"), std::nullopt);
}

}  // namespace
}  // namespace fibwick
