#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "records/paths_document.h"
#include "records/settings.h"

// Fibwick.ini: 35 lines read and written by position, with marker lines between the groups.
namespace fibwick {

inline constexpr const char* SettingsFileName = "Fibwick.ini";
inline constexpr int SettingsLineCount = 35;

// Defaults, then the values of the file up to its first invalid line, then the service
// addresses named by the paths document (when one is given).
Settings LoadSettings(const std::filesystem::path& file, PathsDocument* paths);

// The 35 lines of the file, without line ends.
std::vector<std::string> SettingsLines(const Settings& settings);

enum class SaveSettingsResult {
  Saved,
  Skipped,  // the club check failed at start-up: the program is closing and writes nothing
  Failed,   // show MsgCantSaveOptions; the old file is untouched
};

// Replaces the file as a whole (after one retry on failure).
SaveSettingsResult SaveSettings(const std::filesystem::path& file, const Settings& settings,
                                bool clubCheckFailed);

}  // namespace fibwick
