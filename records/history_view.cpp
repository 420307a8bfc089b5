#include "records/history_view.h"

#include "base/fixed_field.h"
#include "records/number_format.h"
#include "records/text_file.h"

namespace fibwick {
namespace {

struct KindName {
  char letter;
  HistoryKind kind;
  const char* word;  // the same in every language
};

constexpr std::array KindNames{
    KindName{'L', HistoryKind::Local, "Local"},
    KindName{'N', HistoryKind::Network, "Net"},
    KindName{'A', HistoryKind::Account, "Account"},
    KindName{'T', HistoryKind::Tournament, "Tourney"},
};

constexpr std::array<std::pair<std::size_t, std::size_t>, 6> TextColumns{
    {{1, 5}, {6, 15}, {16, 66}, {67, 69}, {70, 79}, {80, 89}}};

}  // namespace

std::vector<HistoryRow> ReadHistoryRows(const std::filesystem::path& file) {
  std::vector<HistoryRow> rows;
  for (const auto& line : ReadTextLines(file).value_or(std::vector<std::string>{})) {
    if (line.starts_with('$')) break;
    HistoryRow row;
    for (std::size_t i = 0; i < TextColumns.size(); ++i) {
      row.columns[i] =
          std::string(Trim(Columns(line, TextColumns[i].first, TextColumns[i].second)));
    }
    const auto kindLetter = Columns(line, 90, 90);
    for (const auto& name : KindNames) {
      if (kindLetter == std::string_view(&name.letter, 1)) {
        row.columns[6] = name.word;
        row.kind = name.kind;
      }
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<HistoryFileItem> ListHistoryFiles(const std::filesystem::path& programFolder,
                                              std::string_view clubFileName) {
  std::vector<HistoryFileItem> items;
  for (int number = 1; number <= HistoryFileLimit; ++number) {
    const auto state = ValidateHistoryFile(HistoryFilePath(programFolder, clubFileName, number));
    if (!state.valid) break;
    items.push_back({number, "File I" + PadNumber(number, 4, '0') + " " + state.date});
  }
  return items;
}

}  // namespace fibwick
