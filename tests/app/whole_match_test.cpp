#include <gtest/gtest.h>

#include <QAction>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "match_driver.h"
#include "records/club_file.h"
#include "records/club_members.h"
#include "records/history_file.h"
#include "records/history_view.h"
#include "records/settings_file.h"

namespace fibwick {
namespace {

namespace fs = std::filesystem;

TEST(WholeMatch, TwentyGamesThroughTheWindowReachTheFiles) {
  const fs::path folder = FreshProgramFolder("match");
  DialogAnswerer answerer;
  TForm1 form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1});
  form.show();
  ASSERT_NO_FATAL_FAILURE(PassIntro(form));

  ButtonNamed(form, "Button6")->click();  // "New Player": the start dialog is answered
  ASSERT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Table; }));
  EXPECT_EQ(form.Game().PlayerSlot, SlotNewPlayer);
  EXPECT_EQ(form.Game().GameNumber, 1);

  std::mt19937 random(7);
  const int gamesFinished = PlayMatch(form, random, [&](int game) {
    if (game == 1 && std::getenv("FIBWICK_SCREENSHOTS") != nullptr) {
      const fs::path shots = std::getenv("FIBWICK_SCREENSHOTS");
      fs::create_directories(shots);
      form.grab().save(QString::fromStdString((shots / "game-over.png").string()));
    }
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
  const Settings saved = LoadSettings(folder / "Fibwick.ini", {}, nullptr);
  EXPECT_EQ(saved.LastPlayerName.substr(0, 6), "Tester");
  fs::remove_all(folder);
}

TEST(LeavingAGame, ThroughTheMenuRemovesTheMemberFromTheClub) {
  const fs::path folder = FreshProgramFolder("abandon");
  const fs::path club = folder / "Fibwick.clb";
  const ClubRecord member{.name = "Leaver", .rating = 1.5, .games = 7, .score = 30,
                          .passwordDigits = EncodePassword("pw1")};
  ASSERT_EQ(InsertRecord(club, member, false).status, ClubUpdateStatus::Done);
  ASSERT_TRUE(ParseMemberLine((*ReadClubFile(club))[0]));

  DialogAnswerer answerer;  // the member's password, then "Yes" to leaving
  TForm1 form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1});
  form.show();
  ASSERT_NO_FATAL_FAILURE(PassIntro(form));
  ButtonNamed(form, "Button1")->click();
  ASSERT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Table; }));
  EXPECT_EQ(form.Game().GameNumber, 8);
  EXPECT_EQ(form.Game().BaseScore, 30);

  form.findChild<QAction*>("ActExitToMenu")->trigger();
  ASSERT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Menu; }));
  EXPECT_TRUE(IsFreeMemberLine((*ReadClubFile(club))[0]));
  form.close();
  fs::remove_all(folder);
}

TEST(StartUp, AMissingClubFileClosesTheProgramAndKeepsTheSettings) {
  const fs::path folder = FreshProgramFolder("noclub");
  fs::remove(folder / "Fibwick.net");
  DialogAnswerer answerer;
  TForm1 form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1});
  form.show();
  ASSERT_TRUE(WaitFor([&] { return !form.isVisible(); }, 5000));
  EXPECT_EQ(answerer.dialogsSeen, 1);  // the notice naming the missing file
  EXPECT_FALSE(fs::exists(folder / "Fibwick.ini"));
  fs::remove_all(folder);
}

}  // namespace
}  // namespace fibwick
