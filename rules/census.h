#pragma once

#include <optional>
#include <string>

#include "rules/table.h"

namespace fibwick::rules {

// Every card of the deck exactly once across the hands, the pile and the discard, and the last
// put on the pile; the first broken rule in words, or nothing.
std::optional<std::string> CensusProblem(const Table& table);

}  // namespace fibwick::rules
