#include "app/online_controller.h"

#include <QMetaObject>

#include "online/service_base.h"

namespace fibwick {

namespace {

// A game-end report queued just before the player closes the program still goes out, unless the
// service is slow to take it.
constexpr std::chrono::milliseconds ClosingGrace(1000);

}  // namespace

OnlineController::OnlineController(Settings& settings, std::function<void()> save)
    : settings_(settings),
      save_(std::move(save)),
      session_(
          ServiceBaseFromEnvironment(),
          [this](OnlineSession::Task task) {
            QMetaObject::invokeMethod(&answers_, std::move(task), Qt::QueuedConnection);
          },
          ClosingGrace) {}

void OnlineController::StartUp(const std::string& editionMarker) {
  RebaseDefaultAddresses(settings_, session_.ServiceBase(), {});
  session_.SetStatisticsAddress(settings_.StatisticsAddress);
  session_.FetchPaths([this, editionMarker](const PathsFound& found) {
    if (!found.named.records.empty()) settings_.RecordsAddress = found.named.records;
    if (!found.named.statistics.empty()) settings_.StatisticsAddress = found.named.statistics;
    RebaseDefaultAddresses(settings_, session_.ServiceBase(), found.named);
    session_.SetStatisticsAddress(settings_.StatisticsAddress);
    session_.ReportStart(settings_.StartRegistered, editionMarker,
                         [this](bool sent, bool registered) {
                           if (!sent) return;
                           settings_.StartRegistered = registered;
                           save_();
                         });
  });
}

void OnlineController::ReportGameEnd(const SessionResult& result) {
  session_.SetStatisticsAddress(settings_.StatisticsAddress);
  session_.ReportGameEnd(GameEndCountersOf(result));
}

void OnlineController::ReadTotals(std::function<void(const std::optional<TNuvStat>&)> done) {
  session_.SetStatisticsAddress(settings_.StatisticsAddress);
  session_.ReadTotals(std::move(done));
}

void OnlineController::ShowStatistics(QWidget* parent, std::function<DialogContext()> context,
                                      bool& likedThisRun, StatHooks hooks) {
  if (statisticsAsked_) return;
  statisticsAsked_ = true;
  ReadTotals([this, parent, context, &likedThisRun, hooks](const std::optional<TNuvStat>& totals) {
    DialogContext dialogs = context();
    StatisticsDialog dialog(dialogs, totals, SessionLiker(session_), likedThisRun, hooks, parent);
    statisticsAsked_ = false;
    dialog.exec();
  });
}

}  // namespace fibwick
