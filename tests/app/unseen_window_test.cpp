#include <gtest/gtest.h>

#include "app/app_support.h"

namespace fibwick {
namespace {

using namespace testing;

// A minimised menu costs nothing: its lamps, films and clocks stop until it is seen again. The
// table's timer moves the computer's seat and keeps running.
TEST(UnseenWindow, AMinimisedMenuStopsAnimatingAndTheTableGoesOn) {
  const fs::path folder = FreshProgramFolder("unseen");
  DialogAnswerer answerer;
  MainWindow form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1});
  form.show();
  PassIntro(form);
  ASSERT_EQ(form.CurrentScreen(), Screen::Menu);
  EXPECT_TRUE(form.TimerRunning());

  form.showMinimized();
  EXPECT_TRUE(WaitFor([&] { return !form.TimerRunning(); }));
  form.showNormal();
  EXPECT_TRUE(WaitFor([&] { return form.TimerRunning(); }));
  form.hide();
  EXPECT_FALSE(form.TimerRunning());
  form.show();
  EXPECT_TRUE(form.TimerRunning());

  ButtonNamed(form, "Button6")->click();
  ASSERT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Table; }));
  form.showMinimized();
  Wait(50);
  EXPECT_TRUE(form.TimerRunning());
  form.showNormal();
  form.close();
  fs::remove_all(folder);
}

}  // namespace
}  // namespace fibwick
