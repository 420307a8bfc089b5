// The intro and the main menu as the player sees them: photographs of the real window and the
// state of its widgets, with the real pointer of the virtual display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTime>
#include <QToolTip>

#include "online/http_client.h"
#include "online/service_base.h"
#include "online/statistics.h"
#include "records/club_file.h"
#include "records/club_members.h"
#include "screens/screens_support.h"
#include "support/service_process.h"
#include "ui/balloon_hint.h"
#include "ui/builtin_pictures.h"
#include "ui/calendar_pictures.h"
#include "ui/skin_button.h"

namespace fibwick {
namespace {

constexpr int SmallWindow = 1, FullScreen = 2, Average1 = 3, Average2 = 4, Large = 5;

Settings MenuSettings(int mode) {
  Settings settings;
  settings.WindowSizeMode = mode;
  settings.GifAnimation = false;  // still pictures, so two photographs of one menu are equal
  return settings;
}

std::string SizeName(int mode) {
  return "mode" + std::to_string(mode);
}

SkinButton* Button(MainWindow& form, const char* name) {
  auto* button = form.findChild<SkinButton*>(name);
  EXPECT_NE(button, nullptr) << name;
  return button;
}

QRect ToQRect(const PixelRect& r) {
  return {r.left, r.top, r.width, r.height};
}

template <class Test>
int CountPixels(const QImage& image, const QRect& area, Test test) {
  int count = 0;
  const QRect inside = area.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) count += test(image.pixel(x, y)) ? 1 : 0;
  }
  return count;
}

int DifferingPixels(const QImage& a, const QImage& b, const QRect& area) {
  int count = 0;
  const QRect inside = area.intersected(a.rect()).intersected(b.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
  }
  return count;
}

TEST(MainMenu, ClocksLeaveWithTheSizesThatShowThem) {
  for (const int size : {SmallWindow, Average1}) {
    const fs::path folder = ProgramFolder("clocks", MenuSettings(size));
    auto form = OpenMenu(folder);
    ParkPointer(*form);
    const QImage fresh = Photograph(*form);
    Save(fresh, "menu-" + SizeName(size) + "-fresh.png");
    // Below the lamps, the only part of the menu that moves; they run in its top quarter.
    const QRect still(0, fresh.height() / 4, fresh.width(), fresh.height() - fresh.height() / 4);
    for (const int withClocks : {Average2, Large, FullScreen}) {
      form->SetWindowSizeMode(withClocks);
      Wait(200);
      form->SetWindowSizeMode(size);
      Wait(300);
      ParkPointer(*form);
      const QImage back = Photograph(*form);
      Save(back, "menu-" + SizeName(size) + "-after-" + SizeName(withClocks) + ".png");
      ASSERT_EQ(back.size(), fresh.size());
      EXPECT_EQ(DifferingPixels(fresh, back, still), 0)
          << SizeName(size) << " after " << SizeName(withClocks);
    }
    form->close();
    fs::remove_all(folder);
  }
}

// A lit segment is bright; the dark glass of the face never is.
bool Lit(QRgb p) {
  return std::max({qRed(p), qGreen(p), qBlue(p)}) >= 150;
}

TEST(MainMenu, BothClocksShowFiguresAndTheIndicatorItsHint) {
  for (const int size : {Average2, Large, FullScreen}) {
    const fs::path folder = ProgramFolder("indicator", MenuSettings(size));
    auto form = OpenMenu(folder);
    ParkPointer(*form);
    const QImage menu = Photograph(*form);
    Save(menu, "menu-" + SizeName(size) + "-clocks.png");
    for (const int k : {1, 2}) {
      const PictureControl& clock = form->MenuClock(k);
      ASSERT_TRUE(clock.visible) << SizeName(size) << " clock " << k;
      // The digits stand between x 14 and 101 and y 15 and 55 of the face; the icon, the
      // flag and the letters of the indicator lie outside x 27..89.
      const QRect figure = QRect(27, 15, 62, 40).translated(clock.rect.left, clock.rect.top);
      EXPECT_GT(CountPixels(menu, figure, Lit), 60) << SizeName(size) << " clock " << k;
    }

    const PixelRect indicator = form->MenuClock(2).rect;
    PointAt(*form, ToQRect(indicator).center());
    ASSERT_TRUE(WaitFor([] { return QToolTip::isVisible(); }, 3000)) << SizeName(size);
    // The tests' service address answers nothing: the figure is "00" and the hint says so.
    EXPECT_TRUE(QToolTip::text().endsWith("NO CONNECT")) << QToolTip::text().toStdString();
    EXPECT_GT(QToolTip::text().size(), QString(" NO CONNECT").size());
    Wait(200);
    const QRect around = QRect(form->mapToGlobal(QPoint(indicator.left, indicator.top)),
                               QSize(indicator.width, indicator.height))
                             .adjusted(-150, -40, 300, 80);
    Save(form->screen()
             ->grabWindow(0, around.x(), around.y(), around.width(), around.height())
             .toImage(),
         "menu-" + SizeName(size) + "-indicator-hint.png");
    ParkPointer(*form);
    form->close();
    fs::remove_all(folder);
  }
}

