// The window against a game service that takes no part: one that accepts and never answers, and
// one whose packets are dropped. The menu and the next game never wait for the service.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "app/app_support.h"
#include "app/main_window.h"
#include "app/match_player.h"
#include "online/loopback_server.h"
#include "online/service_base.h"
#include "records/club_file.h"
#include "records/club_members.h"
#include "support/child_process.h"

namespace fibwick {
namespace {

using namespace testing;

constexpr const char* InsideVariable = "FIBWICK_TEST_DROPPING_NAMESPACE";
constexpr int DroppedPort = 25999;

// Every request the window makes is still unanswered at each step checked here: a service that
// does not answer fails only after a time-out of seconds, and nothing here waits that long.
void PlayAgainst(const std::string& serviceUrl) {
  ::setenv(ServiceUrlVariable, serviceUrl.c_str(), 1);
  const fs::path folder = FreshProgramFolder("unanswering");
  const ClubRecord member{.name = "Patient",
                          .rating = 1.0,
                          .games = 19,
                          .score = 10,
                          .passwordDigits = EncodePassword("pw1")};
  ASSERT_EQ(InsertRecord(folder / "Fibwick.clb", member, false).status, ClubUpdateStatus::Done);
  DialogAnswerer answerer;
  MainWindow form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1});
  form.show();

  // Started up: the intro runs.
  ASSERT_TRUE(WaitFor([&] { return form.TimerRunning(); }));
  EXPECT_FALSE(form.Online().PathsKnown());
  EXPECT_FALSE(form.Online().Idle());
  PassIntro(form);
  EXPECT_EQ(form.Online().Reach(), ServiceReach::NotAsked);

  ButtonNamed(form, "Button1")->click();
  ASSERT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Table; }));
  std::mt19937 random(5);
  ASSERT_EQ(PlayMatch(form, random), 1);
  // The session's end queued its report and went on to the menu.
  ASSERT_EQ(form.CurrentScreen(), Screen::Menu);
  EXPECT_FALSE(form.Online().Idle());

  ButtonNamed(form, "Button1")->click();
  ASSERT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Table; }));
  EXPECT_EQ(form.Game().session.GameNumber, 21);
  EXPECT_TRUE(form.Game().round.TableActive);
  EXPECT_FALSE(form.Online().Idle());
  EXPECT_NE(form.Online().Reach(), ServiceReach::Connected);
  form.close();
  fs::remove_all(folder);
}

TEST(UnansweringService, ASilentServiceHoldsUpNeitherTheMenuNorTheNextGame) {
  LoopbackServer silent([](const std::string&) { return std::nullopt; });
  PlayAgainst(silent.BaseUrl());
  // The window did ask: the paths document's request is the one the service holds.
  ASSERT_FALSE(silent.Requests().empty());
  EXPECT_NE(silent.Requests().front().find("GET /paths"), std::string::npos);
}

// The same in a network namespace of the test's own, where a firewall rule drops every packet
// to the service's port: the connection itself never completes.
TEST(UnansweringService, DroppedPacketsHoldUpNeitherTheMenuNorTheNextGame) {
  if (std::getenv(InsideVariable) != nullptr) {
    return PlayAgainst("http://127.0.0.1:" + std::to_string(DroppedPort));
  }
  for (const char* tool : {"unshare", "ip", "iptables"}) {
    if (FindProgram(tool).empty()) GTEST_SKIP() << "no " << tool << " to drop packets with";
  }
  const fs::path log = fs::temp_directory_path() / "fibwick-dropping-namespace.log";
  fs::remove(log);
  if (RunProgram({FindProgram("unshare").string(), "-rn", "true"}, log) != 0) {
    GTEST_SKIP() << "this machine allows no user network namespace (unshare -rn)";
  }
  const std::string port = std::to_string(DroppedPort);
  const std::string script = "ip link set lo up && iptables -A INPUT -p tcp --dport " + port +
                             " -j DROP && " + InsideVariable + "=1 exec \"$0\" --gtest_filter=" +
                             "UnansweringService.DroppedPacketsHoldUpNeitherTheMenuNorTheNextGame";
  const int status = RunProgram({FindProgram("unshare").string(), "-rn", "/bin/sh", "-c", script,
                                 fs::read_symlink("/proc/self/exe").string()},
                                log);
  EXPECT_EQ(status, 0) << "see " << log;
}

}  // namespace
}  // namespace fibwick
