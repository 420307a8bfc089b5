#include <gtest/gtest.h>

#include <QRegularExpression>
#include <filesystem>
#include <random>

#include "app/app_support.h"
#include "app/main_window.h"
#include "app/match_player.h"
#include "recording/gif_decode.h"
#include "records/settings_file.h"

namespace fibwick {
namespace {

using namespace testing;

// A program folder whose settings ask for recordings, in the given window size.
fs::path RecordingFolder(const std::string& name, int windowSizeMode, int gifContent = 1) {
  const fs::path folder = FreshProgramFolder(name);
  Settings settings;
  settings.SaveGif = true;
  settings.GifDelay = 200;
  settings.WindowSizeMode = windowSizeMode;
  settings.GifContent = gifContent;
  EXPECT_EQ(SaveSettings(folder / "Fibwick.ini", settings, false), SaveSettingsResult::Saved);
  return folder;
}

std::vector<fs::path> Recordings(const fs::path& folder) {
  std::vector<fs::path> files;
  if (!fs::is_directory(folder / "GIFGame")) return files;
  for (const auto& entry : fs::directory_iterator(folder / "GIFGame"))
    files.push_back(entry.path());
  return files;
}

void StartNewPlayer(MainWindow& form) {
  form.show();
  PassIntro(form);
  ButtonNamed(form, "Button6")->click();
  ASSERT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Table; }));
}

void PlayOneGame(MainWindow& form) {
  std::mt19937 random(11);
  ASSERT_TRUE(PlayGame(form, random));
}

// The window alone, or the screen where it stands: with no window manager the two are the same.
class GifRecordingSources : public ::testing::TestWithParam<int> {};

TEST_P(GifRecordingSources, AGameInTheSmallWindowEndsAsADecodableGif) {
  const fs::path folder = RecordingFolder("gif-game-" + std::to_string(GetParam()), 1, GetParam());
  DialogAnswerer answerer;
  MainWindow form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1});
  StartNewPlayer(form);
  PlayOneGame(form);
  const QWidget* banner = form.findChild<QWidget*>("GifBanner");
  ASSERT_NE(banner, nullptr);
  // Written once the game's last events have played; the banner goes when the file is done.
  ASSERT_TRUE(WaitFor([&] { return !Recordings(folder).empty() && banner->isHidden(); }));

  const auto files = Recordings(folder);
  ASSERT_EQ(files.size(), 1u);
  const QRegularExpression name(R"(^\d{4}\.\d\d\.\d\d-\d\d\.\d\d\.\d\d\.gif$)");
  EXPECT_TRUE(name.match(QString::fromStdString(files[0].filename().string())).hasMatch())
      << files[0];
  const DecodedGif gif = DecodeGif(files[0]);
  ASSERT_TRUE(gif.ok);
  // The screen's copy holds the window's frame around the table.
  const QPoint inFrame = form.geometry().topLeft() - form.frameGeometry().topLeft();
  EXPECT_EQ(gif.size, GetParam() == 2 ? form.frameGeometry().size() : QSize(760, 500));
  ASSERT_GE(gif.frames.size(), 2u);
  for (std::size_t k = 0; k + 1 < gif.frames.size(); ++k) EXPECT_EQ(gif.frames[k].delayUnits, 20);
  EXPECT_EQ(gif.frames.back().delayUnits, 500);
  if (const char* shots = std::getenv("FIBWICK_SCREENSHOTS"); shots && GetParam() == 1) {
    fs::create_directories(shots);
    fs::copy_file(files[0], fs::path(shots) / "recorded-game.gif",
                  fs::copy_options::overwrite_existing);
    gif.frames.back().shown.save(
        QString::fromStdString((fs::path(shots) / "recorded-game-last-frame.png").string()));
  }
  // The last frame is the table as the game ended, but for a few pixels of rare colours.
  const QImage table = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage recorded =
      gif.frames.back().shown.copy(QRect(GetParam() == 2 ? inFrame : QPoint(0, 0), table.size()));
  EXPECT_LT(PixelsOff(recorded, table, 48), table.width() * table.height() / 200);

  ButtonNamed(form, "Button8")->click();  // "Exit to menu"
  ASSERT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Menu; }));
  form.close();
  EXPECT_EQ(Recordings(folder).size(), 1u);
  fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(GifRecording, GifRecordingSources, ::testing::Values(1, 2));

