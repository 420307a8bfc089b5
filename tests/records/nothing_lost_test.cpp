#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <functional>

#include "records/club_members.h"
#include "records/history_file.h"
#include "records/settings_file.h"
#include "records_support.h"

namespace fibwick {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

// Lets no write reach past `bytes` in any file, as a full disk would, for as long as it lives.
class DiskFullAfter {
 public:
  explicit DiskFullAfter(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~DiskFullAfter() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  DiskFullAfter(const DiskFullAfter&) = delete;
  DiskFullAfter& operator=(const DiskFullAfter&) = delete;

 private:
  rlimit saved_{};
  void (*oldHandler_)(int) = nullptr;
};

std::size_t FilesIn(const std::filesystem::path& folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

// Runs a failing write and checks that the old file is whole and nothing was left beside it.
void ExpectOldFileSurvives(const std::filesystem::path& file, const std::function<bool()>& write) {
  const auto before = ReadBytes(file);
  const auto filesBefore = FilesIn(file.parent_path());
  bool failed = false;
  {
    DiskFullAfter full(40);
    failed = write();
  }
  EXPECT_TRUE(failed);
  EXPECT_EQ(ReadBytes(file), before);
  EXPECT_EQ(FilesIn(file.parent_path()), filesBefore);
}

TEST(NothingLost, SettingsFile) {
  TempFolder folder;
  const auto file = folder / SettingsFileName;
  Settings s;
  s.Language = 2;
  ASSERT_EQ(SaveSettings(file, s, false), SaveSettingsResult::Saved);
  ExpectOldFileSurvives(
      file, [&] { return SaveSettings(file, Settings{}, false) == SaveSettingsResult::Failed; });
  EXPECT_EQ(LoadSettings(file, nullptr).Language, 2);
}

TEST(NothingLost, ClubFile) {
  TempFolder folder;
  const auto file = folder / ClubFileName;
  auto lines = NewClubLines({{"Ann", 100}}, "", "");
  lines[0] = FormatMemberLine({"Ann", 5, 20, 0, EncodePassword("a")});
  ASSERT_TRUE(WriteClubFile(file, lines));
  ExpectOldFileSurvives(file, [&] { return !WriteClubFile(file, NewClubLines({}, "", "")); });
  ExpectOldFileSurvives(file, [&] {
    return EndClubSession(file, 1, {"Ann", 6, 40, 10, EncodePassword("a")}, true).status ==
           ClubUpdateStatus::WriteFailed;
  });
  EXPECT_EQ(CheckClubFile(file).outcome, ClubCheckOutcome::Valid);
}

TEST(NothingLost, HistoryFile) {
  TempFolder folder;
  const HistoryEntry entry{"Ann", 1, 10, 10.0, HistoryKind::Local};
  const HistoryStamp stamp{"10:00", "12/10/26"};
  ASSERT_EQ(WriteHistory(folder.path(), ClubFileName, {entry}, stamp), WriteHistoryResult::Written);
  const auto file = HistoryFilePath(folder.path(), ClubFileName, 1);
  ExpectOldFileSurvives(file, [&] {
    return WriteHistory(folder.path(), ClubFileName, {entry}, stamp) == WriteHistoryResult::Failed;
  });
  EXPECT_EQ(ValidateHistoryFile(file).entries, 1);
}

// A damaged file is set aside before its replacement is written: when that write fails, it is
// back under its own name.
TEST(NothingLost, DamagedHistoryFile) {
  TempFolder folder;
  const HistoryEntry entry{"Ann", 1, 10, 10.0, HistoryKind::Local};
  const HistoryStamp stamp{"10:00", "12/10/26"};
  ASSERT_EQ(WriteHistory(folder.path(), ClubFileName, {entry, entry}, stamp),
            WriteHistoryResult::Written);
  const auto file = HistoryFilePath(folder.path(), ClubFileName, 1);
  auto bytes = ReadBytes(file);
  bytes[30] = 'x';
  testing::WriteBytes(file, bytes);
  ExpectOldFileSurvives(file, [&] {
    return WriteHistory(folder.path(), ClubFileName, {entry}, stamp) == WriteHistoryResult::Failed;
  });
}

}  // namespace
}  // namespace fibwick
