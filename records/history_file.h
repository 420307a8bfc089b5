#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// History\Fibwick_Innnn.hst: one 114-character line per finished session, an end line and a
// totals line. Each line ends in three 5-digit byte sums of its first 99 characters (all, odd
// positions, positions divisible by 3); the totals line adds them up over the whole file.
//   1-5 time   6-15 date   16-66 player   67-69 games   70-79 result   80-89 rating
//   90-99 kind   100-114 line checksum
namespace fibwick {

enum class HistoryKind : std::uint8_t { Local = 0, Account = 1, Tournament = 2, Network = 3 };

struct HistoryEntry {
  std::string Player;  // Windows-1251
  int Games = 0;
  int Result = 0;
  double Rating = 0.0;
  HistoryKind Kind = HistoryKind::Local;
};

inline constexpr std::size_t HistoryLineLength = 114;
inline constexpr int HistoryEntriesPerFile = 840;
inline constexpr int HistoryFileLimit = 9999;

// When an entry was written, as its line shows it.
struct HistoryStamp {
  std::string time;  // "hh:nn", see LocalClockTime
  std::string date;  // see LocalShortDate
};
HistoryStamp HistoryStampAt(std::time_t moment);

// <folder>/History/<club file name without extension>_I<nnnn>.hst
std::filesystem::path HistoryFilePath(const std::filesystem::path& programFolder,
                                      std::string_view clubFileName, int number);

// The three 5-digit sums of the first 99 characters.
std::string HistoryLineChecksum(std::string_view line);
std::string HistoryEntryLine(const HistoryEntry& entry, const HistoryStamp& stamp);
std::string HistoryEndLine();

struct HistoryFileState {
  bool valid = false;
  int entries = 0;
  std::string date;  // the file's modification date, as LocalShortDate writes it
};

HistoryFileState ValidateHistoryFile(const std::filesystem::path& file);

enum class WriteHistoryResult {
  Written,
  Failed,  // "Cann`t save history!"; the game goes on and the old file is untouched
};

// A damaged file the write met: kept under another name, its entries that still read carried
// into the file started in its place.
struct DamagedHistory {
  std::filesystem::path keptAs;
  int salvaged = 0;
};

// Appends to the first valid file with room; the first missing file is started anew, and so is
// the first damaged one, after it has been set aside (told through `damaged`).
WriteHistoryResult WriteHistory(const std::filesystem::path& programFolder,
                                std::string_view clubFileName,
                                const std::vector<HistoryEntry>& entries, const HistoryStamp& stamp,
                                std::optional<DamagedHistory>* damaged = nullptr);

// What the player is told of a damaged file set aside.
std::string DamagedHistoryMessage(const DamagedHistory& damaged);

}  // namespace fibwick
