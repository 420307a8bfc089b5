#include "online/service_paths.h"

#include <gtest/gtest.h>

#include "online/loopback_server.h"
#include "online/service_base.h"

namespace fibwick {
namespace {

using testing::ClosedPortUrl;
using testing::HttpAnswer;
using testing::LoopbackServer;

TEST(PathsDocument, AKeysValueRunsToTheNextHashOrTheEnd) {
  struct Case {
    const char* document;
    const char* key;
    std::optional<std::string> value;
  };
  for (const Case& c : {
           Case{"AccPath=http://a/account#StatPath=http://s#", "AccPath", "http://a/account"},
           Case{"x\r\nStatPath=http://s#\r\nAccPath=http://a", "AccPath", "http://a"},
           Case{"StatPath=http://s#", "AccPath", std::nullopt},
           Case{"AccPath:http://a#", "AccPath", "http://a"},
           Case{"AccPath", "AccPath", ""},
           Case{"AccPath=#AccPath=http://b#", "AccPath", ""},
       }) {
    EXPECT_EQ(PathsKeyValue(c.document, c.key), c.value) << c.document;
  }
}

TEST(ServiceBase, EveryBuiltInAddressLiesUnderTheBase) {
  const BuiltInAddresses a = AddressesUnder("https://games.example.org:8443");
  EXPECT_EQ(a.paths, "https://games.example.org:8443/paths");
  EXPECT_EQ(a.ip, "https://games.example.org:8443/ip");
  EXPECT_EQ(a.news, "https://games.example.org:8443/news");
  EXPECT_EQ(a.files, "https://games.example.org:8443/files/");
  EXPECT_EQ(a.account, "https://games.example.org:8443/account");
  EXPECT_EQ(a.tournament, "https://games.example.org:8443/tournament");
  EXPECT_EQ(AddressesUnder(DefaultServiceBase).records, BuiltInRecordsAddress);
  EXPECT_EQ(AddressesUnder(DefaultServiceBase).statistics, BuiltInStatisticsAddress);
}

TEST(ServiceBase, TheEnvironmentNamesTheBase) {
  ::setenv(ServiceUrlVariable, "http://10.0.0.5:9000//", 1);
  EXPECT_EQ(ServiceBaseFromEnvironment(), "http://10.0.0.5:9000");
  ::unsetenv(ServiceUrlVariable);
  EXPECT_EQ(ServiceBaseFromEnvironment(), DefaultServiceBase);
}

TEST(ServiceBase, OnlyUntouchedDefaultsFollowANewBase) {
  Settings defaults;
  RebaseDefaultAddresses(defaults, "http://h:1", {});
  EXPECT_EQ(defaults.RecordsAddress, "http://h:1/records");
  EXPECT_EQ(defaults.StatisticsAddress, "http://h:1/statistics");

  Settings chosen;
  chosen.RecordsAddress = "http://mine/records";
  RebaseDefaultAddresses(chosen, "http://h:1", {.records = "", .statistics = "named"});
  EXPECT_EQ(chosen.RecordsAddress, "http://mine/records");
  EXPECT_EQ(chosen.StatisticsAddress, BuiltInStatisticsAddress);
}

TEST(PathsDocument, AnUnreachableDocumentKeepsEverythingAvailable) {
  HttpClient client;
  ServicePaths paths(client, ClosedPortUrl() + "/paths", "http://default/account");
  const ServiceAddresses named = paths.Fetch();
  EXPECT_EQ(named.records, "");
  EXPECT_EQ(named.statistics, "");
  EXPECT_EQ(paths.AccountAddress(), "http://default/account");
  EXPECT_FALSE(paths.RecordsPaused());
  EXPECT_FALSE(paths.ChatPaused());
}

TEST(PathsDocument, EachServiceReadsTheDocumentAfresh) {
  // The first read fails; the statistics and account reads succeed.
  int reads = 0;
  LoopbackServer server([&](const std::string&) {
    return ++reads == 1 ? HttpAnswer("", "500 Busy")
                        : HttpAnswer("WTGamesPatt=http://r#StatPath=http://s#AccPath=http://a");
  });
  HttpClient client;
  ServicePaths paths(client, server.BaseUrl() + "/paths", "http://default/account");
  const ServiceAddresses named = paths.Fetch();
  EXPECT_EQ(server.Requests().size(), 3u);
  EXPECT_EQ(named.records, "");
  EXPECT_EQ(named.statistics, "http://s");
  EXPECT_EQ(paths.AccountAddress(), "http://a");
}

}  // namespace
}  // namespace fibwick
