#include <gtest/gtest.h>
#include <sqlite3.h>

#include <thread>

#include "server/store/store.h"
#include "support/service_process.h"

namespace fibwick::service {
namespace {

using testing::TemporaryFolder;

TEST(SqliteStore, ReportsAddUpPerGame) {
  TemporaryFolder folder;
  const auto store = OpenStore("", folder.Path());
  EXPECT_EQ(store->ReadTotals(22).starts, 0);
  EXPECT_EQ(store->ReadTotals(22).lastLike, "");

  store->AddStarts(22, 1, 1);
  store->AddStarts(22, 1, 0);
  store->AddStarts(23, 1, 1);
  store->AddLike(22, 1, "Иван");
  store->AddLike(22, 0, "Mr.X");
  std::array<std::int64_t, GameEndCounters> counters{};
  for (int i = 0; i < GameEndCounters; ++i) counters[i] = i + 1;
  store->AddGameEnd(22, counters);
  counters[0] = 1000000;
  store->AddGameEnd(22, counters);

  const auto totals = store->ReadTotals(22);
  EXPECT_EQ(totals.starts, 2);
  EXPECT_EQ(totals.uniqueStarts, 1);
  EXPECT_EQ(totals.likes, 1);
  EXPECT_EQ(totals.lastLike, "Mr.X");
  EXPECT_EQ(totals.gameEnd[0], 1000001);
  EXPECT_EQ(totals.gameEnd[11], 24);
  EXPECT_EQ(store->ReadTotals(23).starts, 1);
  EXPECT_EQ(store->ReadTotals(23).likes, 0);
}

TEST(SqliteStore, SumsGoPastThirtyTwoBits) {
  TemporaryFolder folder;
  const auto store = OpenStore("", folder.Path());
  for (int i = 0; i < 3; ++i) store->AddStarts(22, std::int64_t{1} << 31, 0);
  EXPECT_EQ(store->ReadTotals(22).starts, std::int64_t{3} << 31);
}

TEST(SqliteStore, ManyThreadsAndTwoStoresOnOneFileLoseNoReport) {
  TemporaryFolder folder;
  const auto first = OpenStore("", folder.Path());
  const auto second = OpenStore("", folder.Path());
  constexpr int Threads = 8, Reports = 100;
  std::vector<std::thread> threads;
  for (int t = 0; t < Threads; ++t) {
    threads.emplace_back([&, t] {
      auto& store = t % 2 ? *first : *second;
      for (int i = 0; i < Reports; ++i) store.AddStarts(22, 1, i % 2);
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(first->ReadTotals(22).starts, Threads * Reports);
  EXPECT_EQ(second->ReadTotals(22).uniqueStarts, Threads * Reports / 2);
}

// The first column of the first row, as text.
std::string QueryText(const std::filesystem::path& file, const char* sql) {
  sqlite3* db = nullptr;
  sqlite3_open(file.c_str(), &db);
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
  std::string value = "(no row)";
  if (sqlite3_step(statement) == SQLITE_ROW) {
    value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
  }
  sqlite3_finalize(statement);
  sqlite3_close(db);
  return value;
}

TEST(SqliteStore, ReopeningKeepsDataAndAppliesEachStepOnce) {
  TemporaryFolder folder;
  OpenStore("", folder.Path())->AddStarts(22, 5, 2);
  const auto reopened = OpenStore("", folder.Path());
  EXPECT_EQ(reopened->ReadTotals(22).starts, 5);
  const auto file = folder.Path() / "fibwick.sqlite";
  EXPECT_EQ(QueryText(file, "SELECT COUNT(*) = COUNT(DISTINCT version) FROM schema_version"), "1");
  EXPECT_EQ(QueryText(file, "PRAGMA journal_mode"), "wal");
}

TEST(SqliteStore, ADatabaseOfANewerServiceIsRefused) {
  TemporaryFolder folder;
  OpenStore("", folder.Path());
  sqlite3* db = nullptr;
  sqlite3_open((folder.Path() / "fibwick.sqlite").c_str(), &db);
  sqlite3_exec(db, "INSERT INTO schema_version (version) VALUES (999)", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  EXPECT_THROW(OpenStore("", folder.Path()), StoreError);
}

TEST(OpenStore, UnknownSchemesAndUnusableFoldersAreStoreErrors) {
  TemporaryFolder folder;
  EXPECT_THROW(OpenStore("mysql://localhost/fibwick", folder.Path()), StoreError);
  EXPECT_THROW(OpenStore("", folder.Path() / "missing" / "folder"), StoreError);
}

}  // namespace
}  // namespace fibwick::service
