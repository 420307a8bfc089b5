#include "ui/dialogs/statistics_dialog.h"

#include "dialogs_support.h"
#include "online/loopback_server.h"
#include "online/service_base.h"
#include "support/service_process.h"
#include "support/statistics_now.h"

namespace fibwick {
namespace {

using testing::ClosedPortUrl;
using testing::HttpAnswer;
using testing::LoopbackServer;
using testing_support::DialogTest;
using testing_support::Text;

constexpr const char* Totals = "$7 3 2 Ann 40 2 31 12 5 1 0 0 0 0 0 0 0 -*";

class Stat : public DialogTest {
 protected:
  // Totals for a read, "$ ok#" for a like; every request is kept.
  LoopbackServer service_{[](const std::string& request) {
    return HttpAnswer(request.find("stat3=") != std::string::npos ? "$ ok#" : Totals);
  }};
  HttpClient client_;
  StatisticsService statistics_{client_, service_.BaseUrl() + "/statistics"};
  bool liked_ = false;
};

TEST_F(Stat, TheTotalsFillTheTenLines) {
  StatisticsDialog dialog(*context_, testing_support::ReadTotalsNow(statistics_),
                          testing_support::LikeNow(statistics_), liked_, {}, nullptr);
  const QStringList expected{"7", "3", "2", "Ann", "40", "2", "31", "12", "5", "1"};
  for (int row = 0; row < StatRowCount; ++row) EXPECT_EQ(dialog.Value(row), expected[row]) << row;
  EXPECT_TRUE(dialog.LikeButton()->isEnabled());
}

TEST_F(Stat, AFailedReadSaysNoConnect) {
  StatisticsService away(client_, ClosedPortUrl() + "/statistics");
  StatisticsDialog dialog(*context_, testing_support::ReadTotalsNow(away),
                          testing_support::LikeNow(away), liked_, {}, nullptr);
  EXPECT_EQ(dialog.Value(0), Text(MsgNoConnect));
  for (int row = 1; row < StatRowCount; ++row) EXPECT_EQ(dialog.Value(row), "") << row;
}

TEST_F(Stat, AnIncognitoLikeAsksForANickUntilOneIsValid) {
  QStringList answers{"A", "Bob"};
  int asked = 0;
  int saved = 0;
  const StatHooks hooks{.askName = [&](QWidget*) -> std::optional<QString> {
                          ++asked;
                          return answers.takeFirst();
                        },
                        .saveSettings = [&] { ++saved; }};
  StatisticsDialog dialog(*context_, testing_support::ReadTotalsNow(statistics_),
                          testing_support::LikeNow(statistics_), liked_, hooks, nullptr);
  dialog.LikeButton()->click();
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(settings_.WorldNick, "Bob");
  EXPECT_TRUE(service_.Requests().back().ends_with("\r\n\r\ngid=22&stat3=1&stat4=Bob"));
  EXPECT_FALSE(dialog.LikeButton()->isEnabled());
  EXPECT_EQ(dialog.Value(2), "3");
  EXPECT_EQ(dialog.Value(3), "Bob");
  EXPECT_TRUE(liked_);
  EXPECT_EQ(saved, 1);

  // Once liked, the button stays off for the rest of the run.
  StatisticsDialog again(*context_, testing_support::ReadTotalsNow(statistics_),
                         testing_support::LikeNow(statistics_), liked_, hooks, nullptr);
  EXPECT_FALSE(again.LikeButton()->isEnabled());
}

TEST_F(Stat, CancellingTheNickSendsNothing) {
  const StatHooks hooks{.askName = [](QWidget*) -> std::optional<QString> { return {}; },
                        .saveSettings = {}};
  StatisticsDialog dialog(*context_, testing_support::ReadTotalsNow(statistics_),
                          testing_support::LikeNow(statistics_), liked_, hooks, nullptr);
  dialog.LikeButton()->click();
  EXPECT_EQ(service_.Requests().size(), 1u);  // the read alone
  EXPECT_TRUE(dialog.LikeButton()->isEnabled());
  EXPECT_FALSE(liked_);
  EXPECT_EQ(settings_.WorldNick, "Incognito");
}

TEST_F(Stat, APassportNameLikesWithoutAsking) {
  settings_.WorldNick = "Vera";
  const StatHooks hooks{.askName = [](QWidget*) -> std::optional<QString> {
                          ADD_FAILURE() << "asked for a name";
                          return {};
                        },
                        .saveSettings = {}};
  StatisticsDialog dialog(*context_, testing_support::ReadTotalsNow(statistics_),
                          testing_support::LikeNow(statistics_), liked_, hooks, nullptr);
  dialog.LikeButton()->click();
  EXPECT_TRUE(service_.Requests().back().ends_with("&stat4=Vera"));
  EXPECT_TRUE(liked_);
}

TEST_F(Stat, ALikeReachesTheServiceTotals) {
  testing::ServiceProcess service;
  StatisticsService statistics(client_, AddressesUnder(service.BaseUrl()).statistics);
  statistics.ReportStart(true);
  settings_.WorldNick = "Vera";
  {
    StatisticsDialog dialog(*context_, testing_support::ReadTotalsNow(statistics),
                            testing_support::LikeNow(statistics), liked_, {}, nullptr);
    EXPECT_EQ(dialog.Value(0), "1");
    EXPECT_EQ(dialog.Value(2), "0");
    dialog.LikeButton()->click();
    EXPECT_EQ(dialog.Value(2), "1");
  }
  liked_ = false;
  StatisticsDialog reread(*context_, testing_support::ReadTotalsNow(statistics),
                          testing_support::LikeNow(statistics), liked_, {}, nullptr);
  EXPECT_EQ(reread.Value(2), "1");
  EXPECT_EQ(reread.Value(3), "Vera");
}

}  // namespace
}  // namespace fibwick
