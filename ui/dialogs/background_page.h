#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QWidget>
#include <functional>

#include "records/settings.h"

// The options' "BG" tab: the table's background picture and colour, which the purple menu and
// table replace with their own.
namespace fibwick {

class BackgroundPage final : public QWidget {
 public:
  // `changed` redraws the table after every choice.
  BackgroundPage(Settings& settings, const QFont& font, std::function<void()> changed);

  // After a change of design.
  void Enable();
  void Recaption();

  QGroupBox* Group() const { return group_; }
  QComboBox* StyleBox() const { return style_; }
  QComboBox* ColourBox() const { return colour_; }

 private:
  Settings& settings_;
  std::function<void()> changed_;
  QGroupBox* group_;
  QComboBox* style_;
  QComboBox* colour_;
};

}  // namespace fibwick
