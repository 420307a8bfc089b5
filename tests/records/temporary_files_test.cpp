#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <set>

#include "records/club_file.h"
#include "records/data_files.h"
#include "records/history_file.h"
#include "records/settings_file.h"
#include "records/text_file.h"
#include "records_support.h"

namespace fibwick {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// Each writer of the program folder; `version` changes what is written.
struct Writer {
  std::string name;
  std::function<fs::path(const fs::path& folder)> file;
  std::function<bool(const fs::path& folder, int version)> write;  // true when it reports success
};

std::vector<Writer> Writers() {
  return {
      {"settings", [](const fs::path& folder) { return folder / SettingsFileName; },
       [](const fs::path& folder, int version) {
         Settings s;
         s.Language = version;
         return SaveSettings(folder / SettingsFileName, s, false) == SaveSettingsResult::Saved;
       }},
      {"club", [](const fs::path& folder) { return folder / ClubFileName; },
       [](const fs::path& folder, int version) {
         return WriteClubFile(folder / ClubFileName,
                              NewClubLines({{"Ann", 100 + version}}, "", ""));
       }},
      {"history", [](const fs::path& folder) { return HistoryFilePath(folder, ClubFileName, 1); },
       [](const fs::path& folder, int version) {
         const HistoryEntry entry{"Ann", version, 10, 1.0, HistoryKind::Local};
         return WriteHistory(folder, ClubFileName, {entry}, {"10:00", "12/10/26"}) ==
                WriteHistoryResult::Written;
       }},
  };
}

// Every file and folder under `folder`, by its relative path.
std::set<std::string> Listing(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    names.insert(fs::relative(entry.path(), folder).string());
  }
  return names;
}

