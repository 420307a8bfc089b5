#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <cmath>
#include <random>

#include "app/app_support.h"
#include "app/flight_clock.h"
#include "app/match_player.h"
#include "game/turn.h"
#include "records/club_file.h"
#include "records/club_members.h"
#include "records/settings_file.h"
#include "ui/flight_path.h"

namespace fibwick {
namespace {

using namespace testing;

// A started match of a new player; game 1 is opened by the computer.
struct OpenTable {
  explicit OpenTable(const std::string& name, Pacing pacing)
      : folder(FreshProgramFolder(name)), form(folder, pacing) {
    form.show();
    PassIntro(form);
    ButtonNamed(form, "Button6")->click();
    EXPECT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Table; }));
  }
  ~OpenTable() {
    form.close();
    fs::remove_all(folder);
  }
  // Pure red pixels: the claimed rank written on the plate.
  int RedOnThePlate() {
    const PixelRect r = ClaimPlateRect();
    const QImage shot = form.grab(QRect(r.left, r.top, r.width, r.height)).toImage();
    int red = 0;
    for (int y = 0; y < shot.height(); ++y) {
      for (int x = 0; x < shot.width(); ++x)
        red += shot.pixelColor(x, y) == QColor(255, 0, 0) ? 1 : 0;
    }
    return red;
  }
  PixelRect ClaimPlateRect() const { return form.ClaimPlateRect(); }

  DialogAnswerer answerer;
  fs::path folder;
  MainWindow form;
};

TEST(TableOnScreen, TheClaimPlateShowsTheClaimedRankUntilTheClaimEnds) {
  // The computer thinks long enough for the plate to be seen empty before its next claim.
  OpenTable t("plate", Pacing{.pauseFactor = 0.0, .computerTickMs = 700});
  ASSERT_TRUE(
      WaitFor([&] { return t.form.Game().round.TurnState == Turn::Local && t.form.TableQuiet(); }));
  ASSERT_FALSE(t.form.Game().claim.NewClaim);  // the computer opened a claim
  EXPECT_GT(t.RedOnThePlate(), 20);
  if (const char* shots = std::getenv("FIBWICK_SCREENSHOTS")) {
    fs::create_directories(shots);
    t.form.grab().save(QString::fromStdString((fs::path(shots) / "claim-plate.png").string()));
  }
  ButtonNamed(t.form, "Button7")->click();  // "I don`t believe!" ends the claim
  ASSERT_TRUE(WaitFor([&] { return t.form.TableQuiet(); }));
  EXPECT_EQ(t.RedOnThePlate(), 0);
}

// The computer's new cards lie face down from the first moment of every later game.
TEST(TableOnScreen, AfterNextGameTheComputersCardsAreFaceDown) {
  OpenTable t("facedown", Pacing{.pauseFactor = 0.0, .computerTickMs = 1});
  EXPECT_FALSE(t.form.HandShowsFaces(1));
  for (int game = 1; game <= 2; ++game) {
    while (!t.form.Game().round.RoundOver) {
      ASSERT_TRUE(WaitFor([&] {
        return t.form.Game().round.RoundOver ||
               (t.form.Game().round.TurnState == Turn::Local && t.form.TableQuiet());
      }));
      if (t.form.Game().round.RoundOver) break;
      // Challenge whenever possible, else pass, else lead with the first card.
      if (ButtonNamed(t.form, "Button7")->isEnabled()) {
        ButtonNamed(t.form, "Button7")->click();
      } else if (ButtonNamed(t.form, "Button12")->isEnabled()) {
        ButtonNamed(t.form, "Button12")->click();
      } else {
        ClickCard(t.form, 1);
        ButtonNamed(t.form, "Button8")->click();
      }
    }
    ASSERT_TRUE(WaitFor([&] { return t.form.TableQuiet(); }));
    EXPECT_TRUE(t.form.HandShowsFaces(1));    // the ended game shows both hands
    ButtonNamed(t.form, "Button7")->click();  // "Next game"
    EXPECT_EQ(t.form.Game().session.GameNumber, game + 1);
    EXPECT_FALSE(t.form.HandShowsFaces(1)) << "game " << game + 1;
  }
}

