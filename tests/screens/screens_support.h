#pragma once

// The real window on a virtual X display: a program folder of its own, the window shown, and
// photographs of what the X server holds for it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QScreen>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/event_waits.h"
#include "app/main_window.h"
#include "records/settings_file.h"

namespace fibwick {

namespace fs = std::filesystem;

using testing::Wait;
using testing::WaitFor;

// Program folders go into a folder of the test's own: the program looks for packs in the folder
// above its own too, and nothing in the temporary folder should be found there.
inline fs::path TestFolder(const std::string& name) {
  return fs::temp_directory_path() / ("fibwick-screens-" + std::to_string(::getpid())) / name;
}

// A program folder with the shipped club files and the given settings.
inline fs::path ProgramFolder(const std::string& name, const Settings& settings) {
  const fs::path folder = TestFolder(name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  EXPECT_EQ(std::system((std::string(FIBWICK_CLUBGEN) + " " + folder.string()).c_str()), 0);
  EXPECT_EQ(SaveSettings(folder / "Fibwick.ini", settings, false), SaveSettingsResult::Saved);
  return folder;
}

inline QImage Photograph(QWidget& window) {
  return window.screen()
      ->grabWindow(window.winId())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

// Kept under the build folder (FIBWICK_SCREENSHOTS) for a person to look at.
inline void Save(const QImage& image, const std::string& name) {
  const char* dir = std::getenv("FIBWICK_SCREENSHOTS");
  if (dir == nullptr) return;
  fs::create_directories(dir);
  EXPECT_TRUE(image.save(QString::fromStdString((fs::path(dir) / name).string())));
}

// The pointer out of the way, in the screen's corner, so nothing is hovered by chance.
inline void ParkPointer(QWidget& window) {
  QCursor::setPos(window.screen(), window.screen()->geometry().topLeft());
  Wait(100);
}

inline void PointAt(QWidget& widget, QPoint local) {
  QCursor::setPos(widget.screen(), widget.mapToGlobal(local));
  Wait(150);
}

// The window past its intro, on the main menu; `today` fixes the calendar's date when valid.
inline std::unique_ptr<MainWindow> OpenMenu(const fs::path& folder, QDate today = {}) {
  auto form = std::make_unique<MainWindow>(
      folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 100000, .today = today});
  form->show();
  EXPECT_TRUE(WaitFor([&] { return form->CurrentScreen() == Screen::Intro && form->isVisible(); }));
  Wait(100);
  form->EndIntro();
  Wait(300);
  return form;
}

}  // namespace fibwick
