#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>

#include "records/settings.h"

// The options' "Design" tab: the designs of the main menu, the game table and the other windows,
// and the salute effects; all but the first designs and the salutes draw from the graphics
// library.
namespace fibwick {

struct DesignPageHooks {
  std::function<bool()> graphicsLibraryPresent;
  std::function<void()> missingLibrary;  // tells the user, after a choice fell back
  std::function<void()> changed;         // after every change of design
};

class DesignPage final : public QWidget {
 public:
  DesignPage(Settings& settings, const QFont& font, const QCursor& handCursor,
             DesignPageHooks hooks);

  // The library may have been downloaded meanwhile.
  void Refresh();
  void Recaption();

  QComboBox* MenuBox() const { return menu_; }
  QComboBox* TableBox() const { return table_; }
  QComboBox* AuxBox() const { return aux_; }
  QGroupBox* SaluteGroup() const { return salute_; }
  QCheckBox* SaluteButtonsBox() const { return saluteButtons_; }
  QCheckBox* SaluteCardsBox() const { return saluteCards_; }

 private:
  QComboBox* AddChooser(int row, int items, const std::function<void(int)>& choose);
  // The item the library allows, shown in the box; the user hears when it fell back.
  int Available(QComboBox& box, int item);

  Settings& settings_;
  DesignPageHooks hooks_;
  QFont font_;
  std::array<QLabel*, 3> labels_{};
  QComboBox* menu_;
  QComboBox* table_;
  QComboBox* aux_;
  QGroupBox* salute_;
  QCheckBox* saluteButtons_;
  QCheckBox* saluteCards_;
};

}  // namespace fibwick