// Input while the pile lies turned over waits for the pause and then runs in order.
TEST(TableOnScreen, ClicksDuringThePauseAreAppliedAfterItInOrder) {
  OpenTable t("pause", Pacing{.pauseFactor = 0.4, .computerTickMs = 1});
  for (int attempt = 0; attempt < 40; ++attempt) {
    ASSERT_TRUE(WaitFor([&] {
      return t.form.Game().round.RoundOver ||
             (t.form.Game().round.TurnState == Turn::Local && t.form.TableQuiet());
    }));
    ASSERT_FALSE(t.form.Game().round.RoundOver);
    if (!ButtonNamed(t.form, "Button7")->isEnabled()) {
      ButtonNamed(t.form, "Button12")->isEnabled()
          ? ButtonNamed(t.form, "Button12")->click()
          : (ClickCard(t.form, 1), ButtonNamed(t.form, "Button8")->click());
      continue;
    }
    ButtonNamed(t.form, "Button7")->click();
    // The challenge is decided at once; the table shows the turned pile for a while.
    ASSERT_FALSE(t.form.TableQuiet());
    const bool localLeads = t.form.Game().round.TurnState == Turn::Local;
    ClickCard(t.form, 1);
    ClickCard(t.form, 2);
    EXPECT_FALSE(t.form.Game().hands.SelectedCards.any()) << "applied during the pause";
    ASSERT_TRUE(WaitFor([&] { return t.form.TableQuiet(); }));
    if (localLeads) {
      EXPECT_TRUE(t.form.Game().hands.SelectedCards.test(1));
      EXPECT_TRUE(t.form.Game().hands.SelectedCards.test(2));
      EXPECT_TRUE(ButtonNamed(t.form, "Button8")->isEnabled());
    } else {
      EXPECT_FALSE(t.form.Game().hands.SelectedCards.any());
    }
    return;
  }
  FAIL() << "no challenge came up";
}

// Closing the window while the pile lies turned over leaves the game between two events.
TEST(TableOnScreen, ClosingDuringThePauseLeavesTheGameCleanly) {
  OpenTable t("closepause", Pacing{.pauseFactor = 4.0, .computerTickMs = 1});
  ASSERT_TRUE(
      WaitFor([&] { return t.form.Game().round.TurnState == Turn::Local && t.form.TableQuiet(); }));
  ASSERT_TRUE(ButtonNamed(t.form, "Button7")->isEnabled());
  ButtonNamed(t.form, "Button7")->click();
  ASSERT_FALSE(t.form.TableQuiet());
  t.form.close();  // the question is answered "Yes"
  EXPECT_FALSE(t.form.isVisible());
  EXPECT_FALSE(t.form.Game().round.TableActive);
  EXPECT_TRUE(t.form.TableQuiet());
  Wait(200);  // nothing of the dropped game plays later
  EXPECT_EQ(t.form.Game().round.TurnState, Turn::Idle);
  EXPECT_TRUE(fs::exists(t.folder / "Fibwick.ini"));
}

}  // namespace
}  // namespace fibwick

namespace fibwick {
namespace {

using namespace testing;

// "To change a name" from the table's menu: the program rewrites the member's club line.
TEST(TableMenu, ChangeOfNameRewritesTheMembersLine) {
  const fs::path folder = FreshProgramFolder("rename");
  const fs::path club = folder / "Fibwick.clb";
  const ClubRecord member{.name = "Boris",
                          .rating = 2.5,
                          .games = 3,
                          .score = 10,
                          .passwordDigits = EncodePassword("pw1")};
  ASSERT_EQ(InsertRecord(club, member, false).status, ClubUpdateStatus::Done);
  {
    DialogAnswerer answerer;  // the member's password at the start
    MainWindow form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 100000});
    form.show();
    PassIntro(form);
    ButtonNamed(form, "Button1")->click();
    ASSERT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Table; }));
    answerer.name = "Bruno";
    answerer.password = "xyz";
    form.findChild<QAction*>("ActChangeName")->trigger();
    EXPECT_EQ(form.Game().session.Seat2Name, "Bruno");
    EXPECT_EQ(form.Game().session.PlayerSlot, 1);
    const auto lines = ReadClubFile(club);
    ASSERT_TRUE(lines);
    const auto record = ParseMemberLine((*lines)[0]);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->name.substr(0, 5), "Bruno");
    EXPECT_TRUE(PasswordMatches("xyz", record->passwordDigits));
    EXPECT_GE(answerer.dialogsSeen, 3);  // start dialog, new name, the notice that tells it
    form.close();
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace fibwick

namespace fibwick {
namespace {

// The first row in [from, to) where two grabs of the window differ; -1 for none.
int FirstChangedRow(const QImage& a, const QImage& b, int from, int to) {
  for (int y = from; y < to; ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) return y;
    }
  }
  return -1;
}

