#include <gtest/gtest.h>

#include <QAction>
#include <QImage>

#include "app/app_support.h"
#include "game/turn.h"
#include "records/club_file.h"
#include "records/club_members.h"

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
  TForm1 form;
};

TEST(TableOnScreen, TheClaimPlateShowsTheClaimedRankUntilTheClaimEnds) {
  OpenTable t("plate", Pacing{.pauseFactor = 0.0, .computerTickMs = 1});
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
    TForm1 form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 100000});
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
