#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "app/app_support.h"
#include "app/main_window.h"
#include "app/match_player.h"
#include "game/turn.h"
#include "records/club_file.h"
#include "records/club_members.h"
#include "records/history_file.h"
#include "records/history_view.h"
#include "records/settings_file.h"
#include "ui/dialogs/claim_rank_dialog.h"
#include "ui/dialogs/question_dialog.h"
#include "ui/dialogs/start_dialog.h"
#include "ui/skin_button.h"

namespace fibwick {
namespace {

using namespace testing;

TEST(WholeMatch, TwentyGamesThroughTheWindowReachTheFiles) {
  const fs::path folder = FreshProgramFolder("match");
  DialogAnswerer answerer;
  MainWindow form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1});
  form.show();
  PassIntro(form);

  ButtonNamed(form, "Button6")->click();  // "New Player": the start dialog is answered
  ASSERT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Table; }));
  EXPECT_EQ(form.Game().session.PlayerSlot, SlotNewPlayer);
  EXPECT_EQ(form.Game().session.GameNumber, 1);

  std::mt19937 random(7);
  const int gamesFinished = PlayMatch(form, random, [&](int game) {
    if (game != 1 || std::getenv("FIBWICK_SCREENSHOTS") == nullptr) return;
    const fs::path shots = std::getenv("FIBWICK_SCREENSHOTS");
    fs::create_directories(shots);
    form.grab().save(QString::fromStdString((shots / "game-over.png").string()));
  });
  EXPECT_EQ(gamesFinished, 20);
  EXPECT_EQ(form.CurrentScreen(), Screen::Menu);

  // The club file now holds the player with twenty games.
  const auto lines = ReadClubFile(folder / "Fibwick.clb");
  ASSERT_TRUE(lines);
  bool found = false;
  for (int line = 0; line < 5; ++line) {
    const auto record = ParseMemberLine((*lines)[static_cast<std::size_t>(line)]);
    if (record && record->name.starts_with("Tester")) {
      found = true;
      EXPECT_EQ(record->games, 20);
    }
  }
  EXPECT_TRUE(found);
  // One history entry for the session.
  const auto rows = ReadHistoryRows(HistoryFilePath(folder, "Fibwick.clb", 1));
  ASSERT_EQ(rows.size(), 1u);

  form.close();
  EXPECT_TRUE(fs::exists(folder / "Fibwick.ini"));
  const Settings saved = LoadSettings(folder / "Fibwick.ini", nullptr);
  EXPECT_EQ(saved.LastPlayerName.substr(0, 6), "Tester");
  fs::remove_all(folder);
}

TEST(LeavingAGame, ThroughTheMenuRemovesTheMemberFromTheClub) {
  const fs::path folder = FreshProgramFolder("abandon");
  const fs::path club = folder / "Fibwick.clb";
  const ClubRecord member{.name = "Leaver",
                          .rating = 1.5,
                          .games = 7,
                          .score = 30,
                          .passwordDigits = EncodePassword("pw1")};
  ASSERT_EQ(InsertRecord(club, member, false).status, ClubUpdateStatus::Done);
  ASSERT_TRUE(ParseMemberLine((*ReadClubFile(club))[0]));

  DialogAnswerer answerer;  // the member's password, then "Yes" to leaving
  MainWindow form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1});
  form.show();
  PassIntro(form);
  ButtonNamed(form, "Button1")->click();
  ASSERT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Table; }));
  EXPECT_EQ(form.Game().session.GameNumber, 8);
  EXPECT_EQ(form.Game().session.BaseScore, 30);

  form.findChild<QAction*>("ActExitToMenu")->trigger();
  ASSERT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Menu; }));
  EXPECT_TRUE(IsFreeMemberLine((*ReadClubFile(club))[0]));
  form.close();
  fs::remove_all(folder);
}

// A new player's match, up to the first moment the local player may challenge.
void PlayUntilTheChallengeIsOpen(MainWindow& form) {
  form.show();
  PassIntro(form);
  ButtonNamed(form, "Button6")->click();
  ASSERT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Table; }));
  auto* challenge = ButtonNamed(form, "Button7");
  for (;;) {
    ASSERT_TRUE(WaitFor([&] {
      return form.Game().round.TurnState == Turn::Local && form.TableQuiet();
    })) << DescribeState(form.Game());
    if (challenge->isEnabled()) return;
    ClickCard(form, 1);
    ButtonNamed(form, "Button8")->click();
  }
}

// Keys reach the focused widget, or the window when nothing holds the focus.
void PressKey(MainWindow& form, Qt::Key key) {
  for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &form;
    QKeyEvent event(type, key, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
  }
  QApplication::processEvents();
}

TEST(AtTheTable, StrayKeysDoNotMoveForThePlayer) {
  const fs::path folder = FreshProgramFolder("keys");
  DialogAnswerer answerer;
  MainWindow form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1});
  PlayUntilTheChallengeIsOpen(form);
  form.activateWindow();
  ASSERT_TRUE(WaitFor([&] { return form.isActiveWindow(); }, 5000));
  for (const char* name : {"Button7", "Button8", "Button12"}) {
    EXPECT_FALSE(ButtonNamed(form, name)->hasFocus()) << name;
  }
  const std::string before = DescribeState(form.Game());
  for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
    PressKey(form, key);
    EXPECT_EQ(DescribeState(form.Game()), before) << "key " << key;
  }
  EXPECT_TRUE(ButtonNamed(form, "Button7")->isEnabled());
  form.close();
  fs::remove_all(folder);
}

TEST(AtTheTable, ClosingTheWindowAsksAndNoKeepsTheGame) {
  const fs::path folder = FreshProgramFolder("close");
  DialogAnswerer answerer;
  MainWindow form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1});
  PlayUntilTheChallengeIsOpen(form);
  answerer.answerYes = false;
  form.close();
  EXPECT_EQ(answerer.questionsSeen, 1);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.CurrentScreen(), Screen::Table);
  answerer.answerYes = true;
  form.close();
  EXPECT_EQ(answerer.questionsSeen, 2);
  EXPECT_FALSE(form.isVisible());
  fs::remove_all(folder);
}

TEST(StartUp, AMissingClubFileClosesTheProgramAndKeepsTheSettings) {
  const fs::path folder = FreshProgramFolder("noclub");
  fs::remove(folder / "Fibwick.net");
  DialogAnswerer answerer;
  MainWindow form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1});
  form.show();
  ASSERT_TRUE(WaitFor([&] { return !form.isVisible(); }, 5000));
  EXPECT_EQ(answerer.dialogsSeen, 1);  // the notice naming the missing file
  EXPECT_FALSE(fs::exists(folder / "Fibwick.ini"));
  fs::remove_all(folder);
}

}  // namespace
}  // namespace fibwick
