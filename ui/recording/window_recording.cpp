#include "ui/recording/window_recording.h"

#include <QDateTime>
#include <QScreen>
#include <algorithm>

#include "records/catalogue.h"
#include "ui/recording/gif_file.h"

namespace fibwick {
namespace {

constexpr int SmallWindowMode = 1;
constexpr int ScreenContent = 2;

}  // namespace

QImage CaptureWindow(QWidget& window, int gifContent) {
  if (gifContent == ScreenContent && window.screen()) {
    // The screen shows the table only once its pending paints are done.
    window.repaint();
    const QRect frame = window.frameGeometry();
    const QPixmap shot =
        window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    // A platform that cannot read its screen still gets the window itself.
    if (!shot.isNull()) return shot.toImage();
  }
  return window.grab().toImage();
}

WindowRecording::WindowRecording(QWidget& window, WindowRecordingKit kit)
    : window_(window),
      kit_(std::move(kit)),
      banner_(window),
      recorder_([this] { return CaptureWindow(window_, kit_.settings.GifContent); }) {}

void WindowRecording::GameStarted() {
  // A game that starts while one is still recorded ends that one first.
  GameLeft();
  if (!kit_.settings.SaveGif || kit_.settings.WindowSizeMode != SmallWindowMode) return;
  recorder_.StartRecording(std::clamp(kit_.settings.GifDelay, 10, 5000));
}

void WindowRecording::GameLeft() {
  if (!recorder_.Recording()) return;
  recorder_.CaptureFrame();
  banner_.Show(kit_.background, kit_.pictures, kit_.fonts);
  const auto file = GifFolder(kit_.programFolder) / GifFileName(QDateTime::currentDateTime());
  recorder_.SaveRecording(file, [this](const GifSaveResult& result) {
    banner_.hide();
    if (!result.written && kit_.notice) {
      kit_.notice(std::string(MessageText(MsgCantSaveGif)) + "\n" + result.file.string());
    }
  });
}

}  // namespace fibwick
