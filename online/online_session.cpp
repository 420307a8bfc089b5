#include "online/online_session.h"

#include "online/service_base.h"
#include "online/service_paths.h"

namespace fibwick {

OnlineSession::OnlineSession(std::string serviceBase, Poster poster,
                             std::chrono::milliseconds closingGrace)
    : serviceBase_(std::move(serviceBase)),
      poster_(std::move(poster)),
      closingGrace_(closingGrace),
      statisticsAddress_(AddressesUnder(serviceBase_).statistics),
      worker_([this] { Work(); }) {}

OnlineSession::~OnlineSession() {
  {
    std::unique_lock lock(mutex_);
    drained_.wait_for(lock, closingGrace_, [this] { return queue_.empty() && !busy_; });
    stopping_ = true;
    queue_.clear();
  }
  client_.Cancel();
  wake_.notify_all();
  // The cancel ends the request in flight at once, so this join is short.
  worker_.join();
  *alive_ = false;
}

void OnlineSession::Queue(Request request) {
  ++unanswered_;
  {
    const std::lock_guard lock(mutex_);
    queue_.push_back(std::move(request));
  }
  wake_.notify_one();
}

void OnlineSession::Work() {
  while (true) {
    Request request;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
      if (stopping_) return;
      request = std::move(queue_.front());
      queue_.pop_front();
      busy_ = true;
    }
    Task then = request(client_);
    {
      const std::lock_guard lock(mutex_);
      busy_ = false;
    }
    drained_.notify_all();
    const ServiceReach reach =
        client_.LastDone() ? ServiceReach::Connected : ServiceReach::NoConnect;
    poster_([this, alive = alive_, reach, then = std::move(then)] {
      if (!*alive) return;
      --unanswered_;
      reach_ = reach;
      if (then) then();
    });
  }
}

void OnlineSession::FetchPaths(std::function<void(const PathsFound&)> done) {
  const BuiltInAddresses builtIn = AddressesUnder(serviceBase_);
  Queue([this, builtIn, done = std::move(done)](HttpClient& client) -> Task {
    ServicePaths document(client, builtIn.paths, builtIn.account);
    PathsFound found;
    found.named = document.Fetch();
    found.account = document.AccountAddress();
    found.recordsPaused = document.RecordsPaused();
    found.chatPaused = document.ChatPaused();
    return [this, found, done] {
      paths_ = found;
      if (done) done(found);
    };
  });
}

void OnlineSession::ReportStart(bool startRegistered, std::string editionMarker,
                                std::function<void(bool sent, bool registered)> done) {
  Queue([address = statisticsAddress_, startRegistered, editionMarker = std::move(editionMarker),
         done = std::move(done)](HttpClient& client) -> Task {
    StatisticsService service(client, address);
    Settings registration;
    registration.StartRegistered = startRegistered;
    const bool sent = ReportProgramStart(service, registration, editionMarker);
    return [sent, registered = registration.StartRegistered, done] {
      if (done) done(sent, registered);
    };
  });
}

void OnlineSession::ReportLike(std::string name, std::function<void(bool accepted)> done) {
  Queue([address = statisticsAddress_, name = std::move(name),
         done = std::move(done)](HttpClient& client) -> Task {
    const bool accepted = StatisticsService(client, address).ReportLike(name);
    return [accepted, done] {
      if (done) done(accepted);
    };
  });
}

void OnlineSession::ReportGameEnd(const GameEndCounters& counters) {
  Queue([address = statisticsAddress_, counters](HttpClient& client) -> Task {
    StatisticsService(client, address).ReportGameEnd(counters);
    return {};
  });
}

void OnlineSession::DownloadPack(std::string folderAddress, std::string name,
                                 std::filesystem::path targetFolder, DownloadProgress progress,
                                 std::function<void(DownloadOutcome)> done) {
  Queue([this, folderAddress = std::move(folderAddress), name = std::move(name),
         targetFolder = std::move(targetFolder), progress = std::move(progress),
         done = std::move(done)](HttpClient&) -> Task {
    const DownloadOutcome outcome = fibwick::DownloadPack(
        folderAddress, name, targetFolder, [this, &progress](std::int64_t got, std::int64_t total) {
          return !stopping_ && progress(got, total);
        });
    return [outcome, done] { done(outcome); };
  });
}

void OnlineSession::ReadExternalAddress(std::string echoAddress,
                                        std::function<void(const std::string&)> done) {
  Queue([echoAddress = std::move(echoAddress), done = std::move(done)](HttpClient&) -> Task {
    std::string reply = fibwick::ReadExternalAddress(echoAddress);
    return [reply = std::move(reply), done] { done(reply); };
  });
}

void OnlineSession::ReadTotals(std::function<void(const std::optional<TNuvStat>&)> done) {
  Queue([this, address = statisticsAddress_, done = std::move(done)](HttpClient& client) -> Task {
    TNuvStat totals;
    std::optional<TNuvStat> read;
    if (StatisticsService(client, address).ReadTotals(GameId, totals)) read = totals;
    return [this, read, done] {
      if (read) lastTotals_ = read;
      if (done) done(read);
    };
  });
}

}  // namespace fibwick
