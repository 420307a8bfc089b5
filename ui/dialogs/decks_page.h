#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <functional>

#include "records/settings.h"

// The options' "Decks" tab: the set of card backs and how the back changes between deals.
namespace fibwick {

class DecksPage final : public QWidget {
 public:
  // `loadable` tells whether a back set can be loaded; `changed` follows every change.
  DecksPage(Settings& settings, const QFont& font, const QCursor& handCursor,
            std::function<bool(int)> loadable, std::function<void()> changed);

  void Recaption();

  QComboBox* BackSetBox() const { return backSet_; }
  QRadioButton* ModificationItem(int item) const {
    return items_.at(static_cast<std::size_t>(item));
  }

 private:
  void ChooseSet(int set);
  void ShowModification();

  Settings& settings_;
  std::function<bool(int)> loadable_;
  std::function<void()> changed_;
  QComboBox* backSet_;
  QGroupBox* modification_;
  QButtonGroup* group_;
  std::array<QRadioButton*, 3> items_{};
};

}  // namespace fibwick