// A put card crosses the table from the hand up to the pile. The test holds the clock the cards
// fly by and looks at chosen steps, so the machine's speed does not matter.
TEST(TableOnScreen, APutCardFliesFromTheHandUpToThePile) {
  HeldFlightClock clock;
  // The computer thinks long enough for the put's flight to be watched alone.
  OpenTable t("flight",
              Pacing{.pauseFactor = 1.0, .computerTickMs = 1500, .flightClock = clock.Clock()});
  ASSERT_TRUE(t.form.CurrentSettings().FlyCards);  // the default
  ASSERT_TRUE(WaitFor(
      [&] { return t.form.Game().round.TurnState == Turn::Local && t.form.TableQuiet(); }, 20000));
  ASSERT_FALSE(t.form.Game().claim.NewClaim);  // the computer opened, so no rank is asked
  const int pileBefore = t.form.Game().table.PileCount;
  ClickCard(t.form, 1);
  ASSERT_TRUE(WaitFor([&] { return t.form.TableQuiet(); }));
  const double stepMicroseconds =
      PaceOfSpeed(t.form.CurrentSettings().FlightSpeed).stepMicroseconds;
  clock.Hold();
  ButtonNamed(t.form, "Button8")->click();
  ASSERT_TRUE(t.form.Flying());
  std::vector<QImage> frames{t.form.grab().toImage()};
  for (const int step : {30, 60, 90}) {
    clock.AdvanceTo(std::llround(step * stepMicroseconds));
    QImage frame;
    ASSERT_TRUE(WaitFor([&] {
      frame = t.form.grab().toImage();
      return frame != frames.back();
    })) << "the card stands still at step "
        << step;
    frames.push_back(frame);
  }
  clock.AdvanceTo(std::llround(10'000 * stepMicroseconds));
  ASSERT_TRUE(WaitFor([&] { return !t.form.Flying(); }));
  EXPECT_EQ(t.form.Game().table.PileCount, pileBefore + 1);
  const QImage landed = t.form.grab().toImage();
  if (const char* shots = std::getenv("FIBWICK_SCREENSHOTS")) {
    fs::create_directories(shots);
    for (std::size_t k = 0; k < frames.size(); ++k) {
      frames[k].save(QString::fromStdString(
          (fs::path(shots) / ("flight-step-" + std::to_string(k) + ".png")).string()));
    }
    landed.save(QString::fromStdString((fs::path(shots) / "flight-step-landed.png").string()));
  }
  // While the card flies nothing else changes: between two frames, only the card moved, upwards
  // from the hand, towards the pile.
  const int height = landed.height();
  const int firstMove = FirstChangedRow(frames[1], frames[2], 0, height);
  const int laterMove = FirstChangedRow(frames[2], frames[3], 0, height);
  ASSERT_GE(firstMove, 0);
  ASSERT_GE(laterMove, 0);
  EXPECT_LT(firstMove, t.form.HandRect(2).top);
  EXPECT_GT(firstMove, t.form.PileRect().top);
  EXPECT_LT(laterMove, firstMove);
}

// Clicks while the computer's cards fly wait for the landing and then run in order.
TEST(TableOnScreen, ClicksDuringAFlightAreAppliedAfterItInOrder) {
  OpenTable t("clickflight", Pacing{.pauseFactor = 4.0, .computerTickMs = 1});
  ASSERT_TRUE(WaitFor([&] { return t.form.Flying(); }, 20000));  // the computer's opening put
  ClickCard(t.form, 1);
  ClickCard(t.form, 3);
  EXPECT_FALSE(t.form.Game().hands.SelectedCards.any()) << "applied during the flight";
  EXPECT_TRUE(t.form.Flying());
  ASSERT_TRUE(WaitFor([&] { return t.form.TableQuiet(); }, 30000));
  EXPECT_TRUE(t.form.Game().hands.SelectedCards.test(1));
  EXPECT_TRUE(t.form.Game().hands.SelectedCards.test(3));
  EXPECT_EQ(t.form.Game().hands.SelectedCards.count(), 2u);
}

// Leaving while cards fly drops the flight with the game: no picture of it stays on the window.
TEST(TableOnScreen, ClosingDuringAFlightLeavesNoCardInTheAir) {
  OpenTable t("closeflight", Pacing{.pauseFactor = 50.0, .computerTickMs = 1});
  ASSERT_TRUE(WaitFor([&] { return t.form.Flying(); }, 20000));  // the computer's opening put
  t.form.close();                                                // the question is answered "Yes"
  EXPECT_FALSE(t.form.isVisible());
  EXPECT_FALSE(t.form.Flying());
  EXPECT_TRUE(t.form.TableQuiet());
  EXPECT_FALSE(t.form.Game().round.TableActive);
}

}  // namespace
}  // namespace fibwick

