#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

// Headless matches: the computer at seat 1 against a player choosing uniformly among its legal
// actions, with the rules' invariants checked after every action. Before each action a move of
// random parts is offered for a random seat: the referee must refuse it untouched or play it.
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
  long long randomMovesPlayed = 0;       // random moves that happened to be legal, played as such
  std::optional<std::string> violation;  // the first broken rule, with the table as it stood
};

// Plays the games, writing the moves in words to `log` when verbose.
SelfPlayReport RunSelfPlay(const SelfPlayOptions& options, std::ostream& log);

}  // namespace fibwick
