// The requests against the real fibwick-service, started for each test on a free port.
#include <gtest/gtest.h>

#include <fstream>
#include <optional>

#include "online/news_number.h"
#include "online/pack_download.h"
#include "online/service_base.h"
#include "online/service_paths.h"
#include "online/statistics.h"
#include "records/settings_file.h"
#include "support/postgres_cluster.h"
#include "support/raw_http.h"
#include "support/service_process.h"

namespace fibwick {
namespace {

using testing::ServiceProcess;
using testing::TemporaryFolder;

void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

TEST(ServicePaths, TheDocumentNamesTheServicesAndTheirPauses) {
  struct Case {
    std::vector<std::string> args;
    bool recordsPaused;
    bool chatPaused;
  };
  for (const Case& c : {Case{{}, false, false}, Case{{"--pause-records"}, true, false},
                        Case{{"--pause-chat"}, false, true},
                        Case{{"--pause-records", "--pause-chat"}, true, true}}) {
    ServiceProcess service(c.args);
    const BuiltInAddresses built = AddressesUnder(service.BaseUrl());
    HttpClient client;
    ServicePaths paths(client, built.paths, "http://default/account");
    const ServiceAddresses named = paths.Fetch();
    const std::string what = c.args.empty() ? "no pause" : c.args.back();
    EXPECT_EQ(named.records, c.recordsPaused ? "" : built.records) << what;
    EXPECT_EQ(named.statistics, built.statistics) << what;
    EXPECT_EQ(paths.AccountAddress(), built.account) << what;
    EXPECT_EQ(paths.RecordsPaused(), c.recordsPaused) << what;
    EXPECT_EQ(paths.ChatPaused(), c.chatPaused) << what;
  }
}

TEST(ServicePaths, TheSettingsTakeTheServicesAddressesOverTheirFiles) {
  ServiceProcess service;
  TemporaryFolder folder;
  const auto file = folder.Path() / "Fibwick.ini";
  Settings stored;
  stored.RecordsAddress = "http://old.example/records";
  stored.StatisticsAddress = "http://old.example/statistics";
  ASSERT_EQ(SaveSettings(file, stored, false), SaveSettingsResult::Saved);
  HttpClient client;
  ServicePaths paths(client, AddressesUnder(service.BaseUrl()).paths, "");
  const Settings loaded = LoadSettings(file, &paths);
  EXPECT_EQ(loaded.RecordsAddress, service.BaseUrl() + "/records");
  EXPECT_EQ(loaded.StatisticsAddress, service.BaseUrl() + "/statistics");

  service.Stop();
  const Settings offline = LoadSettings(file, &paths);
  EXPECT_EQ(offline.RecordsAddress, "http://old.example/records");
  EXPECT_EQ(offline.StatisticsAddress, "http://old.example/statistics");
  EXPECT_EQ(paths.AccountAddress(), "");
}

// The service's database: its own SQLite file, or a throwaway PostgreSQL cluster.
class OnEachDatabase : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    if (GetParam() == "sqlite") {
      service_.emplace();
      return;
    }
    if (const std::string why = testing::PostgresCluster::Unavailable(); !why.empty())
      GTEST_SKIP() << why;
    cluster_.emplace();
    service_.emplace(std::vector<std::string>{"--database", cluster_->Url()});
  }

  std::optional<testing::PostgresCluster> cluster_;
  std::optional<ServiceProcess> service_;
};

INSTANTIATE_TEST_SUITE_P(Databases, OnEachDatabase, ::testing::Values("sqlite", "postgresql"),
                         [](const auto& database) { return database.param; });

