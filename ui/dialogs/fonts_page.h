#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "records/settings.h"

// The options' "Fonts" tab: the name and scale of each of the four font slots, for systems whose
// fonts map badly.
namespace fibwick {

class FontsPage final : public QWidget {
 public:
  // `families` are the installed fonts offered; `changed` re-applies the fonts.
  FontsPage(Settings& settings, const QFont& font, const QStringList& families,
            QAbstractButton* defaultButton, std::function<void()> changed);

  void Recaption();

  QComboBox* SlotBox() const { return slot_; }
  QComboBox* NameBox() const { return name_; }
  QSpinBox* ScaleBox() const { return scale_; }
  QAbstractButton* DefaultButton() const { return default_; }

 private:
  void ShowSlot();
  void Changed();

  Settings& settings_;
  std::function<void()> changed_;
  QComboBox* slot_;
  QComboBox* name_;
  QLabel* scaleLabel_;
  QSpinBox* scale_;
  QAbstractButton* default_;
  QLabel* attention_;
};

}  // namespace fibwick
