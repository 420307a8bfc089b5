// The game core's hot paths: one decision of the computer, one move through the referee, and
// whole games.
#include <benchmark/benchmark.h>

#include <sstream>

#include "game/computer.h"
#include "rules/deal.h"
#include "rules/seat_view.h"
#include "selfplay/self_play.h"

namespace fibwick {
namespace {

// The computer answering three cards claimed as kings, with twelve cards in hand.
rules::SeatView AnsweringView() {
  ClockSeededSource random(11);
  rules::SeatView view = rules::ViewFor(
      rules::DealtTable(rules::ShuffledDeck(random), rules::Seat::One), rules::Seat::One);
  view.otherCount = 9;
  view.pileCount = 3;
  view.lastPut = 3;
  view.claim = RankChar(5);
  view.newClaim = false;
  return view;
}

void BM_ComputerDecide(benchmark::State& bench) {
  const rules::SeatView view = AnsweringView();
  ClockSeededSource random(5);
  for (auto _ : bench) benchmark::DoNotOptimize(ComputerDecide(view, {2, 0}, random));
}
BENCHMARK(BM_ComputerDecide);

// One move through the referee: a put of two cards on a fresh table, which then starts again
// from a copy (the copy is timed too, and is a small part of it).
void BM_Apply(benchmark::State& bench) {
  ClockSeededSource random(3);
  const rules::Table dealt = rules::DealtTable(rules::ShuffledDeck(random), rules::Seat::One);
  const rules::CardRow& hand = dealt.Hand(rules::Seat::One);
  const Move put = Move::Put({hand[1], hand[2]}, hand[1].rank);
  for (auto _ : bench) {
    rules::Table table = dealt;
    benchmark::DoNotOptimize(rules::Apply(table, rules::Seat::One, put));
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK(BM_Apply);

// A challenge of that put: the pile turned over and taken into a hand.
void BM_ApplyChallenge(benchmark::State& bench) {
  ClockSeededSource random(3);
  rules::Table laid = rules::DealtTable(rules::ShuffledDeck(random), rules::Seat::One);
  const rules::CardRow hand = laid.Hand(rules::Seat::One);
  rules::Apply(laid, rules::Seat::One, Move::Put({hand[1], hand[2]}, hand[1].rank));
  const Move challenge = Move::Challenge(hand[1].rank);
  for (auto _ : bench) {
    rules::Table table = laid;
    benchmark::DoNotOptimize(rules::Apply(table, rules::Seat::Two, challenge));
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK(BM_ApplyChallenge);

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
