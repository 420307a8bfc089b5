// Reading the packs the build drew beside the program (FIBWICK_PACKS, default the build folder):
// a face set in the small and the large window, a background, and the options dialog opening
// with every pack at hand. Run with --benchmark_repetitions=5 --benchmark_report_aggregates_only
// and read the medians. Goals: a face set within a few tens of milliseconds, the options dialog
// open within 150 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>

#include "ui/card_art.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/packs.h"

namespace fibwick {
namespace {

QString PackFolder() {
  const QString folder = qEnvironmentVariable("FIBWICK_PACKS");
  return folder.isEmpty() ? QStringLiteral(FIBWICK_BUILD_FOLDER) : folder;
}

void LoadFaces(benchmark::State& state) {
  const PackShelf shelf(PackFolder());
  const ArtSources sources{.packs = &shelf};
  const int mode = static_cast<int>(state.range(0));
  for (auto _ : state) {
    CardArt art;
    Layout layout = MakeLayout(mode, 1920, 1080, true);
    ArtChoice choice{.faceSet = 9, .backSet = 3};
    std::vector<Notice> notices;
    if (!LoadFaceSet(art, layout, choice, sources, notices)) state.SkipWithError("no card packs");
    benchmark::DoNotOptimize(art);
  }
}
BENCHMARK(LoadFaces)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

void LoadTableBackground(benchmark::State& state) {
  const PackShelf shelf(PackFolder());
  const ArtSources sources{.packs = &shelf};
  const int mode = static_cast<int>(state.range(0));
  const Layout layout = MakeLayout(mode, 1920, 1080, true);
  for (auto _ : state) {
    QImage background;
    ArtChoice choice{.backgroundStyle = 6, .backgroundColour = 1};
    std::vector<Notice> notices;
    if (!LoadBackground(background, layout, choice, false, sources, notices)) {
      state.SkipWithError("no background pack");
    }
    benchmark::DoNotOptimize(background);
  }
}
BENCHMARK(LoadTableBackground)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

// From the click to a shown dialog with its pages drawn.
void OpenOptions(benchmark::State& state) {
  const PackShelf shelf(PackFolder());
  Settings settings;
  DialogContext context(settings, ArtSources{.packs = &shelf}, QDir::tempPath().toStdString());
  for (auto _ : state) {
    OptionsDialog dialog(context, OptionsHooks{}, QSize(1920, 1080), nullptr);
    dialog.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(dialog.grab());
  }
}
BENCHMARK(OpenOptions)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fibwick
