#include "ui/dialogs/speed_dialog.h"

#include <algorithm>

#include "ui/dialogs/fixed_texts.h"
#include "ui/flight_path.h"

namespace fibwick {
namespace {

constexpr int Width = 300;
constexpr int Speeds = 6;

}  // namespace

SpeedDialog::SpeedDialog(DialogContext& context, QWidget* parent)
    : DialogFrame(context, PicturesOf(DialogArt::Speed), MsgChoiceOfSpeed, QSize(Width, 150),
                  parent) {
  prompt_ = AddLabel({}, QRect(10, 6, Width - 20, 28), Qt::AlignCenter);
  track_ = new QSlider(Qt::Horizontal, Content());
  track_->setObjectName("TrackBar1");
  track_->setRange(1, Speeds);
  track_->setPageStep(1);
  track_->setTickPosition(QSlider::TicksBelow);
  track_->setTickInterval(1);
  track_->setGeometry(30, 40, Width - 60, 28);
  track_->setValue(std::clamp(context.settings.FlightSpeed, 1, Speeds));
  // The marks stand under the track bar's ticks, "1" to "6".
  const int span = Width - 60 - 16;
  for (int speed = 1; speed <= Speeds; ++speed) {
    const int x = 30 + 8 + span * (speed - 1) / (Speeds - 1);
    AddLabel(QString::number(speed), QRect(x - 10, 68, 20, 18), Qt::AlignCenter);
  }
  SetIconInterval(PaceOfSpeed(track_->value()).iconIntervalMs);
  connect(track_, &QSlider::valueChanged, this, [this](int speed) {
    Context().settings.FlightSpeed = speed;
    SetIconInterval(PaceOfSpeed(speed).iconIntervalMs);
  });
  ok_ = AddButton({}, QRect((Width - 100) / 2, 100, 100, 34));
  connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
}

void SpeedDialog::Recaption() {
  prompt_->setText(Catalogue(MsgSelectFlightSpeed));
  ok_->setText(OkText);
}

void ChooseFlightSpeed(QWidget* parent, DialogContext& context) {
  SpeedDialog dialog(context, parent);
  dialog.exec();
}

}  // namespace fibwick