// The indicator's figure is drawn over x 27..89 and y 15..55 of its face.
int LitFigurePixels(const QImage& face, int fromX = 27, int toX = 89) {
  return CountPixels(face, QRect(fromX, 15, toX - fromX + 1, 40), Lit);
}

// The minute's first second turns the indicator to the minute's style; a check of one style
// keeps clear of it.
void ClearOfTheMinuteTurn() {
  while (QTime::currentTime().second() < 3 || QTime::currentTime().second() > 52) Wait(250);
}

// The hint the window shows when the pointer comes over the indicator.
std::string IndicatorHint(MainWindow& form) {
  const MenuHover hover = form.Menu().HoverAt(ToQRect(form.MenuClock(2).rect).center());
  return hover.hints.empty() ? std::string() : hover.hints.back().toStdString();
}

// The real service keeps the statistics the indicator shows: 1234 games played with the
// computer, people won 30 points and lost 70.
TEST(MainMenu, TheIndicatorShowsTheStatisticsOfTheService) {
  testing::ServiceProcess service;
  HttpClient client;
  StatisticsService(client, AddressesUnder(service.BaseUrl()).statistics)
      .ReportGameEnd({1234, 0, 30, 70});
  const QByteArray testsService = qgetenv(ServiceUrlVariable);
  qputenv(ServiceUrlVariable, QByteArray::fromStdString(service.BaseUrl()));
  const fs::path folder = ProgramFolder("indicator-service", MenuSettings(Large));
  auto form = OpenMenu(folder);
  ParkPointer(*form);
  struct Style {
    int style;
    const char* hint;
    int fromX, toX;  // where the figure stands
  };
  // "1" with the letter K beside it; "70".
  for (const Style& c : {Style{2, "Games played with PC", 50, 70},
                         Style{1, "Dynamic IQ for Windows (percent)", 38, 78}}) {
    ClearOfTheMinuteTurn();
    form->Menu().ShowIndicator(c.style);
    ASSERT_TRUE(WaitFor([&] { return LitFigurePixels(form->MenuClock(2).buffer) > 40; }, 5000))
        << c.style;
    EXPECT_EQ(LitFigurePixels(form->MenuClock(2).buffer, 27, c.fromX - 1), 0) << c.style;
    EXPECT_EQ(LitFigurePixels(form->MenuClock(2).buffer, c.toX + 1, 89), 0) << c.style;
    EXPECT_EQ(IndicatorHint(*form), c.hint);
    Save(Photograph(*form).copy(ToQRect(form->MenuClock(2).rect)),
         "menu-indicator-style" + std::to_string(c.style) + ".png");
  }
  const QImage seventy = form->MenuClock(2).buffer;

  // Without the service the same style reads "00" and says why.
  ASSERT_EQ(service.Stop(), 0);
  ClearOfTheMinuteTurn();
  form->Menu().ShowIndicator(1);
  // The window does not wait for the service: until the answer comes by its event loop, the last
  // figure read stays. (The menu may have read this style's figure already when it opened, so
  // only a change from a known figure shows the order.)
  EXPECT_EQ(form->MenuClock(2).buffer, seventy);
  ASSERT_TRUE(WaitFor([&] { return form->MenuClock(2).buffer != seventy; }, 5000));
  EXPECT_GT(LitFigurePixels(form->MenuClock(2).buffer), 40);
  EXPECT_EQ(IndicatorHint(*form), "Dynamic IQ for Windows (percent): NO CONNECT");
  Save(Photograph(*form).copy(ToQRect(form->MenuClock(2).rect)), "menu-indicator-no-connect.png");
  ParkPointer(*form);
  form->close();
  form.reset();
  qputenv(ServiceUrlVariable, testsService);
  fs::remove_all(folder);
}