// The first frame is the table as the new game shows it, with its own hands and buttons, never
// what the window held before: the first game of the window, or one after a game played.
class GifFirstFrame : public ::testing::TestWithParam<int> {};

TEST_P(GifFirstFrame, IsTheTableAsTheGameBegins) {
  const int gamesBefore = GetParam();
  const fs::path folder = RecordingFolder("gif-first-" + std::to_string(gamesBefore), 1);
  DialogAnswerer answerer;  // "Yes" to leaving the game at the end
  // The computer plays the games before; the recorded one waits for the local player, as begun:
  // game 1 is the computer's to open, game 2 the player's.
  MainWindow form(folder,
                  Pacing{.pauseFactor = 0.0, .computerTickMs = gamesBefore > 0 ? 1 : 1'000'000});
  StartNewPlayer(form);
  if (gamesBefore > 0) {
    PlayOneGame(form);
    const QWidget* banner = form.findChild<QWidget*>("GifBanner");
    ASSERT_TRUE(WaitFor([&] { return !Recordings(folder).empty() && banner->isHidden(); }));
    fs::remove_all(folder / "GIFGame");
    ButtonNamed(form, "Button7")->click();  // "Next game"
  }
  ASSERT_TRUE(WaitFor([&] { return form.TableQuiet(); }));
  ASSERT_EQ(form.Game().session.GameNumber, gamesBefore + 1);
  const QImage table = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
  form.close();

  const auto files = Recordings(folder);
  ASSERT_EQ(files.size(), 1u);
  const DecodedGif gif = DecodeGif(files[0]);
  ASSERT_TRUE(gif.ok);
  ASSERT_FALSE(gif.frames.empty());
  const QImage first = gif.frames.front().shown;
  if (const char* shots = std::getenv("FIBWICK_SCREENSHOTS")) {
    fs::create_directories(shots);
    first.save(QString::fromStdString(
        (fs::path(shots) / ("recorded-first-frame-" + std::to_string(gamesBefore) + ".png"))
            .string()));
  }
  // But for a few pixels of rare colours the palette moved.
  EXPECT_LT(PixelsOff(first, table, 48), table.width() * table.height() / 200);
  fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(GifRecording, GifFirstFrame, ::testing::Values(0, 1));

TEST(GifRecording, ClosingTheWindowInAGameWaitsForItsFile) {
  const fs::path folder = RecordingFolder("gif-close", 1);
  DialogAnswerer answerer;  // "Yes" to leaving the game
  MainWindow form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1});
  StartNewPlayer(form);
  form.close();
  EXPECT_EQ(answerer.questionsSeen, 1);
  const auto files = Recordings(folder);
  ASSERT_EQ(files.size(), 1u);
  const DecodedGif gif = DecodeGif(files[0]);
  ASSERT_TRUE(gif.ok);
  EXPECT_GE(gif.frames.size(), 1u);
  fs::remove_all(folder);
}

TEST(GifRecording, OtherWindowSizesRecordNothing) {
  const fs::path folder = RecordingFolder("gif-large", 3);
  DialogAnswerer answerer;
  MainWindow form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1});
  StartNewPlayer(form);
  PlayOneGame(form);
  ASSERT_TRUE(WaitFor([&] { return form.TableQuiet(); }));
  form.close();
  EXPECT_FALSE(fs::exists(folder / "GIFGame"));
  fs::remove_all(folder);
}

}  // namespace
}  // namespace fibwick
