#pragma once

#include <QSlider>

#include "ui/dialogs/dialog_frame.h"

// The speed dialog: how fast the cards fly, chosen on a track bar of six positions.
namespace fibwick {

class SpeedDialog : public DialogFrame {
  Q_OBJECT

 public:
  SpeedDialog(DialogContext& context, QWidget* parent);

  QSlider* TrackBar() const { return track_; }
  SkinButton* OkButton() const { return ok_; }

 protected:
  void Recaption() override;

 private:
  QLabel* prompt_ = nullptr;
  QSlider* track_ = nullptr;
  SkinButton* ok_ = nullptr;
};

// Modal; the settings' FlightSpeed follows the track bar as it moves.
void ChooseFlightSpeed(QWidget* parent, DialogContext& context);

}  // namespace fibwick