// The calendar's turning picture on 9 May 2025 (zodiac, Chinese year, holidays): a hint open over
// it follows it as it turns.
TEST(MainMenu, TheCalendarHintNamesThePictureShown) {
  const fs::path folder = ProgramFolder("calendar-hint", MenuSettings(Average2));
  const char* packs = std::getenv("FIBWICK_PACKS");
  ASSERT_NE(packs, nullptr);
  fs::create_symlink(fs::path(packs) / CalendarPackName, folder / CalendarPackName);
  auto form = OpenMenu(folder, QDate(2025, 5, 9));
  ASSERT_TRUE(form->Menu().CalendarShown());
  ParkPointer(*form);
  const QPoint picture = ToQRect(form->Menu().CalendarImage(2).rect).center();
  const auto hintOverThePicture = [&] {
    ParkPointer(*form);
    PointAt(*form, picture);
    EXPECT_TRUE(WaitFor([] { return QToolTip::isVisible(); }, 3000));
    return QToolTip::text();
  };
  QString shown = hintOverThePicture();
  for (int turn = 0; turn < 3; ++turn) {
    form->Menu().CalendarTimer();
    Wait(100);
    ASSERT_TRUE(QToolTip::isVisible()) << turn;
    EXPECT_NE(QToolTip::text(), shown) << turn;
    shown = QToolTip::text();
    const QRect around =
        QRect(form->mapToGlobal(picture), QSize(1, 1)).adjusted(-200, -80, 300, 80);
    Save(form->screen()
             ->grabWindow(0, around.x(), around.y(), around.width(), around.height())
             .toImage(),
         "menu-calendar-hint-turn" + std::to_string(turn) + ".png");
    // What the pointer finds coming back to the picture.
    EXPECT_EQ(hintOverThePicture(), shown) << turn;
  }
  ParkPointer(*form);
  form->close();
  fs::remove_all(folder);
}

// Each board's three lamps take six looks in turn and come back to the first.
TEST(MainMenu, TheLampsRunThroughTheirSixPatterns) {
  const fs::path folder = ProgramFolder("lamps", MenuSettings(SmallWindow));
  auto form = OpenMenu(folder);
  ParkPointer(*form);
  const auto& lamps = LayoutMenuGeometry(form->CurrentLayout(), false).lamps;
  const QRect board = ToQRect(lamps[0]) | ToQRect(lamps[1]) | ToQRect(lamps[2]);
  std::vector<QImage> looks;
  const auto look = [&] {
    const QImage seen = Photograph(*form).copy(board);
    if (std::find(looks.begin(), looks.end(), seen) == looks.end()) looks.push_back(seen);
  };
  ASSERT_TRUE(WaitFor(
      [&] {
        look();
        return looks.size() >= 6;
      },
      20000));
  for (int i = 0; i < 20; ++i) {
    Wait(50);
    look();
  }
  EXPECT_EQ(looks.size(), 6u);
  form->close();
  fs::remove_all(folder);
}

bool Yellow(QRgb p) {
  return qRed(p) >= 200 && qGreen(p) >= 200 && qBlue(p) <= 100;
}

BalloonHint* ShownBalloon() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* balloon = qobject_cast<BalloonHint*>(widget);
    if (balloon != nullptr && balloon->isVisible()) return balloon;
  }
  return nullptr;
}

