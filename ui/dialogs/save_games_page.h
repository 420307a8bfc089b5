#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QSpinBox>
#include <QWidget>

#include "records/settings.h"

// The options' "Save games" tab: recording games as animated GIF files, which only the small
// window offers.
namespace fibwick {

class SaveGamesPage final : public QWidget {
 public:
  SaveGamesPage(Settings& settings, const QFont& font, const QCursor& handCursor);

  // Another window size switches recording off and greys it out.
  void WindowSizeChanged();
  void Recaption();

  QCheckBox* SaveBox() const { return save_; }
  QComboBox* ContentBox() const { return content_; }
  QSpinBox* DelayBox() const { return delay_; }

 private:
  void Enable();

  Settings& settings_;
  QCheckBox* save_;
  QComboBox* content_;
  QLabel* delayLabel_;
  QSpinBox* delay_;
};

}  // namespace fibwick
