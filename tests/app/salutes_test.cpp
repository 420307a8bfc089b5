// The click effect where the player clicks: on a card of the own hand and on a dialog's button,
// each while its switch is on.
#include <gtest/gtest.h>

#include <QAction>
#include <QPainter>

#include "app/app_support.h"
#include "records/settings_file.h"
#include "ui/dialogs/speed_dialog.h"
#include "ui/salute.h"
#include "ui/ui_test_support.h"

namespace fibwick {
namespace {

using namespace testing;

int SalutesOnScreen() {
  int count = 0;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    count += dynamic_cast<SaluteEffect*>(window) != nullptr && window->isVisible();
  }
  return count;
}

// A window over fresh files whose folder holds a graphics pack with the effect's film.
struct SaluteWindow {
  SaluteWindow(const std::string& name, const Settings& settings)
      : folder(FreshProgramFolder(name)) {
    SaveSettings(folder / "Fibwick.ini", settings, false);
    QImage film(SaluteFrameSize * SaluteFrameCount, SaluteFrameSize, QImage::Format_ARGB32);
    film.fill(QColor(200, 175, 50, 160));
    testing_support::WritePack(QString::fromStdString((folder / "NuvCGraph1.dll").string()),
                               {{"GTouch.png", film}});
    form =
        std::make_unique<MainWindow>(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 100000});
    form->show();
    PassIntro(*form);
  }
  ~SaluteWindow() {
    form->close();
    form.reset();
    fs::remove_all(folder);
  }

  DialogAnswerer answerer;
  fs::path folder;
  std::unique_ptr<MainWindow> form;
};

TEST(Salutes, AClickOnACardOfTheHandSalutesWhileTheCardsSwitchIsOn) {
  for (const bool on : {true, false}) {
    Settings settings;
    settings.SaluteCards = on;
    SaluteWindow w(on ? "salute-cards-on" : "salute-cards-off", settings);
    ButtonNamed(*w.form, "Button6")->click();
    ASSERT_TRUE(WaitFor([&] {
      return w.form->CurrentScreen() == Screen::Table && !w.form->HandPositions(2).empty();
    }));
    ASSERT_TRUE(WaitFor([&] { return SalutesOnScreen() == 0; }));
    ClickCard(*w.form, 1);
    EXPECT_EQ(SalutesOnScreen(), on ? 1 : 0) << on;
  }
}

TEST(Salutes, ADialogButtonSalutesWhileTheButtonsSwitchIsOn) {
  for (const bool on : {true, false}) {
    Settings settings;
    settings.SaluteButtons = on;
    SaluteWindow w(on ? "salute-buttons-on" : "salute-buttons-off", settings);
    int seen = -1;
    w.answerer.custom = [&](QWidget* modal) {
      auto* speed = qobject_cast<SpeedDialog*>(modal);
      if (speed == nullptr) return false;
      speed->OkButton()->click();
      seen = SalutesOnScreen();
      return true;
    };
    w.form->findChild<QAction*>("ActSpeed")->trigger();
    EXPECT_EQ(seen, on ? 1 : 0) << on;
  }
}

}  // namespace
}  // namespace fibwick
