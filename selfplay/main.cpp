// fibwick-selfplay: plays complete games against the computer and checks the rules throughout.
#include <chrono>
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <string>
#include <string_view>

#include "selfplay/self_play.h"

namespace {

void Usage() {
  std::cerr << "usage: fibwick-selfplay [--games N] [--seed S] [--verbose]\n"
               "  plays N games (default 1000) of the computer against a random player,\n"
               "  checking the rules after every action\n";
}

bool ReadNumber(const char* text, long long& out) {
  char* end = nullptr;
  out = std::strtoll(text, &end, 10);
  return end != text && *end == '\0' && out >= 0;
}

}  // namespace

int main(int argc, char** argv) {
  fibwick::SelfPlayOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    long long value = 0;
    if (arg == "--verbose") {
      options.verbose = true;
    } else if ((arg == "--games" || arg == "--seed") && i + 1 < argc &&
               ReadNumber(argv[i + 1], value)) {
      if (arg == "--games") options.games = static_cast<int>(value);
      if (arg == "--seed") options.seed = static_cast<std::uint64_t>(value);
      ++i;
    } else {
      Usage();
      return 2;
    }
  }
  const auto start = std::chrono::steady_clock::now();
  const fibwick::SelfPlayReport report = fibwick::RunSelfPlay(options, std::cout);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (report.violation) {
    std::cout << "RULE VIOLATION after " << report.gamesPlayed << " complete games:\n"
              << *report.violation;
    return 1;
  }
  const auto percent = [&](int n) {
    return report.gamesPlayed ? 100.0 * n / report.gamesPlayed : 0.0;
  };
  std::cout << std::fixed << std::setprecision(1) << report.gamesPlayed << " games, "
            << report.actions << " actions in " << std::setprecision(2) << seconds << " s ("
            << std::setprecision(0) << report.gamesPlayed / seconds << " games/s)\n"
            << std::setprecision(1) << "player won " << percent(report.localWins)
            << " %, computer won " << percent(report.localLosses) << " %, dead heats "
            << percent(report.draws) << " %\n";
  return 0;
}
