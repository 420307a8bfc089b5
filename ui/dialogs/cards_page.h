#pragma once

#include <QComboBox>
#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>

#include "records/settings.h"
#include "ui/card_art.h"

// The options' "Cards" tab: the face set, shown by four of its cards.
namespace fibwick {

class CardsPage final : public QWidget {
 public:
  // Only the sets whose faces are at hand can be chosen. `changed` loads the chosen set into the
  // window, which returns FaceSet to 0 when it cannot.
  CardsPage(Settings& settings, const QFont& font, const ArtSources& sources,
            std::function<void()> changed);

  void Recaption();

  QComboBox* FaceSetBox() const { return faceSet_; }
  QLabel* SampleLabel() const { return sample_; }

 private:
  void ChooseSet(int set);
  void ShowSet();

  Settings& settings_;
  ArtSources sources_;
  std::function<void()> changed_;
  std::array<bool, FaceSetCount> offered_{};
  QComboBox* faceSet_;
  QLabel* sample_;
};

}  // namespace fibwick