// Runs `body` in a child process: its exit code, or minus the signal that killed it.
int InChild(const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(body());
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

void LimitFileSize(rlim_t bytes) {
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = bytes;
  ::setrlimit(RLIMIT_FSIZE, &limit);
}

// A process that reused the pid of a killed one finds the temporaries under the names the
// killed one used, with its own number.
TEST(TemporaryFiles, LeftoversUnderOurOwnProcessNumberDoNotBlockAWrite) {
  for (const auto& writer : Writers()) {
    TempFolder folder;
    const auto file = writer.file(folder.path());
    fs::create_directories(file.parent_path());
    for (int n = 0; n < 1000; ++n) {
      auto stale = file;
      stale += ".~" + std::to_string(::getpid()) + "-" + std::to_string(n);
      WriteBytes(stale, "half");
    }
    EXPECT_TRUE(writer.write(folder.path(), 1)) << writer.name;
    EXPECT_TRUE(writer.write(folder.path(), 2)) << writer.name;
  }
}

TEST(TemporaryFiles, AFileSizeLimitIsAReportedFailure) {
  for (const auto& writer : Writers()) {
    TempFolder folder;
    ASSERT_TRUE(writer.write(folder.path(), 1)) << writer.name;
    const auto file = writer.file(folder.path());
    const auto before = ReadBytes(file);
    const auto listing = Listing(folder.path());
    const int outcome = InChild([&] {
      IgnoreFileSizeSignal();
      LimitFileSize(40);
      return writer.write(folder.path(), 2) ? 1 : 0;
    });
    EXPECT_EQ(outcome, 0) << writer.name << ": 1 is a write reported as done, below 0 a kill";
    EXPECT_EQ(ReadBytes(file), before) << writer.name;
    EXPECT_EQ(Listing(folder.path()), listing) << writer.name;
  }
}

// A program killed in the middle of a write keeps the old file; what it left beside it goes at
// the next start, and the next write works.
TEST(TemporaryFiles, AKilledWriteIsClearedAtTheNextStart) {
  for (const auto& writer : Writers()) {
    TempFolder folder;
    ASSERT_TRUE(writer.write(folder.path(), 1)) << writer.name;
    const auto file = writer.file(folder.path());
    const auto before = ReadBytes(file);
    const auto listing = Listing(folder.path());
    const int outcome = InChild([&] {
      std::signal(SIGXFSZ, SIG_DFL);
      LimitFileSize(40);
      return writer.write(folder.path(), 2) ? 1 : 0;
    });
    ASSERT_EQ(outcome, -SIGXFSZ) << writer.name;
    EXPECT_EQ(ReadBytes(file), before) << writer.name;
    EXPECT_EQ(Listing(folder.path()).size(), listing.size() + 1) << writer.name;

    EXPECT_EQ(RemoveStaleDataTemporaries(folder.path()), 1) << writer.name;
    EXPECT_EQ(Listing(folder.path()), listing) << writer.name;
    EXPECT_TRUE(writer.write(folder.path(), 3)) << writer.name;
  }
}

// The club files shipped with the program are copied on first use; a copy cut short must not
// leave a part of one that every later start would refuse.
TEST(TemporaryFiles, AKilledCopyLeavesNoPartOfTheFile) {
  TempFolder folder;
  const auto shipped = folder / "shipped";
  fs::create_directories(shipped);
  WriteBytes(shipped / ClubFileName, std::string(1000, 'c'));
  const auto copy = folder / ClubFileName;
  const int outcome = InChild([&] {
    std::signal(SIGXFSZ, SIG_DFL);
    LimitFileSize(40);
    return CopyFileAtomically(shipped / ClubFileName, copy) ? 1 : 0;
  });
  ASSERT_EQ(outcome, -SIGXFSZ);
  EXPECT_FALSE(fs::exists(copy));
  EXPECT_EQ(RemoveStaleDataTemporaries(folder.path()), 1);
  EXPECT_EQ(Listing(folder.path()), (std::set<std::string>{"shipped", "shipped/Fibwick.clb"}));
  ASSERT_TRUE(CopyFileAtomically(shipped / ClubFileName, copy));
  EXPECT_EQ(ReadBytes(copy), std::string(1000, 'c'));
  EXPECT_FALSE(CopyFileAtomically(shipped / NetClubFileName, folder / NetClubFileName));
  EXPECT_FALSE(fs::exists(folder / NetClubFileName));
}

TEST(TemporaryFiles, CleaningTakesOnlyOurOwnLeftovers) {
  TempFolder folder;
  const auto& root = folder.path();
  fs::create_directories(root / "History");
  for (const char* leftover :
       {"Fibwick.ini.~4242-0", "Fibwick.ini.~0123456789", "Fibwick.clb.~k3j4h5g6q0",
        "Fibwick.net.~99-17", "History/Fibwick_I0001.hst.~77-0",
        "History/Fibwick_I0002.hst.~abcdefghij"}) {
    WriteBytes(root / leftover, "half");
  }
  const std::set<std::string> kept{"Fibwick.ini",
                                   "Fibwick.clb",
                                   "Fibwick.ini.bak",
                                   "Fibwick.ini~",
                                   "Fibwick.ini.~",
                                   "Fibwick.ini.~12-",
                                   "Fibwick.ini.~ab.cd",
                                   "Fibwick.ini.~ABCDEFGHIJ",
                                   "Fibwick.ini.~abc",
                                   "notes.txt.~12-0",
                                   "Fibwick.hst.~12-0",
                                   "History/readme.txt.~12-0",
                                   "History/Fibwick_I0001.hst",
                                   "Fibwick.clb.~runner0001"};
  for (const auto& name : kept) WriteBytes(root / name, "x");
  fs::create_directories(root / "Fibwick.net.~1-1");
  // A temporary that a writer still holds, as a second copy of the game would.
  const int held = ::open((root / "Fibwick.clb.~runner0001").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(held, 0);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);

  EXPECT_EQ(RemoveStaleDataTemporaries(root), 6);
  ::close(held);
  auto expected = kept;
  expected.insert("History");
  expected.insert("Fibwick.net.~1-1");
  EXPECT_EQ(Listing(root), expected);
}

}  // namespace
}  // namespace fibwick
