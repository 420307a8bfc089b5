#include <gtest/gtest.h>

#include "app/app_support.h"

namespace fibwick {
namespace {

using namespace testing;

// Each named control of the menu stands where the menu's arithmetic puts it, at every fixed size
// and after changing between them.
TEST(MenuPlaces, ButtonsAndClocksStandAtTheirPlaces) {
  const fs::path folder = FreshProgramFolder("menu-places");
  {
    MainWindow form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 100000});
    form.show();
    PassIntro(form);
    for (const int mode : {5, 1, 4, 3}) {
      form.SetWindowSizeMode(mode);
      const MenuGeometry g = LayoutMenuGeometry(form.CurrentLayout());
      const std::pair<const char*, PixelRect> places[] = {
          {"Button1", g.clubLines[0]}, {"Button2", g.clubLines[1]}, {"Button3", g.clubLines[2]},
          {"Button4", g.clubLines[3]}, {"Button5", g.clubLines[4]}, {"Panel4", g.listHeader},
          {"Button6", g.newPlayer},    {"Button9", g.topTen},       {"BHistory", g.history},
          {"Button10", g.options},     {"BMode", g.mode},           {"Button11", g.exit}};
      for (const auto& [name, rect] : places) {
        const QRect at = ButtonNamed(form, name)->geometry();
        EXPECT_EQ(at, QRect(rect.left, rect.top, rect.width, rect.height))
            << "mode " << mode << " " << name;
        EXPECT_TRUE(ButtonNamed(form, name)->isVisible()) << "mode " << mode << " " << name;
      }
      if (form.MenuClock(1).visible) {
        EXPECT_EQ(form.MenuClock(1).rect, g.clockLeft) << "mode " << mode;
        EXPECT_EQ(form.MenuClock(2).rect, g.clockRight) << "mode " << mode;
      }
    }
    form.close();
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace fibwick
