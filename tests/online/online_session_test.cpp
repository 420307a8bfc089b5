// The session's worker against real sockets on 127.0.0.1: answers arrive through the poster, in
// order, and a service that never answers holds neither the caller nor the session's end.
#include "online/online_session.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <thread>

#include "online/loopback_server.h"
#include "online/service_base.h"

namespace fibwick {
namespace {

using namespace std::chrono_literals;
using testing::HttpAnswer;
using testing::LoopbackServer;

// The poster's far end: tasks wait here until the test's thread runs them, as a window's event
// loop would.
class PostedTasks {
 public:
  OnlineSession::Poster Poster() {
    return [this](OnlineSession::Task task) {
      const std::lock_guard lock(mutex_);
      tasks_.push_back(std::move(task));
      arrived_.notify_all();
    };
  }

  // Runs every task handed over so far, after waiting (boundedly) for at least `count`.
  bool RunWhenPosted(std::size_t count) {
    std::deque<OnlineSession::Task> ready;
    {
      std::unique_lock lock(mutex_);
      if (!arrived_.wait_for(lock, 60s, [&] { return tasks_.size() >= count; })) return false;
      ready.swap(tasks_);
    }
    for (auto& task : ready) task();
    return true;
  }

  std::size_t Waiting() {
    const std::lock_guard lock(mutex_);
    return tasks_.size();
  }

 private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::deque<OnlineSession::Task> tasks_;
};

// Polls a condition on a server's thread, boundedly; the bound only ends a broken test.
template <typename Condition>
bool Eventually(Condition condition) {
  for (int i = 0; i < 6000; ++i) {
    if (condition()) return true;
    std::this_thread::sleep_for(10ms);
  }
  return false;
}

std::string StatisticsRecord(int starts) {
  return "$" + std::to_string(starts) + " 1 0 - 5 0 0 0 0 0 0 0 0 0 0 0 0 -";
}

TEST(OnlineSession, RequestsRunInOrderOffTheCallerAndAnswerThroughThePoster) {
  int served = 0;
  LoopbackServer service(
      [&served](const std::string&) { return HttpAnswer(StatisticsRecord(++served)); });
  PostedTasks posted;
  OnlineSession session(service.BaseUrl(), posted.Poster());
  session.SetStatisticsAddress(service.BaseUrl() + "/statistics");

  const std::thread::id caller = std::this_thread::get_id();
  std::vector<std::thread::id> workers;
  std::vector<int> answers;
  for (int i = 0; i < 3; ++i) {
    session.Queue([&workers](HttpClient&) -> OnlineSession::Task {
      workers.push_back(std::this_thread::get_id());
      return {};
    });
    session.ReadTotals([&answers, caller](const std::optional<TNuvStat>& totals) {
      EXPECT_EQ(std::this_thread::get_id(), caller);
      answers.push_back(totals ? totals->Stat1 : -1);
    });
  }
  ASSERT_TRUE(Eventually([&] { return posted.Waiting() == 6; }));
  // Served, but nothing is answered until the caller's thread runs what was posted.
  EXPECT_TRUE(answers.empty());
  EXPECT_FALSE(session.Idle());
  EXPECT_EQ(session.Reach(), ServiceReach::NotAsked);

  ASSERT_TRUE(posted.RunWhenPosted(6));
  EXPECT_EQ(answers, (std::vector<int>{1, 2, 3}));
  ASSERT_EQ(workers.size(), 3u);
  for (const auto& worker : workers) EXPECT_NE(worker, caller);
  EXPECT_TRUE(session.Idle());
  EXPECT_EQ(session.Reach(), ServiceReach::Connected);
  ASSERT_TRUE(session.LastTotals().has_value());
  EXPECT_EQ(session.LastTotals()->Stat1, 3);
}

TEST(OnlineSession, TheStartReadsThePathsThenReportsToTheAddressTheyName) {
  LoopbackServer service([](const std::string& request) -> std::optional<std::string> {
    if (request.find("/paths") != std::string::npos) {
      return HttpAnswer("StatPath=http://127.0.0.1:1/moved#AccPath=http://acc#");
    }
    return HttpAnswer("$ ok#");
  });
  PostedTasks posted;
  OnlineSession session(service.BaseUrl(), posted.Poster());
  std::optional<PathsFound> found;
  session.FetchPaths([&](const PathsFound& paths) {
    found = paths;
    // Requests queued from an answer follow it.
    session.SetStatisticsAddress(service.BaseUrl() + "/statistics");
    session.ReportStart(false, "fwk", [&](bool sent, bool registered) {
      EXPECT_TRUE(sent);
      EXPECT_TRUE(registered);
    });
  });
  EXPECT_FALSE(session.PathsKnown());
  ASSERT_TRUE(posted.RunWhenPosted(1));
  ASSERT_TRUE(found.has_value());
  EXPECT_TRUE(session.PathsKnown());
  EXPECT_EQ(found->named.statistics, "http://127.0.0.1:1/moved");
  EXPECT_EQ(found->account, "http://acc");
  ASSERT_TRUE(posted.RunWhenPosted(1));
  EXPECT_TRUE(session.Idle());
  const auto requests = service.Requests();
  ASSERT_EQ(requests.size(), 4u);  // the document three times, then the report
  EXPECT_NE(requests[3].find("stat2=1"), std::string::npos);
}

// A service that takes the connection and never answers: the caller goes on at once, and the
// session ends without waiting out the read's time-out.
TEST(OnlineSession, ASilentServiceHoldsNeitherTheCallerNorTheEnd) {
  LoopbackServer silent([](const std::string&) { return std::nullopt; });
  PostedTasks posted;
  bool answered = false;
  auto session = std::make_unique<OnlineSession>(silent.BaseUrl(), posted.Poster());
  session->Queue([&silent](HttpClient& client) -> OnlineSession::Task {
    client.SetReadTimeout(600'000);  // longer than any test may run
    client.GetResource(silent.BaseUrl() + "/statistics");
    return {};
  });
  session->ReadTotals([&answered](const std::optional<TNuvStat>&) { answered = true; });
  // The calls returned while the service holds the line.
  ASSERT_TRUE(Eventually([&] { return silent.Requests().size() == 1; }));
  EXPECT_FALSE(session->Idle());

  auto ended = std::async(std::launch::async, [&session] { session.reset(); });
  ASSERT_EQ(ended.wait_for(60s), std::future_status::ready)
      << "the session waited for a request the service never answers";
  // Whatever was posted before the end finds the session gone.
  posted.RunWhenPosted(0);
  EXPECT_FALSE(answered);
  EXPECT_EQ(silent.Requests().size(), 1u);
}

TEST(OnlineSession, AReportQueuedJustBeforeTheEndStillGoesOut) {
  LoopbackServer service([](const std::string&) { return HttpAnswer("$ ok#"); });
  PostedTasks posted;
  {
    OnlineSession session(service.BaseUrl(), posted.Poster(), 60s);
    session.ReportGameEnd({3, 0, 12, 0});
  }
  ASSERT_EQ(service.Requests().size(), 1u);
  EXPECT_TRUE(
      service.Requests()[0].ends_with("gid=22&R1=3&R2=0&R3=12&R4=0&R5=0&R6=0&R7=0&R8=0&"
                                      "R9=0&R10=0&R11=0&R12=0"));
}

}  // namespace
}  // namespace fibwick
