// Fibwick: the card game's main program.
#include <QApplication>
#include <cstdlib>

#include "app/main_window.h"
#include "app/program_folder.h"
#include "app/unattended.h"
#include "records/data_files.h"
#include "records/text_file.h"

int main(int argc, char** argv) {
  fibwick::IgnoreFileSizeSignal();
  // Qt's ffmpeg media backend crashes on a machine without an audio device; GStreamer copes.
  if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
  QApplication application(argc, argv);
  QApplication::setApplicationName("Fibwick");
  const auto folder =
      fibwick::ResolveProgramFolder(QApplication::applicationDirPath().toStdString());
  fibwick::RemoveStaleDataTemporaries(folder);
  int result = 0;
  {
    fibwick::MainWindow form(folder,
                             fibwick::Pacing{.standIn = fibwick::StandInFromEnvironment(),
                                             .today = fibwick::FixedTodayFromEnvironment()});
    form.show();
    if (const char* lan = std::getenv("FIBWICK_LAN")) {
      if (const auto autostart = fibwick::ReadLanAutostart(lan))
        fibwick::BeginUnattendedLan(form, *autostart);
    }
    result = QApplication::exec();
  }
  // The sound outputs the window stopped as it went are released from the event loop.
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return result;
}
