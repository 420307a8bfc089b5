#include "records/data_files.h"

#include <string_view>

#include "records/club_file.h"
#include "records/history_file.h"
#include "records/settings_file.h"
#include "records/text_file.h"

namespace fibwick {

int RemoveStaleDataTemporaries(const std::filesystem::path& programFolder) {
  const int beside = RemoveStaleTemporaries(programFolder, [](std::string_view name) {
    return name == SettingsFileName || name == ClubFileName || name == NetClubFileName;
  });
  const auto historyFolder = HistoryFilePath(programFolder, ClubFileName, 1).parent_path();
  const int inHistory = RemoveStaleTemporaries(
      historyFolder, [](std::string_view name) { return name.ends_with(".hst"); });
  return beside + inHistory;
}

}  // namespace fibwick