TEST(MainMenu, ButtonCaptionsTurnYellowUnderThePointer) {
  for (const int size : {SmallWindow, Large}) {
    const fs::path folder = ProgramFolder("hover", MenuSettings(size));
    const ClubRecord member{.name = "Ada", .passwordDigits = EncodePassword("pw1")};
    ASSERT_EQ(InsertRecord(folder / "Fibwick.clb", member, false).status, ClubUpdateStatus::Done);
    auto form = OpenMenu(folder);
    ParkPointer(*form);
    const QImage still = Photograph(*form);
    for (const char* name :
         {"Button9", "BHistory", "Button10", "BMode", "Button11", "Button6", "Button1"}) {
      SkinButton* button = Button(*form, name);
      const QRect area = button->geometry();
      ASSERT_EQ(CountPixels(still, area, Yellow), 0) << name;
      PointAt(*button, button->rect().center());
      const QImage hovered = Photograph(*form);
      EXPECT_GT(CountPixels(hovered, area, Yellow), 20) << SizeName(size) << " " << name;
      if (std::string_view(name) == "Button9") {
        ASSERT_TRUE(WaitFor([] { return ShownBalloon() != nullptr; }, 3000)) << SizeName(size);
        EXPECT_EQ(ShownBalloon()->Title(), "Games in cycle:");
        EXPECT_EQ(ShownBalloon()->Text(), "20");
        Wait(300);  // fully open
        // Its square corner is not painted: the menu shows through, not black.
        const QPoint corner = ShownBalloon()->geometry().topLeft();
        const QImage screen = form->screen()->grabWindow(0).toImage();
        EXPECT_EQ(QColor(screen.pixel(corner)), QColor(hovered.pixel(form->mapFromGlobal(corner))))
            << SizeName(size);
        const QRect seen = form->frameGeometry().united(ShownBalloon()->geometry());
        Save(form->screen()
                 ->grabWindow(0, seen.x(), seen.y(), seen.width(), seen.height())
                 .toImage(),
             "menu-" + SizeName(size) + "-top-ten-hovered.png");
      }
      ParkPointer(*form);
      EXPECT_EQ(CountPixels(Photograph(*form), area, Yellow), 0) << SizeName(size) << " " << name;
    }
    // The header of the club list is no button, and a free line cannot be chosen: they stay as
    // they are.
    for (const char* name : {"Panel4", "Button2", "Button5"}) {
      SkinButton* unlit = Button(*form, name);
      PointAt(*unlit, unlit->rect().center());
      const QImage hovered = Photograph(*form);
      EXPECT_EQ(CountPixels(hovered, unlit->geometry(), Yellow), 0)
          << SizeName(size) << " " << name;
      if (std::string_view(name) == "Button2") {
        Save(hovered, "menu-" + SizeName(size) + "-free-line-hovered.png");
      }
    }
    ParkPointer(*form);
    EXPECT_TRUE(WaitFor([] { return ShownBalloon() == nullptr; }, 3000));
    form->close();
    fs::remove_all(folder);
  }
}

TEST(MainMenu, WindowStandsInTheMiddleOfTheWorkArea) {
  const fs::path folder = ProgramFolder("centre", MenuSettings(SmallWindow));
  auto form = OpenMenu(folder);
  ParkPointer(*form);
  for (const int size : {SmallWindow, Average1, Average2, Large, FullScreen, SmallWindow}) {
    form->SetWindowSizeMode(size);
    Wait(200);
    const QRect work = form->screen()->availableGeometry();
    const QRect window = form->frameGeometry();
    Save(form->screen()->grabWindow(0).toImage().scaledToWidth(960, Qt::SmoothTransformation),
         "screen-" + SizeName(size) + "-centred.png");
    if (size == FullScreen) {
      EXPECT_EQ(form->geometry(), work);
      continue;
    }
    EXPECT_EQ(form->size(),
              QSize(form->CurrentLayout().tableWidth, form->CurrentLayout().tableHeight));
    // Halves are rounded, so the two margins differ by one pixel at most.
    const int left = window.left() - work.left();
    const int right = work.right() - window.right();
    const int top = window.top() - work.top();
    const int bottom = work.bottom() - window.bottom();
    EXPECT_LE(std::abs(left - right), 1)
        << SizeName(size) << " left " << left << " right " << right;
    EXPECT_LE(std::abs(top - bottom), 1)
        << SizeName(size) << " top " << top << " bottom " << bottom;
  }
  form->close();
  fs::remove_all(folder);
}

