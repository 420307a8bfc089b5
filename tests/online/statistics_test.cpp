#include "online/statistics.h"

#include <gtest/gtest.h>

#include "online/loopback_server.h"

namespace fibwick {
namespace {

using testing::ClosedPortUrl;
using testing::HttpAnswer;
using testing::LoopbackServer;

// A session against the computer from game `firstGame` to `lastGame`.
SessionResult ComputerSession(int firstGame, int lastGame, int score) {
  SessionResult result;
  result.firstGame = firstGame;
  result.lastGame = lastGame;
  result.sessionScore = score;
  return result;
}

SessionResult ComputerGame(int lastGame, int score) {
  return ComputerSession(lastGame, lastGame, score);
}

TEST(GameEndCounters, EachKindOfGameCountsWhereItBelongs) {
  struct Case {
    const char* what;
    SessionResult result;
    GameEndCounters counters;
  };
  SessionResult hostedNet = ComputerGame(3, -5);
  hostedNet.firstGame = 1;
  hostedNet.network = hostedNet.networkHost = true;
  SessionResult joinedNet = hostedNet;
  joinedNet.networkHost = false;
  SessionResult seatOne = ComputerGame(40, 9);
  seatOne.tournament = seatOne.tournamentSeatOne = true;
  SessionResult seatTwo = seatOne;
  seatTwo.tournamentSeatOne = false;
  const Case cases[] = {
      {"won the 40th game with the computer", ComputerGame(40, 7), {1, 1, 7, 0}},
      {"lost the 19th game with the computer", ComputerGame(19, -12), {1, 0, 0, 12}},
      {"a drawn first game", ComputerGame(1, 0), {1}},
      {"games 37 to 40 in one session", ComputerSession(37, 40, 15), {4, 1, 15, 0}},
      {"games 21 to 23 in one session", ComputerSession(21, 23, -2), {3, 0, 0, 2}},
      {"a lost LAN session of three games, hosted", hostedNet, {0, 0, 0, 0, 3}},
      {"the same session on the joining side", joinedNet, {}},
      {"a tournament game at seat 1", seatOne, {0, 0, 0, 0, 0, 1}},
      {"a tournament game at seat 2", seatTwo, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(GameEndCountersOf(c.result), c.counters) << c.what;
}

TEST(StatisticsReplies, OkMustFollowTheLastDollar) {
  struct Case {
    const char* reply;
    bool accepted;
  };
  for (const Case& c : {Case{"$ ok#", true}, Case{"$ ok", true}, Case{"$ no#", false},
                        Case{"ok", false}, Case{"$ ok#$", true}, Case{"$ no# $ ok#", true},
                        Case{"$ ok# $ no#", false}, Case{"$ok#", false}, Case{"", false}}) {
    EXPECT_EQ(ReportAccepted(c.reply), c.accepted) << c.reply;
  }
}

TEST(StatisticsReplies, TotalsFillTheRecordFieldByField) {
  LoopbackServer server(
      [](const std::string&) { return HttpAnswer("$5 2 1 Ann 10 1 30 4 2 1 0 0 0 0 0 0 0 -*"); });
  HttpClient client;
  StatisticsService service(client, server.BaseUrl() + "/statistics");
  TNuvStat stat;
  ASSERT_TRUE(service.ReadTotals(GameId, stat));
  EXPECT_EQ(stat.GID, 22);
  EXPECT_EQ(stat.Stat1, 5);
  EXPECT_EQ(stat.Stat2, 2);
  EXPECT_EQ(stat.Stat3, 1);
  EXPECT_EQ(stat.Stat4, "Ann");
  EXPECT_EQ(stat.StatX, (GameEndCounters{10, 1, 30, 4, 2, 1}));
  EXPECT_EQ(stat.StatZ, "");  // "-" stands for an empty text
  EXPECT_TRUE(server.Requests().at(0).ends_with("\r\n\r\ngid=22"));
}

TEST(StatisticsReplies, ABrokenTotalsReplyLeavesThePresetValues) {
  struct Case {
    const char* what;
    std::string answer;
    bool done;
  };
  for (const Case& c : {Case{"a letter for a number", HttpAnswer("$5 x 1 Ann*"), false},
                        Case{"a number too large", HttpAnswer("$99999999999 1*"), false},
                        Case{"no record at all", HttpAnswer("<html>busy</html>"), true},
                        Case{"an error status", HttpAnswer("$5*", "503 Unavailable"), false},
                        Case{"noise", "\x7f\x45LF...", false}}) {
    LoopbackServer server([&](const std::string&) { return c.answer; });
    HttpClient client;
    StatisticsService service(client, server.BaseUrl() + "/statistics");
    TNuvStat stat;
    stat.Stat1 = 99;
    EXPECT_EQ(service.ReadTotals(GameId, stat), c.done) << c.what;
    EXPECT_EQ(stat.Stat1, 0) << c.what;
    EXPECT_EQ(stat.Stat4, "") << c.what;
  }
}

TEST(StatisticsReplies, ReadingTotalsOfASilentServiceGivesUp) {
  LoopbackServer server([](const std::string&) { return std::nullopt; });
  HttpClient client;
  StatisticsService service(client, server.BaseUrl() + "/statistics", 200);
  TNuvStat stat;
  EXPECT_FALSE(service.ReadTotals(GameId, stat));
  EXPECT_EQ(client.ReadTimeout(), 200);
}

TEST(StatisticsReplies, ReportsAreFormsOfTheGameId) {
  LoopbackServer server([](const std::string&) { return HttpAnswer("$ ok#"); });
  HttpClient client;
  StatisticsService service(client, server.BaseUrl() + "/statistics");
  EXPECT_TRUE(service.ReportStart(true));
  EXPECT_TRUE(service.ReportLike("Ann"));
  service.ReportGameEnd({40, 1, 7});
  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_TRUE(requests[0].ends_with("\r\n\r\ngid=22&stat1=1&stat2=1"));
  EXPECT_TRUE(requests[1].ends_with("\r\n\r\ngid=22&stat3=1&stat4=Ann"));
  EXPECT_TRUE(requests[2].ends_with(
      "\r\n\r\ngid=22&R1=40&R2=1&R3=7&R4=0&R5=0&R6=0&R7=0&R8=0&R9=0&R10=0&R11=0&R12=0"));
}

TEST(ProgramStart, TheFirstStartIsReportedUntilTheServiceTakesIt) {
  struct Case {
    const char* what;
    bool registered;
    bool reachable;
    std::string edition;
    bool sent;
    const char* body;  // of the request made, or nothing
    bool registeredAfter;
  };
  for (const Case& c : {
           Case{"registered", true, true, "fwk", true, "gid=22&stat1=1&stat2=0", true},
           Case{"first start", false, true, "fwk", true, "gid=22&stat1=1&stat2=1", true},
           Case{"first start, no service", false, false, "fwk", true, nullptr, false},
           Case{"the idd edition", false, true, "idd", false, nullptr, false},
       }) {
    LoopbackServer server([](const std::string&) { return HttpAnswer("$ ok#"); });
    HttpClient client;
    StatisticsService service(client,
                              (c.reachable ? server.BaseUrl() : ClosedPortUrl()) + "/statistics");
    Settings settings;
    settings.StartRegistered = c.registered;
    EXPECT_EQ(ReportProgramStart(service, settings, c.edition), c.sent) << c.what;
    EXPECT_EQ(settings.StartRegistered, c.registeredAfter) << c.what;
    const auto requests = server.Requests();
    if (c.body == nullptr) {
      EXPECT_TRUE(requests.empty()) << c.what;
    } else {
      ASSERT_EQ(requests.size(), 1u) << c.what;
      EXPECT_TRUE(requests[0].ends_with(std::string("\r\n\r\n") + c.body)) << c.what;
    }
  }
}

}  // namespace
}  // namespace fibwick
