// Table drawing costs. Run with --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// and read the medians. The goal: a complete table redraw within 8 ms at every window size.
#include <benchmark/benchmark.h>

#include <QPainter>
#include <array>

#include "ui/card_drawing.h"
#include "ui/card_sprite.h"
#include "ui/flight_scene.h"
#include "ui/hud.h"
#include "ui/resample.h"

namespace fibwick {
namespace {

// The size modes by the index of a benchmark argument; full screen as on a 1920 x 1080 monitor.
Layout LayoutOf(int mode) {
  return MakeLayout(mode, 1920, 1080, true);
}

QImage Pattern(int w, int h, int seed) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(seed * 7 % 256, 20, 40), 3));
  painter.drawRoundedRect(QRectF(2, 2, w - 4, h - 4), 8, 8);
  painter.setFont(QFont("DejaVu Sans", h / 5));
  painter.drawText(QRect(0, 0, w, h), Qt::AlignCenter, QString::number(seed));
  return image;
}

CardArt MakeArt() {
  CardArt art;
  for (int slot = 13; slot <= 36; ++slot) {
    art.smallFaces[slot] = Pattern(69, 94, slot).convertToFormat(QImage::Format_RGB32);
    art.bigFaces[slot] = Pattern(146, 198, slot);
  }
  for (int i = 0; i < BackSlotCount; ++i) {
    art.smallBacks[i] = Pattern(69, 94, 100 + i).convertToFormat(QImage::Format_RGB32);
    art.bigBacks[i] = Pattern(146, 198, 100 + i);
  }
  return art;
}

QImage Background(const Layout& layout) {
  QImage image(layout.tableWidth, layout.tableHeight, QImage::Format_RGB32);
  image.fill(QColor(0, 100, 0));
  return image;
}

std::vector<CardCode> Cards(int n) {
  std::vector<CardCode> cards;
  for (int i = 0; i < n; ++i) cards.push_back(CardOfSlot(13 + i % 24));
  return cards;
}

const char* ModeLabel(int mode) {
  static constexpr std::array<const char*, 5> Labels = {
      "small 760x500", "full 1920x1080", "medium 990x650", "medium 1290x850", "large 1520x1000"};
  return Labels[mode - 1];
}

void RedrawHandWarm(benchmark::State& state) {
  const Layout layout = LayoutOf(static_cast<int>(state.range(0)));
  state.SetLabel(ModeLabel(static_cast<int>(state.range(0))));
  const QImage background = Background(layout);
  CardArt art = MakeArt();
  PictureControl hand{LayoutTableGeometry(layout).seats[1].hand, {}, true};
  const std::vector<CardCode> cards = Cards(12);
  for (auto _ : state) {
    benchmark::DoNotOptimize(RedrawHand(hand, background, art, layout, cards, true));
  }
}

// Every card resampled anew, as after a change of size or card set.
void RedrawHandCold(benchmark::State& state) {
  const Layout layout = LayoutOf(static_cast<int>(state.range(0)));
  state.SetLabel(ModeLabel(static_cast<int>(state.range(0))));
  const QImage background = Background(layout);
  CardArt art = MakeArt();
  PictureControl hand{LayoutTableGeometry(layout).seats[1].hand, {}, true};
  const std::vector<CardCode> cards = Cards(12);
  for (auto _ : state) {
    art.prepared.clear();
    benchmark::DoNotOptimize(RedrawHand(hand, background, art, layout, cards, true));
  }
}

void DrawFullPile(benchmark::State& state) {
  const Layout layout = LayoutOf(static_cast<int>(state.range(0)));
  state.SetLabel(ModeLabel(static_cast<int>(state.range(0))));
  const QImage background = Background(layout);
  CardArt art = MakeArt();
  PictureControl pile{LayoutTableGeometry(layout).pile, {}, true};
  const std::vector<CardCode> cards = Cards(24);
  for (auto _ : state) {
    DrawPile(pile, background, art, layout, cards, true, 4);
    benchmark::DoNotOptimize(pile.buffer.constBits());
  }
}

void Spline36Card(benchmark::State& state) {
  const Layout layout = LayoutOf(static_cast<int>(state.range(0)));
  state.SetLabel(ModeLabel(static_cast<int>(state.range(0))));
  const QImage face = Pattern(146, 198, 5);
  for (auto _ : state) {
    benchmark::DoNotOptimize(PrepareCardPicture(face, true, layout.cardWidth, layout.cardHeight,
                                                CardCornerSize(layout)));
  }
}

