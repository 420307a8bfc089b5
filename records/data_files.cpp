#include "records/data_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "records/club_file.h"
#include "records/history_file.h"
#include "records/settings_file.h"
#include "records/text_file.h"

namespace fibwick {
namespace {

// Far more damaged copies than anyone keeps; the limit is for a folder that refuses every name.
constexpr int SetAsideNames = 999;

// Fails with EEXIST when `to` is taken.
bool RenameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system that cannot refuse a taken name in the rename itself.
  if (::access(to.c_str(), F_OK) == 0) {
    errno = EEXIST;
    return false;
  }
  return ::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace

int RemoveStaleDataTemporaries(const std::filesystem::path& programFolder) {
  const int beside = RemoveStaleTemporaries(programFolder, [](std::string_view name) {
    return name == SettingsFileName || name == ClubFileName || name == NetClubFileName;
  });
  const auto historyFolder = HistoryFilePath(programFolder, ClubFileName, 1).parent_path();
  const int inHistory = RemoveStaleTemporaries(
      historyFolder, [](std::string_view name) { return name.ends_with(".hst"); });
  return beside + inHistory;
}

std::optional<std::filesystem::path> SetAside(const std::filesystem::path& file,
                                              std::string_view mark) {
  for (int number = 1; number <= SetAsideNames; ++number) {
    auto aside = file;
    aside += std::string(mark) + (number == 1 ? "" : std::to_string(number));
    if (RenameWithoutReplacing(file, aside)) return aside;
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

bool PutBack(const std::filesystem::path& aside, const std::filesystem::path& file) {
  return RenameWithoutReplacing(aside, file);
}

std::string QuotedPath(const std::filesystem::path& file) {
  return " \"" + file.string() + "\"!";
}

}  // namespace fibwick
