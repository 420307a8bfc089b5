#include "ui/dialogs/speed_dialog.h"

#include "dialogs_support.h"

namespace fibwick {
namespace {

using testing_support::DialogTest;
using testing_support::Text;

using SpeedChooser = DialogTest;

TEST_F(SpeedChooser, TheTrackBarStartsAtTheSpeedAndSetsItAtOnce) {
  SetLanguage(0);
  settings_.FlightSpeed = 2;
  SpeedDialog dialog(*context_, nullptr);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), Text(MsgChoiceOfSpeed));
  EXPECT_EQ(dialog.TrackBar()->minimum(), 1);
  EXPECT_EQ(dialog.TrackBar()->maximum(), 6);
  EXPECT_EQ(dialog.TrackBar()->value(), 2);
  EXPECT_EQ(dialog.IconInterval(), 95);
  // The icon turns faster as the cards fly faster, before anything is confirmed.
  const int intervals[] = {110, 95, 80, 65, 40, 25};
  for (int speed = 6; speed >= 1; --speed) {
    dialog.TrackBar()->setValue(speed);
    EXPECT_EQ(settings_.FlightSpeed, speed);
    EXPECT_EQ(dialog.IconInterval(), intervals[speed - 1]) << speed;
  }
  dialog.TrackBar()->setValue(5);
  dialog.OkButton()->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(settings_.FlightSpeed, 5);
}

TEST_F(SpeedChooser, ASpeedOutsideTheScaleStartsAtItsNearestEnd) {
  settings_.FlightSpeed = 9;
  SpeedDialog dialog(*context_, nullptr);
  EXPECT_EQ(dialog.TrackBar()->value(), 6);
}

}  // namespace
}  // namespace fibwick
