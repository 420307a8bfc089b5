#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "records/history_file.h"

// What the history window shows: the list of files and the rows of one of them.
namespace fibwick {

struct HistoryRow {
  // Time, Date, Player, Games, Result, Rating, Type; Windows-1251, trimmed.
  std::array<std::string, 7> columns;
  HistoryKind kind = HistoryKind::Local;  // colours the row
};

// The entry lines of a file, up to its end line.
std::vector<HistoryRow> ReadHistoryRows(const std::filesystem::path& file);

struct HistoryFileItem {
  int number = 0;
  std::string label;  // "File I0001 12/10/26"
};

// Every valid file from 1 upward, up to the first missing or damaged one.
std::vector<HistoryFileItem> ListHistoryFiles(const std::filesystem::path& programFolder,
                                              std::string_view clubFileName);

}  // namespace fibwick
