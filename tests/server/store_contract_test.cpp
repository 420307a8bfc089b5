#include "server/store_contract.h"

#include <atomic>
#include <sstream>
#include <thread>
#include <vector>

namespace fibwick::service {
namespace {

using testing::StoreContract;

constexpr int GameId = 22;

// Totals as one line, so a failure shows every field.
std::string Dump(const StatisticsTotals& totals) {
  std::ostringstream line;
  line << totals.starts << ' ' << totals.uniqueStarts << ' ' << totals.likes << " ["
       << totals.lastLike << "]";
  for (const std::int64_t counter : totals.gameEnd) line << ' ' << counter;
  line << ' ' << totals.reserved << " [" << totals.reservedText << ']';
  return line.str();
}

std::array<std::int64_t, GameEndCounters> Counters(std::int64_t first, std::int64_t step) {
  std::array<std::int64_t, GameEndCounters> counters{};
  for (std::size_t i = 0; i < counters.size(); ++i) {
    counters[i] = first + step * static_cast<std::int64_t>(i);
  }
  return counters;
}

TEST_P(StoreContract, EachReportIsAddedToItsOwnGameAndFieldOnly) {
  const std::unique_ptr<Store> store = backend_->Open();
  store->AddStarts(GameId, 1, 1);
  store->AddStarts(GameId, 1, 0);
  store->AddStarts(GameId, 1, 0);
  store->AddLike(GameId, 1, "Anna");
  store->AddLike(GameId, 1, "Boris");
  store->AddGameEnd(GameId, Counters(1, 1));
  store->AddGameEnd(GameId, Counters(100, 100));
  store->AddStarts(23, 5, 4);
  store->AddLike(23, 1, "Vera");
  store->AddGameEnd(23, Counters(7, 0));

  StatisticsTotals expected;
  expected.starts = 3;
  expected.uniqueStarts = 1;
  expected.likes = 2;
  expected.lastLike = "Boris";
  expected.gameEnd = Counters(101, 101);
  EXPECT_EQ(Dump(store->ReadTotals(GameId)), Dump(expected));

  StatisticsTotals other;
  other.starts = 5;
  other.uniqueStarts = 4;
  other.likes = 1;
  other.lastLike = "Vera";
  other.gameEnd = Counters(7, 0);
  EXPECT_EQ(Dump(store->ReadTotals(23)), Dump(other));
}

TEST_P(StoreContract, AGameNobodyReportedReadsAllZero) {
  const std::unique_ptr<Store> store = backend_->Open();
  store->AddStarts(GameId, 1, 1);
  for (const int gameId : {1, 21, 23, 9999}) {
    EXPECT_EQ(Dump(store->ReadTotals(gameId)), Dump(StatisticsTotals{})) << "game " << gameId;
  }
}

TEST_P(StoreContract, SumsGoPastThirtyTwoBits) {
  const std::unique_ptr<Store> store = backend_->Open();
  store->AddStarts(GameId, 2'000'000'000, 2'000'000'000);
  store->AddStarts(GameId, 2'000'000'000, 1);
  store->AddGameEnd(GameId, Counters(3'000'000'000, 0));
  store->AddGameEnd(GameId, Counters(3'000'000'000, 0));
  const StatisticsTotals totals = store->ReadTotals(GameId);
  EXPECT_EQ(totals.starts, 4'000'000'000);
  EXPECT_EQ(totals.uniqueStarts, 2'000'000'001);
  EXPECT_EQ(totals.gameEnd, Counters(6'000'000'000, 0));
}

TEST_P(StoreContract, NamesComeBackAsTheyWereGiven) {
  const std::unique_ptr<Store> store = backend_->Open();
  const char* const names[] = {
      "Anna",
      "Фёдор Ёжиков",             // Cyrillic, the game's own script
      "Zoë Ægir",                 // Latin-1
      "李雷",                     // three-byte UTF-8
      "\xF0\x9F\x82\xA1 ace",     // four-byte UTF-8
      "O'Brien\"; DROP TABLE x",  // quotes that would break a spliced statement
      "$ ~#&=*%_\\",
      "",
  };
  for (const char* name : names) {
    store->AddLike(GameId, 1, name);
    EXPECT_EQ(store->ReadTotals(GameId).lastLike, name);
  }
  EXPECT_EQ(store->ReadTotals(GameId).likes, static_cast<std::int64_t>(std::size(names)));
}

TEST_P(StoreContract, OpeningTheDatabaseAgainKeepsWhatItHolds) {
  const std::unique_ptr<Store> first = backend_->Open();
  first->AddStarts(GameId, 1, 1);
  first->AddLike(GameId, 1, "Анна");
  const std::unique_ptr<Store> second = backend_->Open();
  second->AddStarts(GameId, 1, 0);
  const std::unique_ptr<Store> third = backend_->Open();
  for (Store* store : {first.get(), second.get(), third.get()}) {
    const StatisticsTotals totals = store->ReadTotals(GameId);
    EXPECT_EQ(totals.starts, 2);
    EXPECT_EQ(totals.uniqueStarts, 1);
    EXPECT_EQ(totals.lastLike, "Анна");
  }
}

// As two service instances on one database with several request threads each.
TEST_P(StoreContract, ConcurrentReportsThroughTwoStoresAreAllCounted) {
  constexpr int ThreadsPerStore = 12;
  constexpr int ReportsPerThread = 50;
  const std::unique_ptr<Store> stores[] = {backend_->Open(), backend_->Open()};
  std::atomic<int> failures = 0;
  std::vector<std::thread> threads;
  for (const std::unique_ptr<Store>& store : stores) {
    for (int t = 0; t < ThreadsPerStore; ++t) {
      threads.emplace_back([&store = *store, &failures] {
        for (int i = 0; i < ReportsPerThread; ++i) {
          try {
            store.AddStarts(GameId, 1, i % 2);
            store.AddGameEnd(GameId, Counters(1, 1));
            if (i % 10 == 0) store.AddLike(GameId, 1, "Anna");
            if (i % 25 == 0) store.ReadTotals(GameId);
          } catch (const StoreError&) {
            ++failures;
          }
        }
      });
    }
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(failures, 0);

  constexpr std::int64_t Reports = 2 * ThreadsPerStore * ReportsPerThread;
  StatisticsTotals expected;
  expected.starts = Reports;
  expected.uniqueStarts = Reports / 2;
  expected.likes = Reports / 10;
  expected.lastLike = "Anna";
  expected.gameEnd = Counters(Reports, Reports);
  for (const std::unique_ptr<Store>& store : stores) {
    EXPECT_EQ(Dump(store->ReadTotals(GameId)), Dump(expected));
  }
}

}  // namespace
}  // namespace fibwick::service
