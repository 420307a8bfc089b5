// The window and the real fibwick-service: the start report and a session's game-end counters.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "app/app_support.h"
#include "app/main_window.h"
#include "app/match_player.h"
#include "online/service_base.h"
#include "online/statistics.h"
#include "records/club_file.h"
#include "records/club_members.h"
#include "records/history_file.h"
#include "records/history_view.h"
#include "records/settings_file.h"
#include "support/service_process.h"

namespace fibwick {
namespace {

using namespace testing;

// The window finds the service through the environment, as a player's would.
class WithService : public ::testing::Test {
 protected:
  WithService() : before_(std::getenv(ServiceUrlVariable) ? std::getenv(ServiceUrlVariable) : "") {
    ::setenv(ServiceUrlVariable, service_.BaseUrl().c_str(), 1);
  }
  ~WithService() override { ::setenv(ServiceUrlVariable, before_.c_str(), 1); }

  TNuvStat Totals() {
    HttpClient client;
    StatisticsService statistics(client, AddressesUnder(service_.BaseUrl()).statistics);
    TNuvStat stat;
    EXPECT_TRUE(statistics.ReadTotals(GameId, stat));
    return stat;
  }

  ServiceProcess service_;
  std::string before_;
};

TEST_F(WithService, TheFirstStartIsReportedOnceAndRemembered) {
  const fs::path folder = FreshProgramFolder("firststart");
  Settings unregistered;
  unregistered.StartRegistered = false;
  ASSERT_EQ(SaveSettings(folder / "Fibwick.ini", unregistered, false), SaveSettingsResult::Saved);
  for (int start = 1; start <= 2; ++start) {
    MainWindow form(folder);
    form.show();
    PassIntro(form);
    // The paths document and the report go out beside the window; their answers come later.
    ASSERT_TRUE(WaitFor([&] { return form.Online().Idle(); }));
    EXPECT_EQ(form.CurrentSettings().StatisticsAddress, service_.BaseUrl() + "/statistics");
    form.close();
    const TNuvStat stat = Totals();
    EXPECT_EQ(stat.Stat1, start);
    EXPECT_EQ(stat.Stat2, 1);
    EXPECT_TRUE(LoadSettings(folder / "Fibwick.ini", nullptr).StartRegistered);
  }
  fs::remove_all(folder);
}

TEST_F(WithService, AFinishedCycleReportsItsGameEnd) {
  const fs::path folder = FreshProgramFolder("gameend");
  const fs::path club = folder / "Fibwick.clb";
  const ClubRecord member{.name = "Closer",
                          .rating = 1.5,
                          .games = 19,
                          .score = 30,
                          .passwordDigits = EncodePassword("pw1")};
  ASSERT_EQ(InsertRecord(club, member, false).status, ClubUpdateStatus::Done);
  DialogAnswerer answerer;
  MainWindow form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1});
  form.show();
  PassIntro(form);
  ButtonNamed(form, "Button1")->click();
  ASSERT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Table; }));
  ASSERT_EQ(form.Game().session.GameNumber, 20);
  std::mt19937 random(11);
  ASSERT_EQ(PlayMatch(form, random), 1);
  ASSERT_TRUE(WaitFor([&] { return form.Online().Idle(); }));
  form.close();

  const TNuvStat stat = Totals();
  EXPECT_EQ(stat.StatX[0], 1);  // one game played, the 20th of the member's record
  EXPECT_EQ(stat.StatX[1], 1);
  // The session's points, as the history keeps them.
  const auto rows = ReadHistoryRows(HistoryFilePath(folder, "Fibwick.clb", 1));
  ASSERT_EQ(rows.size(), 1u);
  const int points = std::stoi(rows[0].columns[4]);
  EXPECT_EQ(stat.StatX[2], std::max(points, 0));
  EXPECT_EQ(stat.StatX[3], std::max(-points, 0));
  EXPECT_EQ(stat.StatX[4], 0);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace fibwick