namespace fibwick {
namespace {

using namespace testing;

// The left part of the k-th pile card (from 0) that the card put after it leaves uncovered.
QRect PileStrip(const MainWindow& form, int k) {
  const Layout& layout = form.CurrentLayout();
  const PilePoint at = PilePosition(layout, k);
  const int pitch = PilePosition(layout, 1).x - PilePosition(layout, 0).x;
  return {form.PileRect().left + at.x, form.PileRect().top + at.y, pitch, layout.cardHeight};
}

int CardsInHands(const MainWindow& form) {
  return static_cast<int>(form.HandPositions(1).size() + form.HandPositions(2).size());
}

// With the last put marked, the turned pile flies card by card to the taker; at every flight the
// cards still lying there look as they did when the pile was turned: the last put's marked, the
// older ones not.
TEST(TableOnScreen, OnlyTheLastPutStaysMarkedWhileThePileFliesToTheTaker) {
  const fs::path folder = FreshProgramFolder("marks");
  Settings settings;
  settings.MarkLastCards = true;
  ASSERT_EQ(SaveSettings(folder / "Fibwick.ini", settings, false), SaveSettingsResult::Saved);
  DialogAnswerer answerer;
  HeldFlightClock clock;
  MainWindow form(folder,
                  Pacing{.pauseFactor = 0.05, .computerTickMs = 1, .flightClock = clock.Clock()});
  form.show();
  PassIntro(form);
  ButtonNamed(form, "Button6")->click();
  ASSERT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Table; }));
  ASSERT_TRUE(form.CurrentSettings().FlyCards);

  // Play on until the computer's put lies over older cards and may be challenged.
  auto* challenge = ButtonNamed(form, "Button7");
  const TableCards& table = form.Game().table;
  std::mt19937 random(7);
  bool open = false;
  for (int turn = 0; turn < 400 && !open; ++turn) {
    ASSERT_TRUE(WaitFor([&] {
      return form.Game().round.RoundOver ||
             (form.Game().round.TurnState == Turn::Local && form.TableQuiet());
    }));
    open = !form.Game().round.RoundOver && challenge->isEnabled() &&
           table.PileCount > table.LastPutCount;
    if (open) break;
    if (form.Game().round.RoundOver) {
      challenge->click();  // "Next game"
    } else {
      PlayLocalTurn(form, random);
    }
    Wait(1);
  }
  ASSERT_TRUE(open) << "the computer never put over older cards";
  const int pile = table.PileCount;
  const int lastPut = table.LastPutCount;
  const int inHands = CardsInHands(form);

  clock.Hold();
  challenge->click();
  // The pile lies turned over, the last put marked: the picture every later one is held to.
  const QImage turned = form.grab().toImage();
  for (int flight = 1; flight <= pile; ++flight) {
    SCOPED_TRACE("flight " + std::to_string(flight) + " of " + std::to_string(pile) +
                 ", last put " + std::to_string(lastPut));
    ASSERT_TRUE(WaitFor([&] { return form.Flying() && CardsInHands(form) == inHands + flight - 1; },
                        30000));
    const QImage shot = form.grab().toImage();
    if (flight == 1 && std::getenv("FIBWICK_SCREENSHOTS")) {
      const fs::path shots = std::getenv("FIBWICK_SCREENSHOTS");
      fs::create_directories(shots);
      turned.save(QString::fromStdString((shots / "pile-turned-marked.png").string()));
      shot.save(QString::fromStdString((shots / "pile-first-flight-marked.png").string()));
    }
    for (int k = 0; k < pile - flight; ++k) {
      const QRect strip = PileStrip(form, k);
      EXPECT_TRUE(shot.copy(strip) == turned.copy(strip))
          << "card " << k + 1 << (k < pile - lastPut ? ", older than the last put," : "")
          << " looks otherwise than on the turned pile";
    }
    clock.Advance(1'000'000'000);  // this card lands
  }
  form.close();
  fs::remove_all(folder);
}

}  // namespace
}  // namespace fibwick