TEST(MainMenu, ClubNamesKeepTheirLengthAtEverySize) {
  const fs::path folder = ProgramFolder("names", MenuSettings(SmallWindow));
  const ClubRecord member{.name = "Bartholomew Longname",
                          .rating = 2.5,
                          .games = 45,
                          .score = 120,
                          .passwordDigits = EncodePassword("pw1")};
  ASSERT_EQ(InsertRecord(folder / "Fibwick.clb", member, false).status, ClubUpdateStatus::Done);
  auto form = OpenMenu(folder);
  for (const int size : {SmallWindow, Average1, Average2, Large, FullScreen}) {
    form->SetWindowSizeMode(size);
    Wait(200);
    EXPECT_TRUE(Button(*form, "Button1")->text().startsWith("Bartholomew Longname"))
        << SizeName(size) << ": " << Button(*form, "Button1")->text().toStdString();
    EXPECT_TRUE(Button(*form, "Button2")->text().startsWith(QString(20, '#')))
        << SizeName(size) << ": " << Button(*form, "Button2")->text().toStdString();
    ParkPointer(*form);
    Save(Photograph(*form), "menu-" + SizeName(size) + "-long-name.png");
  }
  form->close();
  fs::remove_all(folder);
}

// The aqua text on the navy skin: the skin's pixels have equal red and green, so green minus
// red is how much of a pixel the text covers.
int TextCover(QRgb p) {
  return qGreen(p) - qRed(p);
}

TEST(MainMenu, SmallWindowClubListIsDrawnInSolidStrokes) {
  const fs::path folder = ProgramFolder("legible", MenuSettings(SmallWindow));
  const ClubRecord member{.name = "Bartholomew Longname",
                          .rating = 2.5,
                          .games = 45,
                          .score = 120,
                          .passwordDigits = EncodePassword("pw1")};
  ASSERT_EQ(InsertRecord(folder / "Fibwick.clb", member, false).status, ClubUpdateStatus::Done);
  auto form = OpenMenu(folder);
  ParkPointer(*form);
  const QImage menu = Photograph(*form);
  Save(menu.copy(Button(*form, "Panel4")->geometry().united(Button(*form, "Button6")->geometry())),
       "menu-mode1-club-list.png");
  for (const char* name : {"Button1", "Button2"}) {
    const QRect area = Button(*form, name)->geometry();
    const int touched = CountPixels(menu, area, [](QRgb p) { return TextCover(p) > 25; });
    const int solid = CountPixels(menu, area, [](QRgb p) { return TextCover(p) > 200; });
    ASSERT_GT(touched, 100) << name;
    // Hairlines blurred over two pixels leave few pixels of the full colour.
    EXPECT_GE(solid * 2, touched) << name << ": " << solid << " of " << touched;
  }
  form->close();
  fs::remove_all(folder);
}

// Green well above red and blue: the felt of the intro picture.
bool Cloth(QRgb p) {
  return qGreen(p) > qRed(p) + 12 && qGreen(p) > qBlue(p) + 12;
}

TEST(Intro, TitleComesToRestOnPlainCloth) {
  const fs::path folder = ProgramFolder("intro", MenuSettings(SmallWindow));
  MainWindow form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 100000});
  form.show();
  ParkPointer(form);
  const QImage logo = LoadBuiltinPicture("Logo").convertToFormat(QImage::Format_RGB32);
  QImage previous;
  QImage rest;
  // The title has come to rest when it is over the picture and two photographs a while apart
  // are the same.
  ASSERT_TRUE(WaitFor(
      [&] {
        Wait(150);
        rest = Photograph(form);
        const int title = rest.size() == logo.size() ? DifferingPixels(rest, logo, rest.rect()) : 0;
        const bool still =
            rest == previous && title > 0 && title < rest.width() * rest.height() / 2;
        previous = rest;
        return still;
      },
      15000));
  ASSERT_EQ(form.CurrentScreen(), Screen::Intro);
  Save(rest, "intro-at-rest.png");
  int title = 0;
  int overPicture = 0;
  for (int y = 0; y < rest.height(); ++y) {
    for (int x = 0; x < rest.width(); ++x) {
      if (rest.pixel(x, y) == logo.pixel(x, y)) continue;
      ++title;
      if (!Cloth(logo.pixel(x, y))) ++overPicture;
    }
  }
  EXPECT_GT(title, 2000);
  // Lettering over the picture's cards or lettering reads as a second title.
  EXPECT_EQ(overPicture, 0) << overPicture << " of " << title << " title pixels over the picture";
  form.close();
  fs::remove_all(folder);
}

}  // namespace
}  // namespace fibwick
