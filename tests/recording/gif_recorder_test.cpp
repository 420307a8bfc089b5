#include "ui/recording/gif_recorder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDateTime>
#include <filesystem>
#include <fstream>

#include "recording/gif_decode.h"
#include "recording/scripted_table.h"
#include "ui/recording/gif_file.h"
#include "ui/recording/recording_banner.h"

namespace fibwick {
namespace {

using namespace testing;
namespace fs = std::filesystem;

fs::path FreshFolder(const std::string& name) {
  const fs::path folder =
      fs::temp_directory_path() / ("fibwick-rec-" + name + "-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

// The window as the recorder samples it: whatever picture the test put up last.
struct ScriptedWindow {
  QImage picture;
  GifRecorder::Capture Capture() {
    return [this] { return picture; };
  }
};

QImage Numbered(int n) {
  return TableWithCards(TableBackground({40, 30}, false), {{n % 20, n / 20}});
}

// Saves and lets the outcome arrive on this thread, as the window's event loop delivers it.
std::vector<GifSaveResult> Save(GifRecorder& recorder, const fs::path& file) {
  std::vector<GifSaveResult> results;
  recorder.SaveRecording(file, [&](const GifSaveResult& r) { results.push_back(r); });
  recorder.WaitForEncoder();
  QApplication::processEvents();
  return results;
}

TEST(GifRecorder, KeepsChangedFramesOnlyAndAtMost250) {
  const fs::path folder = FreshFolder("limit");
  ScriptedWindow window;
  GifRecorder recorder(window.Capture());
  window.picture = Numbered(0);
  recorder.StartRecording(120);
  EXPECT_TRUE(recorder.Recording());
  EXPECT_EQ(recorder.FrameCount(), 1);
  recorder.CaptureFrame();  // the same pixels again
  EXPECT_EQ(recorder.FrameCount(), 1);
  for (int n = 1; n < 260; ++n) {
    window.picture = Numbered(n);
    recorder.CaptureFrame();
  }
  EXPECT_EQ(recorder.FrameCount(), GifRecorder::MaxFrames);

  const fs::path file = GifFolder(folder) / "limit.gif";
  const auto results = Save(recorder, file);
  EXPECT_FALSE(recorder.Recording());
  ASSERT_EQ(results.size(), 1u);
  EXPECT_TRUE(results[0].written);
  const DecodedGif gif = DecodeGif(file);
  ASSERT_TRUE(gif.ok);
  ASSERT_EQ(gif.frames.size(), 250u);
  EXPECT_EQ(gif.frames[0].delayUnits, 12);
  EXPECT_EQ(gif.frames[248].delayUnits, 12);
  EXPECT_EQ(gif.frames[249].delayUnits, 500);
  // The 250th picture kept is the last one shown.
  EXPECT_EQ(gif.frames[249].shown, Numbered(249).convertToFormat(QImage::Format_RGB32));
  fs::remove_all(folder);
}

TEST(GifRecorder, TheFirstSaveCreatesTheFolderAndAPrivateFile) {
  const fs::path folder = FreshFolder("first");
  ScriptedWindow window;
  window.picture = Numbered(1);
  GifRecorder recorder(window.Capture());
  recorder.StartRecording(1000);
  const fs::path file =
      GifFolder(folder) / GifFileName(QDateTime(QDate(2024, 3, 7), QTime(21, 5, 9)));
  EXPECT_EQ(file.filename(), "2024.03.07-21.05.09.gif");
  EXPECT_EQ(file.parent_path().filename(), "GIFGame");
  ASSERT_FALSE(fs::exists(file.parent_path()));
  const auto results = Save(recorder, file);
  ASSERT_EQ(results.size(), 1u);
  EXPECT_TRUE(results[0].written);
  EXPECT_EQ(results[0].file, file);
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  const DecodedGif gif = DecodeGif(file);
  ASSERT_TRUE(gif.ok);
  ASSERT_EQ(gif.frames.size(), 1u);
  EXPECT_EQ(gif.frames[0].delayUnits, 500);
  fs::remove_all(folder);
}

TEST(GifRecorder, AFolderThatCannotBeWrittenIsReportedAndRecordingGoesOn) {
  const fs::path folder = FreshFolder("blocked");
  // A file where the folder should be: no user, root included, can create the folder.
  std::ofstream(folder / "GIFGame") << "in the way";
  ScriptedWindow window;
  window.picture = Numbered(2);
  GifRecorder recorder(window.Capture());
  recorder.StartRecording(1000);
  window.picture = Numbered(3);
  recorder.CaptureFrame();
  const fs::path blocked = GifFolder(folder) / "game.gif";
  const auto failed = Save(recorder, blocked);
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_FALSE(failed[0].written);
  EXPECT_EQ(failed[0].file, blocked);
  EXPECT_FALSE(fs::exists(blocked));

  // The next game is recorded as usual.
  recorder.StartRecording(1000);
  const fs::path elsewhere = folder / "Other" / "game.gif";
  const auto saved = Save(recorder, elsewhere);
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_TRUE(saved[0].written);
  EXPECT_TRUE(DecodeGif(elsewhere).ok);
  fs::remove_all(folder);
}

TEST(GifRecorder, WithoutARecordingNothingIsSampledOrSaved) {
  const fs::path folder = FreshFolder("idle");
  int samples = 0;
  GifRecorder recorder([&] {
    ++samples;
    return Numbered(samples);
  });
  recorder.CaptureFrame();
  const auto results = Save(recorder, folder / "none.gif");
  EXPECT_EQ(samples, 0);
  EXPECT_TRUE(results.empty());
  EXPECT_FALSE(fs::exists(folder / "none.gif"));
  fs::remove_all(folder);
}

TEST(RecordingBanner, StandsInTheMiddleOfTheWindowInRed) {
  QWidget window;
  window.setFixedSize(760, 500);
  const QImage background = TableBackground({760, 500}, false);
  RecordingBanner banner(window);
  banner.Show(background, LoadBuiltinPicture, FontRoles{});
  EXPECT_EQ(banner.geometry(), QRect(292, 230, 175, 40));
  EXPECT_FALSE(banner.isHidden());
  int red = 0;
  const QImage& picture = banner.Picture();
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb p = picture.pixel(x, y);
      red += qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
    }
  }
  EXPECT_GT(red, 30);
  if (const char* shots = std::getenv("FIBWICK_SCREENSHOTS")) {
    fs::create_directories(shots);
    window.grab().save(QString::fromStdString((fs::path(shots) / "gif-banner.png").string()));
  }
}

}  // namespace
}  // namespace fibwick
