// The command line every pack generator shares:
//   <tool> <pack file name> <output path> [inputs...]
#pragma once

#include <QStringList>
#include <functional>
#include <span>
#include <string_view>

#include "pack_writer.h"

namespace fibwick::packgen {

struct PackRecipe {
  std::string_view fileName;  // "NuvCards06A.dll"
  // Adds every entry of the pack; false (with a message on stderr) when a source is unusable.
  std::function<bool(PackWriter&, const QStringList& inputs)> fill;
};

// Draws the named pack with its recipe and writes it; prints the entry count, size and time.
int RunPackTool(int argc, char** argv, std::span<const PackRecipe> recipes);

}  // namespace fibwick::packgen
