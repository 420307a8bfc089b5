// Writes new club files (Fibwick.clb and Fibwick.net) into a folder.
// Usage: fibwick-clubgen [--if-missing] <folder>
// With --if-missing an existing file is left exactly as it is: players' records are never
// overwritten by a build.
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "records/club_file.h"

namespace {

// The top ten a new club starts with: scores a first cycle of 20 games can beat.
const std::vector<std::pair<std::string, int>> InitialTopTen{
    {"Phileas Fogg", 120},    {"Captain Nemo", 100},
    {"Passepartout", 90},     {"Lemuel Gulliver", 80},
    {"Robinson Crusoe", 70},  {"Tom Sawyer", 60},
    {"Huckleberry Finn", 50}, {"Baron Munchausen", 40},
    {"Sherlock Holmes", 30},  {"Mr.X", 20},
};

// Line 16 after "z}", and the first ten characters of line 17 with the edition marker "lnx" at
// positions 7-9.
constexpr std::string_view FixedLine16 = "Fibwick local club GPL-3+";
constexpr std::string_view FixedLine17 = "Fibwk-lnx#";

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const bool ifMissing = !args.empty() && args.front() == "--if-missing";
  if (args.size() != (ifMissing ? 2u : 1u)) {
    std::cerr << "usage: fibwick-clubgen [--if-missing] <folder>\n";
    return 2;
  }
  const std::filesystem::path folder(args.back());
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  int failures = 0;
  for (const char* name : {fibwick::ClubFileName, fibwick::NetClubFileName}) {
    const auto file = folder / name;
    if (ifMissing && std::filesystem::exists(file, error)) continue;
    if (!fibwick::WriteClubFile(file,
                                fibwick::NewClubLines(InitialTopTen, FixedLine16, FixedLine17))) {
      std::cerr << "fibwick-clubgen: cannot write " << file << "\n";
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