void ResizeBackground(benchmark::State& state) {
  const Layout layout = LayoutOf(static_cast<int>(state.range(0)));
  state.SetLabel(ModeLabel(static_cast<int>(state.range(0))));
  const QImage source = Pattern(760, 500, 3).convertToFormat(QImage::Format_RGB32);
  for (auto _ : state) {
    QImage picture = source;
    ResizePicture(picture, layout.tableWidth, layout.tableHeight);
    benchmark::DoNotOptimize(picture.constBits());
  }
}

// Both hands, a full pile face up, the claim plate, both speech strips and the message strip.
void TableRedraw(benchmark::State& state) {
  const Layout layout = LayoutOf(static_cast<int>(state.range(0)));
  state.SetLabel(ModeLabel(static_cast<int>(state.range(0))));
  const QImage background = Background(layout);
  CardArt art = MakeArt();
  const FontRoles fonts;
  const QImage strip = Pattern(160, 20, 1);
  const QImage frame = Pattern(155, 60, 2);
  const HudKit kit{layout, background, fonts,
                   [&](const QString& name) { return name.startsWith("SP") ? strip : frame; }};
  const TableGeometry table = LayoutTableGeometry(layout);
  PictureControl top{table.seats[0].hand, {}, true};
  PictureControl bottom{table.seats[1].hand, {}, true};
  PictureControl pile{table.pile, {}, true};
  PictureControl plate{table.claimPlate, {}, true};
  PictureControl say1{table.seats[0].strip, {}, true};
  PictureControl say2{table.seats[1].strip, {}, true};
  PictureControl memo{table.memo, {}, true};
  MessageStrip chat;
  for (int i = 1; i <= 4; ++i) chat.lines.push_back({QString("line %1").arg(i), AuthorColour(i)});
  const std::vector<CardCode> hand = Cards(12);
  const std::vector<CardCode> cards = Cards(24);
  for (auto _ : state) {
    RedrawHand(top, background, art, layout, hand, false);
    RedrawHand(bottom, background, art, layout, hand, true);
    DrawPile(pile, background, art, layout, cards, true, 3);
    RedrawClaimLabel(kit, plate, RankChar(4));
    ShowSpeech(kit, say1, "three queens", 'b');
    ShowSpeech(kit, say2, "I don`t believe!", 'r');
    DrawMessageStrip(kit, memo, chat);
    benchmark::DoNotOptimize(memo.buffer.constBits());
  }
}

void AllModes(benchmark::internal::Benchmark* b) {
  for (int mode : {1, 3, 4, 5, 2}) b->Arg(mode);
  b->Unit(benchmark::kMicrosecond);
}

// One step of a flying card (restore, move, draw), over the whole table's diagonal; the rate is
// the steps per second drawing allows. A speed-5 flight asks for 5,000.
void FlightStep(benchmark::State& state, int cards) {
  const Layout layout = LayoutOf(static_cast<int>(state.range(0)));
  CardArt art = MakeArt();
  const QImage table = Background(layout);
  const auto start = [&](FlightScene& scene) {
    std::vector<FlyingCard> flying;
    for (int k = 0; k < cards; ++k) {
      flying.push_back({MakeCardSprite(CardOfSlot(13 + k), art, layout),
                        {k * 20, 0},
                        {layout.tableWidth - layout.cardWidth, layout.tableHeight - 1}});
    }
    scene.Begin(table, std::move(flying));
  };
  FlightScene scene;
  start(scene);
  for (auto _ : state) {
    benchmark::DoNotOptimize(scene.Advance(1));
    if (scene.Arrived()) {
      state.PauseTiming();
      start(scene);
      state.ResumeTiming();
    }
  }
  state.counters["steps/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.SetLabel(ModeLabel(static_cast<int>(state.range(0))));
}
void OneCardFlightStep(benchmark::State& state) {
  FlightStep(state, 1);
}
void TwelveCardFlightStep(benchmark::State& state) {
  FlightStep(state, 12);
}

BENCHMARK(RedrawHandWarm)->Apply(AllModes);
BENCHMARK(RedrawHandCold)->Apply(AllModes);
BENCHMARK(DrawFullPile)->Apply(AllModes);
BENCHMARK(Spline36Card)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK(ResizeBackground)->Arg(3)->Arg(4)->Arg(5)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(TableRedraw)->Apply(AllModes);
BENCHMARK(OneCardFlightStep)->Apply(AllModes)->Unit(benchmark::kMicrosecond);
BENCHMARK(TwelveCardFlightStep)->Apply(AllModes)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fibwick
