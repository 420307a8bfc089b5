// The table backgrounds of the pack: every style in every colour but the built-in green felt.
#pragma once

#include "pack_writer.h"

namespace fibwick::packgen {

bool AddBackgrounds(PackWriter& pack);

}  // namespace fibwick::packgen
