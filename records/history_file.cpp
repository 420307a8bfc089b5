#include "records/history_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>

#include "base/fixed_field.h"
#include "records/catalogue.h"
#include "records/data_files.h"
#include "records/file_marker.h"
#include "records/number_format.h"
#include "records/short_date.h"
#include "records/text_file.h"

namespace fibwick {
namespace {

constexpr std::size_t SummedLength = 99;
constexpr std::size_t SumDigits = 5;
constexpr std::size_t TotalDigits = 10;
constexpr std::size_t TotalsLineMinimum = 30;
constexpr std::string_view DamagedMark = ".damaged";

using Sums = std::array<long long, 3>;

Sums SumsOf(std::string_view line) {
  Sums sums{};
  const auto summed = Cut(line, SummedLength);
  for (std::size_t i = 0; i < summed.size(); ++i) {
    const int byte = static_cast<unsigned char>(summed[i]);
    const std::size_t position = i + 1;
    sums[0] += byte;
    if (position % 2 == 1) sums[1] += byte;
    if (position % 3 == 0) sums[2] += byte;
  }
  return sums;
}

std::string Digits(const Sums& sums, std::size_t width) {
  std::string text;
  for (const auto sum : sums) text += PadNumber(sum, static_cast<int>(width), '0');
  return text;
}

Sums StoredChecksum(std::string_view line) {
  Sums sums{};
  for (std::size_t i = 0; i < sums.size(); ++i) {
    sums[i] =
        ParseInteger(Columns(line, 100 + i * SumDigits, 99 + (i + 1) * SumDigits)).value_or(-1);
  }
  return sums;
}

char KindLetter(HistoryKind kind) {
  constexpr std::array Letters{'L', 'A', 'T', 'N'};
  const auto index = static_cast<std::size_t>(kind);
  return index < Letters.size() ? Letters[index] : 'L';
}

// A number wider than its column is held at the column's limit so the line keeps its shape.
std::string Column(long long value, int width) {
  long long limit = 1;
  for (int i = 0; i < width; ++i) limit *= 10;
  return PadNumber(std::clamp(value, -(limit / 10 - 1), limit - 1), width);
}

std::string Sealed(std::string body) {
  return body + HistoryLineChecksum(body);
}

std::string ModificationDate(const std::filesystem::path& file) {
  struct stat info {};
  return ::stat(file.c_str(), &info) == 0 ? LocalShortDate(info.st_mtime) : std::string{};
}

// Whole, and its bytes still add up to its own checksum.
bool Intact(std::string_view line) {
  return line.size() >= HistoryLineLength && StoredChecksum(line) == SumsOf(line);
}

// The entry lines of a file, without its end and totals lines; of a damaged file, those that
// are still intact.
std::vector<std::string> EntryLines(const std::filesystem::path& file) {
  auto lines = ReadTextLines(file).value_or(std::vector<std::string>{});
  std::erase_if(lines,
                [](const std::string& line) { return line.starts_with('$') || !Intact(line); });
  return lines;
}

bool Exists(const std::filesystem::path& file) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(file, error));
}

}  // namespace

HistoryStamp HistoryStampAt(std::time_t moment) {
  return {LocalClockTime(moment), LocalShortDate(moment)};
}

std::filesystem::path HistoryFilePath(const std::filesystem::path& programFolder,
                                      std::string_view clubFileName, int number) {
  const auto stem = std::filesystem::path(clubFileName).stem().string();
  return programFolder / "History" / (stem + "_I" + PadNumber(number, 4, '0') + ".hst");
}

std::string HistoryLineChecksum(std::string_view line) {
  return Digits(SumsOf(line), SumDigits);
}

std::string HistoryEntryLine(const HistoryEntry& e, const HistoryStamp& stamp) {
  return Sealed(PadLeft(Cut(stamp.time, 5), 5) + PadLeft(Cut(stamp.date, 10), 10) +
                FitLeft(e.Player, 51) + Column(e.Games, 3) + Column(e.Result, 10) +
                FormatFixed2(10, std::clamp(e.Rating, -99.99, 99.99)) +
                FitLeft(std::string(1, KindLetter(e.Kind)), 10, '#'));
}

std::string HistoryEndLine() {
  return Sealed(FitLeft(std::string{'$', DataFileMarker, '}'}, SummedLength, '#'));
}

HistoryFileState ValidateHistoryFile(const std::filesystem::path& file) {
  const auto lines = ReadTextLines(file);
  if (!lines) return {};
  Sums totals{};
  int entries = 0;
  for (std::size_t i = 0; i < lines->size(); ++i) {
    const auto& line = (*lines)[i];
    // A changed checksum is as much damage as a changed entry.
    if (!Intact(line)) return {};
    const auto sums = SumsOf(line);
    for (std::size_t k = 0; k < totals.size(); ++k) totals[k] += sums[k];
    if (!line.starts_with('$')) {
      ++entries;
      continue;
    }
    if (i + 1 >= lines->size()) return {};
    const auto& last = (*lines)[i + 1];
    if (last.size() < TotalsLineMinimum ||
        Cut(last, 3 * TotalDigits) != Digits(totals, TotalDigits)) {
      return {};
    }
    return {true, entries, ModificationDate(file)};
  }
  return {};
}

WriteHistoryResult WriteHistory(const std::filesystem::path& programFolder,
                                std::string_view clubFileName,
                                const std::vector<HistoryEntry>& entries, const HistoryStamp& stamp,
                                std::optional<DamagedHistory>* damaged) {
  for (int number = 1; number <= HistoryFileLimit; ++number) {
    const auto file = HistoryFilePath(programFolder, clubFileName, number);
    const auto state = ValidateHistoryFile(file);
    if (state.valid && state.entries >= HistoryEntriesPerFile) continue;

    auto lines = EntryLines(file);
    const auto salvaged = static_cast<int>(lines.size());
    // A damaged file is never written over: one changed byte would cost every entry in it.
    std::optional<std::filesystem::path> aside;
    if (!state.valid && Exists(file)) {
      aside = SetAside(file, DamagedMark);
      if (!aside) return WriteHistoryResult::Failed;
    }
    for (const auto& entry : entries) lines.push_back(HistoryEntryLine(entry, stamp));
    lines.push_back(HistoryEndLine());
    Sums totals{};
    for (const auto& line : lines) {
      const auto sums = StoredChecksum(line);
      for (std::size_t k = 0; k < totals.size(); ++k) totals[k] += sums[k];
    }
    lines.push_back(Digits(totals, TotalDigits));

    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (!WriteFileAtomically(file, JoinLines(lines))) {
      if (aside) PutBack(*aside, file);
      return WriteHistoryResult::Failed;
    }
    if (aside && damaged != nullptr) *damaged = DamagedHistory{*aside, salvaged};
    return WriteHistoryResult::Written;
  }
  return WriteHistoryResult::Failed;
}

std::string DamagedHistoryMessage(const DamagedHistory& damaged) {
  return std::string(MessageText(MsgDamagedHistoryKept)) + QuotedPath(damaged.keptAs);
}

}  // namespace fibwick
