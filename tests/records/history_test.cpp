#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>

#include "base/fixed_field.h"
#include "records/catalogue.h"
#include "records/history_file.h"
#include "records/history_view.h"
#include "records/short_date.h"
#include "records_support.h"

namespace fibwick {
namespace {

using testing::CrLfLines;
using testing::ReadBytes;
using testing::SplitCrLf;
using testing::TempFolder;
using testing::WriteBytes;

const HistoryStamp Stamp{" 9:05", "12/10/26"};

// The three sums of the first 99 bytes, as the file format defines them.
std::array<long, 3> Sums(const std::string& line) {
  std::array<long, 3> sums{};
  for (std::size_t i = 0; i < 99; ++i) {
    const auto byte = static_cast<unsigned char>(line[i]);
    sums[0] += byte;
    if ((i + 1) % 2 == 1) sums[1] += byte;
    if ((i + 1) % 3 == 0) sums[2] += byte;
  }
  return sums;
}

std::string WithChecksum(const std::string& body) {
  const auto s = Sums(body);
  char text[64];
  std::snprintf(text, sizeof text, "%05ld%05ld%05ld", s[0], s[1], s[2]);
  return body + text;
}

std::string Totals(const std::vector<std::string>& lines) {
  std::array<long, 3> totals{};
  for (const auto& line : lines) {
    const auto s = Sums(line);
    for (std::size_t k = 0; k < 3; ++k) totals[k] += s[k];
  }
  char text[64];
  std::snprintf(text, sizeof text, "%010ld%010ld%010ld", totals[0], totals[1], totals[2]);
  return text;
}

const std::string EndLine = WithChecksum("$z}" + std::string(96, '#'));

std::string EntryBody(const std::string& player) {
  return " 9:05" + std::string("  12/10/26") + FitLeft(player, 51) + "  3" + "        20" +
         "     -3,50" + "L#########";
}

// A history file built without the code under test.
void WriteHandMadeFile(const std::filesystem::path& file, int entries) {
  std::vector<std::string> lines;
  for (int i = 0; i < entries; ++i)
    lines.push_back(WithChecksum(EntryBody("P" + std::to_string(i))));
  lines.push_back(EndLine);
  lines.push_back(Totals(lines));
  std::filesystem::create_directories(file.parent_path());
  WriteBytes(file, CrLfLines(lines));
}

const HistoryEntry Anna{"Anna", 3, 20, -3.5, HistoryKind::Local};

TEST(History, FirstSessionCreatesFileOneWithOneEntry) {
  TempFolder folder;
  ASSERT_EQ(WriteHistory(folder.path(), "Fibwick.clb", {Anna}, Stamp), WriteHistoryResult::Written);
  const auto file = folder.path() / "History" / "Fibwick_I0001.hst";
  const auto lines = SplitCrLf(ReadBytes(file));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], WithChecksum(EntryBody("Anna")));
  EXPECT_EQ(lines[0].size(), 114u);
  EXPECT_EQ(lines[0].substr(79, 10), "     -3,50");
  EXPECT_EQ(lines[1], EndLine);
  EXPECT_EQ(lines[2], Totals({lines[0], lines[1]}));

  const auto state = ValidateHistoryFile(file);
  EXPECT_TRUE(state.valid);
  EXPECT_EQ(state.entries, 1);
  EXPECT_FALSE(state.date.empty());
}

TEST(History, EntryFieldsOfEveryKind) {
  struct Case {
    HistoryEntry entry;
    std::string columns67to99;
  };
  for (const Case& c : {
           Case{{"N", 12, -40, 0.0, HistoryKind::Network}, " 12       -40      0,00N#########"},
           Case{{"A", 1, 10, 10.0, HistoryKind::Account}, "  1        10     10,00A#########"},
           Case{{"T", 1, 0, 99.99, HistoryKind::Tournament}, "  1         0     99,99T#########"},
           Case{{"L", 1234, 0, 0.0, HistoryKind::Local}, "999         0      0,00L#########"},
       }) {
    const auto line = HistoryEntryLine(c.entry, Stamp);
    EXPECT_EQ(line.size(), 114u);
    EXPECT_EQ(line.substr(66, 33), c.columns67to99) << c.entry.Player;
  }
  const auto longName =
      HistoryEntryLine({std::string(60, 'x'), 1, 0, 0, HistoryKind::Local}, Stamp);
  EXPECT_EQ(longName.substr(15, 52), std::string(51, 'x') + " ");
}

