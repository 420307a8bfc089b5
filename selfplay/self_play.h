#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

// Headless matches: the computer at seat 1 against a player choosing uniformly among its legal
// actions, with the rules' invariants checked after every action.
namespace fibwick {

struct SelfPlayOptions {
  int games = 1000;
  std::uint64_t seed = 1;
  bool verbose = false;
};

struct SelfPlayReport {
  int gamesPlayed = 0;
  int localWins = 0;
  int localLosses = 0;
  int draws = 0;
  long long actions = 0;
  std::optional<std::string> violation;  // the first broken rule, with the table as it stood
};

// Plays the games, writing the moves in words to `log` when verbose.
SelfPlayReport RunSelfPlay(const SelfPlayOptions& options, std::ostream& log);

}  // namespace fibwick
