#pragma once

#include <filesystem>

// The files the program writes in its folder: the settings, the two club files and the
// history files.
namespace fibwick {

// At start, before any of them is written: removes the temporaries that writes killed with the
// program left beside them. Returns how many went.
int RemoveStaleDataTemporaries(const std::filesystem::path& programFolder);

}  // namespace fibwick
