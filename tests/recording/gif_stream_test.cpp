#include "ui/recording/gif_stream.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "recording/gif_decode.h"
#include "recording/scripted_table.h"
#include "ui/recording/gif_file.h"

namespace fibwick {
namespace {

using namespace testing;
namespace fs = std::filesystem;

fs::path TestFile(const std::string& name) {
  return fs::temp_directory_path() / ("fibwick-gif-" + std::to_string(::getpid()) + "-" + name);
}

DecodedGif Decoded(const std::string& bytes, const std::string& name) {
  const fs::path file = TestFile(name);
  EXPECT_TRUE(WriteGifFile(file, bytes));
  DecodedGif gif = DecodeGif(file);
  fs::remove(file);
  return gif;
}

// A card flying across the table in five samples.
std::vector<QPoint> FlightPath() {
  std::vector<QPoint> path;
  for (int k = 0; k < 5; ++k) path.emplace_back(10 + 20 * k, 10 + 10 * k);
  return path;
}

struct TableCase {
  const char* name;
  bool textured;
  int tolerance;  // a flat table is stored exactly; a textured one on 256 colours per frame
};

class GifStreamTables : public ::testing::TestWithParam<TableCase> {};

TEST_P(GifStreamTables, AFlightReadsBackFrameByFrame) {
  const QImage background = TableBackground({200, 150}, GetParam().textured);
  std::vector<QImage> frames;
  GifStream stream;
  for (const QPoint& at : FlightPath()) {
    frames.push_back(TableWithCards(background, {at, {150, 100}}));
    stream.AddFrame(frames.back(), 300);
  }
  EXPECT_EQ(stream.FrameCount(), 5);
  const DecodedGif gif = Decoded(stream.Finish(5000), GetParam().name);

  ASSERT_TRUE(gif.ok);
  EXPECT_EQ(gif.size, QSize(200, 150));
  EXPECT_TRUE(gif.loops);
  ASSERT_EQ(gif.frames.size(), 5u);
  const auto path = FlightPath();
  for (std::size_t k = 0; k < 5; ++k) {
    SCOPED_TRACE(k);
    const DecodedFrame& frame = gif.frames[k];
    EXPECT_EQ(frame.delayUnits, k == 4 ? 500 : 30);
    EXPECT_EQ(frame.disposal, DISPOSE_DO_NOT);
    // After the first frame only where the card was and where it is now is stored.
    const QRect expected =
        k == 0 ? QRect(0, 0, 200, 150)
               : QRect(path[k - 1], TestCardSize).united(QRect(path[k], TestCardSize));
    EXPECT_EQ(frame.rect, expected);
    EXPECT_LE(LargestDifference(frame.shown, frames[k]), GetParam().tolerance);
  }
  // The card's white, its frame's red and its pip's blue, the card that never moved, the table.
  const QImage last = gif.frames.back().shown;
  const QPoint card = path.back();
  const auto near = [&](QPoint at, QRgb colour) {
    const QRgb p = last.pixel(at);
    return std::abs(qRed(p) - qRed(colour)) <= GetParam().tolerance &&
           std::abs(qGreen(p) - qGreen(colour)) <= GetParam().tolerance &&
           std::abs(qBlue(p) - qBlue(colour)) <= GetParam().tolerance;
  };
  EXPECT_TRUE(near(card + QPoint(5, 5), qRgb(255, 255, 255)));
  EXPECT_TRUE(near(card, qRgb(200, 0, 0)));
  EXPECT_TRUE(near(card + QPoint(15, 20), qRgb(0, 0, 128)));
  EXPECT_TRUE(near({160, 110}, qRgb(255, 255, 255)));
  EXPECT_TRUE(near({2, 148}, background.pixel(2, 148)));
}

INSTANTIATE_TEST_SUITE_P(Tables, GifStreamTables,
                         ::testing::Values(TableCase{"flat", false, 0},
                                           TableCase{"textured", true, 24}),
                         [](const auto& tableCase) { return std::string(tableCase.param.name); });

TEST(GifStream, ChangedRectanglesMakeAFileMuchSmallerThanWholeFrames) {
  const QImage background = TableBackground({300, 200}, true);
  GifStream stream;
  std::size_t whole = 0;
  for (int k = 0; k < 20; ++k) {
    const QImage frame =
        TableWithCards(background, {{20 + 10 * k, 150 - 5 * k}, {220, 20}, {250, 20}});
    stream.AddFrame(frame, 100);
    GifStream single;
    single.AddFrame(frame, 100);
    whole += single.Finish(100).size();
  }
  const std::size_t recorded = stream.Finish(5000).size();
  EXPECT_GT(recorded, 0u);
  EXPECT_LT(recorded * 5, whole);
}

TEST(GifStream, IdenticalFramesStillCountAndSizeFollowsTheFirstFrame) {
  const QImage table = TableWithCards(TableBackground({120, 80}, false), {{10, 10}});
  GifStream stream;
  stream.AddFrame(table, 100);
  stream.AddFrame(table, 100);
  // A smaller picture is padded to the first frame's size rather than rejected.
  stream.AddFrame(table.copy(0, 0, 60, 40), 100);
  const DecodedGif gif = Decoded(stream.Finish(5000), "sizes");
  ASSERT_TRUE(gif.ok);
  EXPECT_EQ(gif.size, QSize(120, 80));
  ASSERT_EQ(gif.frames.size(), 3u);
  EXPECT_EQ(LargestDifference(gif.frames[1].shown, table), 0);
  EXPECT_EQ(gif.frames[2].shown.copy(0, 0, 60, 40), table.copy(0, 0, 60, 40));
  EXPECT_EQ(gif.frames[2].shown.pixel(100, 70), qRgb(0, 0, 0));
}

TEST(GifStream, NothingRecordedGivesNoFile) {
  GifStream stream;
  EXPECT_TRUE(stream.Finish(5000).empty());
}

TEST(GifDelayUnits, MillisecondsBecomeHundredthsRoundedToEven) {
  const std::vector<std::pair<int, int>> cases = {{10, 1},     {15, 2},     {25, 2},
                                                  {1000, 100}, {1234, 123}, {5000, 500}};
  for (const auto& [ms, units] : cases) EXPECT_EQ(GifDelayUnits(ms), units) << ms;
}

}  // namespace
}  // namespace fibwick
