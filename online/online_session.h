#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "online/http_client.h"
#include "online/pack_download.h"
#include "online/statistics.h"
#include "records/service_addresses.h"
#include "records/settings.h"

// Everything the program asks of the game service goes through one session: its requests run
// in order on a worker of their own, and each answer comes back through the poster the program
// gives, on the thread the program wants it on. Nothing the caller does waits on the network.
namespace fibwick {

// Whether the service answered the last request that went out.
enum class ServiceReach { NotAsked, Connected, NoConnect };

// What the paths document said at start-up.
struct PathsFound {
  ServiceAddresses named;
  std::string account;
  bool recordsPaused = false;
  bool chatPaused = false;
};

class OnlineSession {
 public:
  using Task = std::function<void()>;
  // Hands a task to the caller's thread; called on the worker.
  using Poster = std::function<void(Task)>;
  // Runs on the worker with the session's client; what it returns runs through the poster.
  using Request = std::function<Task(HttpClient&)>;

  // `serviceBase` as ServiceBaseFromEnvironment gives it. The session is made, used and ended
  // on the poster's thread.
  OnlineSession(std::string serviceBase, Poster poster,
                std::chrono::milliseconds closingGrace = std::chrono::milliseconds(0));
  // Gives the requests still queued up to the closing grace to go out, then cancels the one in
  // flight and drops the rest, and the answers not yet handed over.
  ~OnlineSession();
  OnlineSession(const OnlineSession&) = delete;
  OnlineSession& operator=(const OnlineSession&) = delete;

  const std::string& ServiceBase() const { return serviceBase_; }
  // The statistics address in force; the settings keep it, the paths document may move it.
  void SetStatisticsAddress(std::string address) { statisticsAddress_ = std::move(address); }

  void Queue(Request request);

  void FetchPaths(std::function<void(const PathsFound&)> done);
  // The start report of ReportProgramStart; `done` gets whether one was sent and whether the
  // installation's first start is now registered.
  void ReportStart(bool startRegistered, std::string editionMarker,
                   std::function<void(bool sent, bool registered)> done);
  void ReportLike(std::string name, std::function<void(bool accepted)> done);
  void ReportGameEnd(const GameEndCounters& counters);
  void ReadTotals(std::function<void(const std::optional<TNuvStat>&)> done);
  // A pack of the service's download folder into `targetFolder`. `progress` runs on the worker
  // (returning false cancels); the end of the session cancels it too.
  void DownloadPack(std::string folderAddress, std::string name, std::filesystem::path targetFolder,
                    DownloadProgress progress, std::function<void(DownloadOutcome)> done);
  // The echo page's answer: the caller's address as the internet sees it; empty when unread.
  void ReadExternalAddress(std::string echoAddress, std::function<void(const std::string&)> done);

  // What the menu shows of the service.
  bool PathsKnown() const { return paths_.has_value(); }
  const std::optional<PathsFound>& Paths() const { return paths_; }
  ServiceReach Reach() const { return reach_; }
  const std::optional<TNuvStat>& LastTotals() const { return lastTotals_; }
  // Nothing queued, in flight, or waiting to be handed over.
  bool Idle() const { return unanswered_ == 0; }

 private:
  void Work();

  std::string serviceBase_;
  Poster poster_;
  std::chrono::milliseconds closingGrace_;
  std::string statisticsAddress_;
  std::optional<PathsFound> paths_;
  ServiceReach reach_ = ServiceReach::NotAsked;
  std::optional<TNuvStat> lastTotals_;
  int unanswered_ = 0;
  // Answers posted before the session ended find it gone and do nothing.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

  HttpClient client_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable drained_;
  std::deque<Request> queue_;
  bool busy_ = false;                   // the worker runs a request
  std::atomic<bool> stopping_ = false;  // also read by a download's progress on the worker
  std::thread worker_;
};

}  // namespace fibwick