TEST_P(OnEachDatabase, StatisticsReportsAddUpInTheTotals) {
  const ServiceProcess& service = *service_;
  HttpClient client;
  StatisticsService statistics(client, AddressesUnder(service.BaseUrl()).statistics);
  TNuvStat stat;
  ASSERT_TRUE(statistics.ReadTotals(GameId, stat));
  EXPECT_EQ(stat.Stat1, 0);
  EXPECT_EQ(stat.Stat4, "");

  Settings settings;
  settings.StartRegistered = false;
  EXPECT_TRUE(ReportProgramStart(statistics, settings, "fwk"));
  EXPECT_TRUE(settings.StartRegistered);
  EXPECT_TRUE(ReportProgramStart(statistics, settings, "fwk"));
  EXPECT_FALSE(ReportProgramStart(statistics, settings, "idd"));
  // "Иван" in Windows-1251 travels raw in the form and comes back the same.
  EXPECT_TRUE(statistics.ReportLike("\xC8\xE2\xE0\xED"));
  SessionResult won;
  won.firstGame = won.lastGame = 40;  // one game, the one that closed the second cycle
  won.sessionScore = 7;
  statistics.ReportGameEnd(GameEndCountersOf(won));
  SessionResult hosted;
  hosted.firstGame = 1;
  hosted.lastGame = 3;
  hosted.sessionScore = -4;
  hosted.network = hosted.networkHost = true;
  statistics.ReportGameEnd(GameEndCountersOf(hosted));

  ASSERT_TRUE(statistics.ReadTotals(GameId, stat));
  EXPECT_EQ(stat.Stat1, 2);
  EXPECT_EQ(stat.Stat2, 1);
  EXPECT_EQ(stat.Stat3, 1);
  EXPECT_EQ(stat.Stat4, "\xC8\xE2\xE0\xED");
  EXPECT_EQ(stat.StatX, (GameEndCounters{1, 1, 7, 0, 3}));

  // Another game's totals stay apart.
  ASSERT_TRUE(statistics.ReadTotals(GameId + 1, stat));
  EXPECT_EQ(stat.Stat1, 0);
}

// 0x98 has no character in Windows-1251: stored, it could only become a guess.
TEST_P(OnEachDatabase, ALikeNameOutsideWindows1251IsRefusedAndCountsNothing) {
  for (const std::string& name :
       {std::string("\xC8\x98\xE0\xED"), testing::PercentEncode("\xC8\x98")}) {
    const auto reply = testing::Exchange(
        service_->BaseUrl(), testing::FormPost("/statistics", "gid=22&stat3=1&stat4=" + name));
    EXPECT_EQ(reply.status, 400) << name;
  }
  HttpClient client;
  StatisticsService statistics(client, AddressesUnder(service_->BaseUrl()).statistics);
  EXPECT_FALSE(statistics.ReportLike("Kim\x98"));
  TNuvStat stat;
  ASSERT_TRUE(statistics.ReadTotals(GameId, stat));
  EXPECT_EQ(stat.Stat3, 0);
  EXPECT_EQ(stat.Stat4, "");
  EXPECT_TRUE(statistics.ReportLike("\xC8\xE2\xE0\xED"));
  ASSERT_TRUE(statistics.ReadTotals(GameId, stat));
  EXPECT_EQ(stat.Stat3, 1);
  EXPECT_EQ(stat.Stat4, "\xC8\xE2\xE0\xED");
}

TEST(StatisticsService, AStoppedServiceReadsAsNoConnection) {
  ServiceProcess service;
  HttpClient client;
  StatisticsService statistics(client, AddressesUnder(service.BaseUrl()).statistics);
  service.Stop();
  TNuvStat stat;
  EXPECT_FALSE(statistics.ReadTotals(GameId, stat));
  EXPECT_FALSE(statistics.ReportStart(true));
}

TEST(ServicePages, TheEchoAndTheNewsAnswer) {
  ServiceProcess service;
  const BuiltInAddresses built = AddressesUnder(service.BaseUrl());
  EXPECT_EQ(ReadExternalAddress(built.ip), "127.0.0.1\r\n");
  HttpClient client;
  const HttpReply generated = client.GetResource(built.news);
  ASSERT_TRUE(generated.done);
  EXPECT_EQ(NewsNumber(generated.body), 0);
  WriteFile(service.DataFolder() / "news.html", "<html><!-- NuvNews00042 --></html>");
  const HttpReply page = client.GetResource(built.news);
  ASSERT_TRUE(page.done);
  EXPECT_EQ(NewsNumber(page.body), 42);
}

TEST(ServicePages, APackOfTheDownloadFolderLandsWhole) {
  ServiceProcess service;
  std::string pack(1 << 20, '\0');
  for (std::size_t i = 0; i < pack.size(); ++i) pack[i] = static_cast<char>(i * 13 % 256);
  WriteFile(service.DataFolder() / "files" / "NuvCards06A.dll", pack);
  TemporaryFolder target;
  const std::string folder = AddressesUnder(service.BaseUrl()).files;
  EXPECT_EQ(DownloadPack(folder, "NuvCards06A.dll", target.Path(), {}), DownloadOutcome::Done);
  std::ifstream in(target.Path() / "NuvCards06A.dll", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), pack);
  EXPECT_EQ(DownloadPack(folder, "NuvCards06B.dll", target.Path(), {}), DownloadOutcome::Failed);
  EXPECT_FALSE(std::filesystem::exists(target.Path() / "NuvCards06B.dll"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(target.Path()), {}), 1);
}

}  // namespace
}  // namespace fibwick
