// Encoding a recorded game. Run with --benchmark_repetitions=5
// --benchmark_report_aggregates_only=true and read the medians. Goals: 100 frames of the small
// window within 300 ms on one core, and a file at most a fifth of the same frames stored whole.
#include <benchmark/benchmark.h>

#include <QPainter>
#include <QWidget>

#include "ui/card_art.h"
#include "ui/card_drawing.h"
#include "ui/recording/gif_stream.h"
#include "ui/recording/window_recording.h"

namespace fibwick {
namespace {

constexpr int FrameCount = 100;
constexpr int FramesPerFlight = 4;

// A game as the recorder keeps it: the real table background, a hand of backs at the top and of
// faces at the bottom, and one card after another flying to the pile in a few samples.
std::vector<QImage> RecordedGame(int mode) {
  Layout layout = MakeLayout(mode, 1920, 1080, true);
  ArtChoice choice;
  std::vector<Notice> notices;
  QImage background;
  CardArt art;
  LoadBackground(background, layout, choice, false, ArtSources{}, notices);
  LoadFaceSet(art, layout, choice, ArtSources{}, notices);
  const int w = layout.tableWidth;
  const int h = layout.tableHeight;
  const int cw = layout.cardWidth;
  const int ch = layout.cardHeight;
  const int step = cw / 2;
  const QPoint pile(w / 2 - cw, h / 2 - ch / 2);
  std::vector<QImage> frames;
  int played = 0;
  for (int k = 0; static_cast<int>(frames.size()) < FrameCount; ++k) {
    const int flight = k % (FramesPerFlight + 1);
    QImage frame = background.copy();
    const int inHand = 12 - played % 12;
    for (int i = 0; i < inHand; ++i) {
      DrawCardBack(frame, 40 + i * step, 20, art, layout);
      DrawCardFace(frame, 40 + i * step, h - ch - 40, CardOfSlot(13 + (i + played) % 24), art,
                   layout);
    }
    for (int i = 0; i < played % 12; ++i) {
      DrawCardFace(frame, pile.x() + i * 12, pile.y(), CardOfSlot(13 + i), art, layout);
    }
    if (flight < FramesPerFlight) {
      const QPoint from(40 + (inHand - 1) * step, h - ch - 40);
      const QPoint at = from + (pile - from) * (flight + 1) / (FramesPerFlight + 1);
      DrawCardFace(frame, at.x(), at.y(), CardOfSlot(13 + played % 24), art, layout);
    } else {
      ++played;
    }
    frames.push_back(std::move(frame));
  }
  return frames;
}

// The same frames, each stored as a picture of its own.
std::size_t WholeFramesBytes(const std::vector<QImage>& frames) {
  std::size_t bytes = 0;
  for (const QImage& frame : frames) {
    GifStream single;
    single.AddFrame(frame, 1000);
    bytes += single.Finish(1000).size();
  }
  return bytes;
}

void EncodeGame(benchmark::State& state) {
  const int mode = static_cast<int>(state.range(0));
  const std::vector<QImage> frames = RecordedGame(mode);
  std::size_t bytes = 0;
  for (auto _ : state) {
    GifStream stream;
    for (const QImage& frame : frames) stream.AddFrame(frame, 1000);
    bytes = stream.Finish(5000).size();
    benchmark::DoNotOptimize(bytes);
  }
  const std::size_t whole = WholeFramesBytes(frames);
  state.counters["file_kB"] = static_cast<double>(bytes) / 1024.0;
  state.counters["whole_kB"] = static_cast<double>(whole) / 1024.0;
  state.counters["ratio"] = static_cast<double>(bytes) / static_cast<double>(whole);
  state.SetLabel(mode == 1 ? "760x500, 100 frames" : "1520x1000, 100 frames");
}
// Modes 1 (small) and 5 (large).
BENCHMARK(EncodeGame)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

// A window that paints a whole recorded frame, as the table does.
class FrameWindow final : public QWidget {
 public:
  explicit FrameWindow(QImage frame) : frame_(std::move(frame)) { setFixedSize(frame_.size()); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(0, 0, frame_);
  }

 private:
  QImage frame_;
};

// What the window's own thread pays for one sample: the copy of the window and the comparison
// with the last kept frame.
void SampleWindow(benchmark::State& state) {
  const std::vector<QImage> frames = RecordedGame(1);
  FrameWindow window(frames[1]);
  const QImage last = CaptureWindow(window, 1);
  bool same = false;
  for (auto _ : state) {
    const QImage sample = CaptureWindow(window, 1);
    same = sample == last;
    benchmark::DoNotOptimize(same);
  }
}
BENCHMARK(SampleWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fibwick
