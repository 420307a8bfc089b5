#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <string>

#include "game/match_parts.h"
#include "online/online_session.h"
#include "records/settings.h"
#include "ui/dialogs/dialog_context.h"
#include "ui/dialogs/statistics_dialog.h"

// The window's side of the online session: the answers run on the window's event loop, and what
// the service says lands in the settings the window keeps.
namespace fibwick {

class OnlineController {
 public:
  // `save` writes the settings, as a start report that the service took wants.
  OnlineController(Settings& settings, std::function<void()> save);

  OnlineSession& Session() { return session_; }
  const OnlineSession& Session() const { return session_; }

  // Once the settings are read: the addresses follow the service in use, the paths document
  // may move them once it answers, and the start report follows it.
  void StartUp(const std::string& editionMarker);
  void ReportGameEnd(const SessionResult& result);
  void ReadTotals(std::function<void(const std::optional<TNuvStat>&)> done);
  // The statistics window opens once the totals are read or could not be; a second click
  // meanwhile asks nothing more.
  void ShowStatistics(QWidget* parent, std::function<DialogContext()> context, bool& likedThisRun,
                      StatHooks hooks);

 private:
  Settings& settings_;
  std::function<void()> save_;
  bool statisticsAsked_ = false;
  // Declared before the session: it receives answers until the session's worker has stopped.
  QObject answers_;
  OnlineSession session_;
};

}  // namespace fibwick
