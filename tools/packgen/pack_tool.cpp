#include "pack_tool.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>

namespace fibwick::packgen {

int RunPackTool(int argc, char** argv, std::span<const PackRecipe> recipes) {
  QGuiApplication app(argc, argv);
  const auto usage = [&] {
    std::fprintf(stderr, "usage: %s <pack file> <output path> [inputs...]\npacks:", argv[0]);
    for (const PackRecipe& recipe : recipes) {
      std::fprintf(stderr, " %.*s", static_cast<int>(recipe.fileName.size()),
                   recipe.fileName.data());
    }
    std::fprintf(stderr, "\n");
    return 2;
  };
  if (argc < 3) return usage();
  const std::string_view name = argv[1];
  const auto recipe = std::find_if(recipes.begin(), recipes.end(),
                                   [&](const PackRecipe& r) { return r.fileName == name; });
  if (recipe == recipes.end()) return usage();

  QStringList inputs;
  for (int i = 3; i < argc; ++i) inputs << QString::fromLocal8Bit(argv[i]);
  const QString output = QString::fromLocal8Bit(argv[2]);

  QElapsedTimer clock;
  clock.start();
  PackWriter pack;
  if (!recipe->fill(pack, inputs) || !pack.Save(output)) {
    std::fprintf(stderr, "%s: not written\n", argv[1]);
    return 1;
  }
  std::printf("%s: %d entries, %.1f MB, drawn in %.1f s\n", argv[1], pack.Count(),
              static_cast<double>(QFileInfo(output).size()) / 1e6,
              static_cast<double>(clock.elapsed()) / 1e3);
  return 0;
}

}  // namespace fibwick::packgen
