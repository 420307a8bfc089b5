// The game core's hot paths: one decision of the computer, and whole games.
#include <benchmark/benchmark.h>

#include <sstream>

#include "game/computer.h"
#include "game/start_game.h"
#include "selfplay/self_play.h"

namespace fibwick {
namespace {

GameState AnsweringTable() {
  GameState state;
  ClockSeededSource random(11);
  ShuffleDeck(state, random);
  for (int p = 1; p <= 12; ++p) {
    state.hands.SeatHand[1][p] = state.table.DeckCards[p];
    state.hands.SeatHandRank[1][p] = state.table.DeckRanks[p];
  }
  state.hands.SeatCardCount[1] = 12;
  state.hands.SeatCardCount[2] = 9;
  state.table.PileCount = 3;
  state.table.LastPutCount = 3;
  state.claim.ClaimRank = RankChar(5);
  state.round.AiMoveCounter = 2;
  return state;
}

void BM_ComputerDecide(benchmark::State& bench) {
  const GameState state = AnsweringTable();
  ClockSeededSource random(5);
  for (auto _ : bench) benchmark::DoNotOptimize(ComputerDecide(state, random));
}
BENCHMARK(BM_ComputerDecide);

// A complete game through the real rules with nothing drawn, including the self-play's
// check of every invariant after each action.
void BM_CompleteGame(benchmark::State& bench) {
  std::ostringstream log;
  std::uint64_t seed = 1;
  for (auto _ : bench) {
    const SelfPlayReport report = RunSelfPlay({.games = 1, .seed = seed++, .verbose = false}, log);
    benchmark::DoNotOptimize(report.actions);
  }
}
BENCHMARK(BM_CompleteGame);

}  // namespace
}  // namespace fibwick

BENCHMARK_MAIN();