TEST(History, The841stEntryOpensFileTwo) {
  TempFolder folder;
  const auto first = HistoryFilePath(folder.path(), "Fibwick.clb", 1);
  WriteHandMadeFile(first, 839);
  ASSERT_EQ(ValidateHistoryFile(first).entries, 839);

  ASSERT_EQ(WriteHistory(folder.path(), "Fibwick.clb", {Anna}, Stamp), WriteHistoryResult::Written);
  EXPECT_EQ(ValidateHistoryFile(first).entries, 840);
  const auto second = HistoryFilePath(folder.path(), "Fibwick.clb", 2);
  EXPECT_FALSE(std::filesystem::exists(second));

  ASSERT_EQ(WriteHistory(folder.path(), "Fibwick.clb", {Anna}, Stamp), WriteHistoryResult::Written);
  EXPECT_EQ(ValidateHistoryFile(first).entries, 840);
  EXPECT_EQ(ValidateHistoryFile(second).entries, 1);
  EXPECT_EQ(ListHistoryFiles(folder.path(), "Fibwick.clb").size(), 2u);
}

std::vector<std::string> Players(const std::filesystem::path& file) {
  std::vector<std::string> players;
  for (const auto& row : ReadHistoryRows(file)) players.push_back(row.columns[2]);
  return players;
}

char Changed(char c) {
  return c == '0' ? '1' : '0';
}

// Whatever the damage, the file is kept aside byte for byte and the entries that still add up
// go on in the file started in its place.
TEST(History, ADamagedFileIsKeptAsideAndItsIntactEntriesGoOn) {
  struct Case {
    const char* what;
    std::function<std::string(std::vector<std::string>)> damage;  // the hand-made lines in
    std::vector<std::string> kept;
  };
  const Case cases[] = {
      {"a result edited",
       [](auto lines) {
         lines[1][70] = '9';
         return CrLfLines(lines);
       },
       {"P0", "P2", "P3"}},
      {"a checksum digit changed",
       [](auto lines) {
         lines[3][113] = Changed(lines[3][113]);
         return CrLfLines(lines);
       },
       {"P0", "P1", "P2"}},
      {"the totals changed",
       [](auto lines) {
         lines[5][0] = Changed(lines[5][0]);
         return CrLfLines(lines);
       },
       {"P0", "P1", "P2", "P3"}},
      {"the end line gone",
       [](auto lines) {
         lines.erase(lines.begin() + 4);
         return CrLfLines(lines);
       },
       {"P0", "P1", "P2", "P3"}},
      {"cut inside the third entry",
       [](auto lines) { return CrLfLines(lines).substr(0, 2 * 116 + 50); },
       {"P0", "P1"}},
      {"empty", [](auto) { return std::string(); }, {}},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    const auto file = HistoryFilePath(folder.path(), "Fibwick.clb", 1);
    WriteHandMadeFile(file, 4);
    const std::string damaged = c.damage(SplitCrLf(ReadBytes(file)));
    WriteBytes(file, damaged);
    ASSERT_FALSE(ValidateHistoryFile(file).valid) << c.what;
    EXPECT_TRUE(ListHistoryFiles(folder.path(), "Fibwick.clb").empty()) << c.what;

    std::optional<DamagedHistory> report;
    ASSERT_EQ(WriteHistory(folder.path(), "Fibwick.clb", {Anna}, Stamp, &report),
              WriteHistoryResult::Written)
        << c.what;
    ASSERT_TRUE(report) << c.what;
    EXPECT_EQ(report->keptAs, file.string() + ".damaged") << c.what;
    EXPECT_EQ(ReadBytes(report->keptAs), damaged) << c.what;
    EXPECT_EQ(report->salvaged, static_cast<int>(c.kept.size())) << c.what;

    auto expected = c.kept;
    expected.push_back("Anna");
    EXPECT_EQ(Players(file), expected) << c.what;
    EXPECT_EQ(ValidateHistoryFile(file).entries, static_cast<int>(expected.size())) << c.what;
    EXPECT_EQ(ListHistoryFiles(folder.path(), "Fibwick.clb").size(), 1u) << c.what;
  }
}

