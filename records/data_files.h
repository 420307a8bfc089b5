#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The files the program writes in its folder: the settings, the two club files and the
// history files.
namespace fibwick {

// At start, before any of them is written: removes the temporaries that writes killed with the
// program left beside them. Returns how many went.
int RemoveStaleDataTemporaries(const std::filesystem::path& programFolder);

// Moves a file out of the way under the first free name of `file` + `mark`, then + `mark` +
// "2", "3" and so on; never replaces another file. The new name, or nothing when it could not
// be moved.
std::optional<std::filesystem::path> SetAside(const std::filesystem::path& file,
                                              std::string_view mark);

// Moves a file set aside back to its name, unless another file has taken that name meanwhile.
bool PutBack(const std::filesystem::path& aside, const std::filesystem::path& file);

// A file named in a message: " \"" + path + "\"!".
std::string QuotedPath(const std::filesystem::path& file);

}  // namespace fibwick
