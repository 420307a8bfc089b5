#pragma once

#include <filesystem>

namespace fibwick {

// Where the settings, club and history files live: the executable's folder when it is writable
// (a portable install), else $XDG_DATA_HOME/Fibwick/Game, which gets the club files shipped
// beside the executable on first use.
std::filesystem::path ResolveProgramFolder(const std::filesystem::path& executableFolder);

}  // namespace fibwick