TEST(History, TheDamageIsReportedOnceAndEveryDamagedCopyKeepsItsOwnName) {
  TempFolder folder;
  const auto file = HistoryFilePath(folder.path(), "Fibwick.clb", 1);
  WriteHandMadeFile(file, 2);
  const auto damage = [&] {
    auto lines = SplitCrLf(ReadBytes(file));
    lines[0][20] = 'x';
    WriteBytes(file, CrLfLines(lines));
    return ReadBytes(file);
  };
  const std::string first = damage();

  std::optional<DamagedHistory> report;
  ASSERT_EQ(WriteHistory(folder.path(), "Fibwick.clb", {Anna}, Stamp, &report),
            WriteHistoryResult::Written);
  ASSERT_TRUE(report);
  EXPECT_EQ(DamagedHistoryMessage(*report), std::string(MessageText(MsgDamagedHistoryKept)) +
                                                " \"" + report->keptAs.string() + "\"!");
  report.reset();
  ASSERT_EQ(WriteHistory(folder.path(), "Fibwick.clb", {Anna}, Stamp, &report),
            WriteHistoryResult::Written);
  EXPECT_FALSE(report);
  EXPECT_EQ(Players(file), (std::vector<std::string>{"P1", "Anna", "Anna"}));

  const std::string second = damage();
  ASSERT_EQ(WriteHistory(folder.path(), "Fibwick.clb", {Anna}, Stamp, &report),
            WriteHistoryResult::Written);
  ASSERT_TRUE(report);
  EXPECT_EQ(report->keptAs, file.string() + ".damaged2");
  EXPECT_EQ(ReadBytes(file.string() + ".damaged"), first);
  EXPECT_EQ(ReadBytes(file.string() + ".damaged2"), second);
  EXPECT_EQ(Players(file), (std::vector<std::string>{"Anna", "Anna", "Anna"}));
}

TEST(History, DamageThatMakesAFileInvalid) {
  TempFolder folder;
  const auto file = HistoryFilePath(folder.path(), "Fibwick.clb", 1);
  WriteHandMadeFile(file, 2);
  const auto good = SplitCrLf(ReadBytes(file));
  auto noTotals = good;
  noTotals.pop_back();
  auto noEnd = good;
  noEnd.erase(noEnd.end() - 2, noEnd.end());
  auto shortLine = good;
  shortLine[1].pop_back();
  auto wrongTotals = good;
  wrongTotals[3][29] = wrongTotals[3][29] == '0' ? '1' : '0';
  auto editedChecksum = good;
  editedChecksum[0][113] = editedChecksum[0][113] == '0' ? '1' : '0';
  for (const auto& lines : {noTotals, noEnd, shortLine, wrongTotals, editedChecksum}) {
    WriteBytes(file, CrLfLines(lines));
    EXPECT_FALSE(ValidateHistoryFile(file).valid);
  }
  EXPECT_FALSE(ValidateHistoryFile(folder / "missing.hst").valid);
}

TEST(History, ViewerListsFilesUpToTheFirstGapAndShowsSevenColumns) {
  TempFolder folder;
  WriteHandMadeFile(HistoryFilePath(folder.path(), "Fibwick.clb", 1), 1);
  WriteHandMadeFile(HistoryFilePath(folder.path(), "Fibwick.clb", 3), 1);
  const auto files = ListHistoryFiles(folder.path(), "Fibwick.clb");
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].number, 1);
  EXPECT_TRUE(files[0].label.starts_with("File I0001 ")) << files[0].label;

  ASSERT_EQ(WriteHistory(folder.path(), "Fibwick.net",
                         {{"Al/Bo", 1, 10, 1.0, HistoryKind::Network}}, Stamp),
            WriteHistoryResult::Written);
  // Both club files share one history: the network game joins file 0001.
  const auto rows = ReadHistoryRows(HistoryFilePath(folder.path(), "Fibwick.clb", 1));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].columns[6], "Local");
  EXPECT_EQ(rows[0].columns[5], "-3,50");
  const std::array<std::string, 7> net{"9:05", "12/10/26", "Al/Bo", "1", "10", "1,00", "Net"};
  EXPECT_EQ(rows[1].columns, net);
  EXPECT_EQ(rows[1].kind, HistoryKind::Network);
}

TEST(History, TimeAndShortDateOfTheMoment) {
  std::tm moment{};
  moment.tm_year = 2026 - 1900;
  moment.tm_mon = 11;
  moment.tm_mday = 10;
  moment.tm_hour = 9;
  moment.tm_min = 5;
  moment.tm_isdst = -1;
  const std::time_t morning = std::mktime(&moment);
  EXPECT_EQ(LocalClockTime(morning), " 9:05");
  EXPECT_EQ(LocalClockTime(morning + 5 * 3600 + 25 * 60), "14:30");

  const char* saved = std::getenv("LC_ALL");
  const std::string previous = saved ? saved : "";
  ::setenv("LC_ALL", "C", 1);
  EXPECT_EQ(LocalShortDate(morning), "12/10/26");
  const auto stamp = HistoryStampAt(morning);
  EXPECT_EQ(stamp.time, " 9:05");
  EXPECT_EQ(stamp.date, "12/10/26");
  if (saved) {
    ::setenv("LC_ALL", previous.c_str(), 1);
  } else {
    ::unsetenv("LC_ALL");
  }
}

}  // namespace
}  // namespace fibwick
