#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <utility>

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

class TFStat : public DialogFrame {
  Q_OBJECT

 public:
  // Reads the totals at once. `likedThisRun` lives as long as the program runs.
  TFStat(DialogContext& context, StatisticsService& service, bool& likedThisRun, StatHooks hooks,
         QWidget* parent);

  TNuvCardsButton* LikeButton() const { return like_; }
  TNuvCardsButton* OkButton() const { return ok_; }
  QString Value(int row) const { return values_[static_cast<std::size_t>(row)]->text(); }

 private:
  void Like();

  StatisticsService& service_;
  bool& liked_;
  StatHooks hooks_;
  TNuvStat stat_;
  std::array<QLabel*, StatRowCount> values_{};
  TNuvCardsButton* like_ = nullptr;
  TNuvCardsButton* ok_ = nullptr;
};

void ShowStatistics(QWidget* parent, DialogContext& context, StatisticsService& service,
                    bool& likedThisRun, const StatHooks& hooks);

}  // namespace fibwick
