#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "online/online_session.h"
#include "online/statistics.h"
#include "ui/dialogs/dialog_frame.h"

// The "Statistics" window: the service's totals for this game and the "like" button.
namespace fibwick {

inline constexpr int StatRowCount = 10;
// Label and value of each row, top to bottom; a failed read shows "No Connect" in the first.
std::array<std::pair<QString, QString>, StatRowCount> StatRows(const TNuvStat& stat, bool read);

struct StatHooks {
  // Asks for a name (caption and prompt "Nick"); nothing when the player cancels. Empty: an
  // input box.
  std::function<std::optional<QString>(QWidget* parent)> askName;
  std::function<void()> saveSettings;
};

// Sends a like under a nick; `done` hears whether the service took it, now or later.
using StatLiker = std::function<void(const std::string& nick, std::function<void(bool)> done)>;
// Asks through the session; the answer comes with its poster.
StatLiker SessionLiker(OnlineSession& session);

class StatisticsDialog : public DialogFrame {
  Q_OBJECT

 public:
  // The totals as read, nothing when the read failed. `likedThisRun` lives as long as the
  // program runs.
  StatisticsDialog(DialogContext& context, const std::optional<TNuvStat>& totals, StatLiker like,
                   bool& likedThisRun, StatHooks hooks, QWidget* parent);

  SkinButton* LikeButton() const { return like_; }
  SkinButton* OkButton() const { return ok_; }
  QString Value(int row) const { return values_[static_cast<std::size_t>(row)]->text(); }

 private:
  void Like();
  void Liked(bool accepted);

  StatLiker likeSender_;
  bool& liked_;
  StatHooks hooks_;
  TNuvStat stat_;
  std::array<QLabel*, StatRowCount> values_{};
  SkinButton* like_ = nullptr;
  SkinButton* ok_ = nullptr;
};

}  // namespace fibwick
