#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>

#include "records/settings.h"
#include "ui/builtin_pictures.h"
#include "ui/recording/gif_recorder.h"
#include "ui/recording/recording_banner.h"

// The main window's recordings: what is sampled, when a game may be recorded, where its file
// goes, and what the player sees while it is written.
namespace fibwick {

// The window's client area (content 1), or the screen where the whole window stands (2).
QImage CaptureWindow(QWidget& window, int gifContent);

struct WindowRecordingKit {
  const QImage& background;
  const FontRoles& fonts;
  const Settings& settings;
  std::filesystem::path programFolder;
  PictureLookup pictures = LoadBuiltinPicture;
  // Tells the player a text, once the table is ready to show it.
  std::function<void(const std::string&)> notice;
};

class WindowRecording {
 public:
  WindowRecording(QWidget& window, WindowRecordingKit kit);

  // A game starts: recorded when the player asked for it and the window is the small one.
  void GameStarted();
  // The game has ended or is being left: its last picture is kept and the file written.
  void GameLeft();

  const GifRecorder& Recorder() const { return recorder_; }
  // Returns once the file being written is finished, as the window closes.
  void WaitForFile() { recorder_.WaitForEncoder(); }

 private:
  QWidget& window_;
  WindowRecordingKit kit_;
  RecordingBanner banner_;
  GifRecorder recorder_;
};

}  // namespace fibwick
