#include "server/store/postgres_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "server/store_contract.h"
#include "support/child_process.h"
#include "support/postgres_cluster.h"

namespace fibwick::service {
namespace {

using testing::FreeTcpPort;
using testing::PostgresCluster;
using testing::StoreBackend;
using testing::StoreBackendMaker;
using testing::StoreBackendName;
using testing::StoreContract;

// One cluster for all the tests of one run of the program; each backend gets a database of its
// own.
PostgresCluster& SharedCluster() {
  static PostgresCluster cluster;
  return cluster;
}

class PostgresBackend : public StoreBackend {
 public:
  PostgresBackend() {
    static std::atomic<int> made = 0;
    url_ = SharedCluster().CreateDatabase("store_" + std::to_string(++made));
  }
  std::unique_ptr<Store> Open() override { return OpenPostgresStore(url_); }

 private:
  std::string url_;
};

const StoreBackendMaker Postgres = {"Postgres",
                                    [](std::string& reason) -> std::unique_ptr<StoreBackend> {
                                      reason = PostgresCluster::Unavailable();
                                      if (!reason.empty()) return nullptr;
                                      return std::make_unique<PostgresBackend>();
                                    }};

INSTANTIATE_TEST_SUITE_P(Postgres, StoreContract, ::testing::Values(Postgres), StoreBackendName);

class PostgresStore : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const std::string reason = PostgresCluster::Unavailable(); !reason.empty()) {
      GTEST_SKIP() << reason;
    }
  }
};

// The one value a statement returns, or the error.
std::string QueryOne(const std::string& url, const char* sql) {
  PGconn* connection = PQconnectdb(url.c_str());
  PGresult* result = PQexec(connection, sql);
  std::string value = PQresultStatus(result) == PGRES_TUPLES_OK && PQntuples(result) == 1
                          ? PQgetvalue(result, 0, 0)
                          : std::string("error: ") + PQerrorMessage(connection);
  PQclear(result);
  PQfinish(connection);
  return value;
}

TEST_F(PostgresStore, InstancesStartingTogetherMigrateTheSchemaOnce) {
  const std::string url = SharedCluster().CreateDatabase("starting_together");
  constexpr int Instances = 6;
  std::atomic<int> failures = 0;
  std::vector<std::thread> threads;
  for (int i = 0; i < Instances; ++i) {
    threads.emplace_back([&] {
      try {
        OpenPostgresStore(url)->AddStarts(22, 1, 0);
      } catch (const StoreError& error) {
        ADD_FAILURE() << error.what();
        ++failures;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(OpenPostgresStore(url)->ReadTotals(22).starts, Instances);
  EXPECT_EQ(
      QueryOne(url, "SELECT count(*) = max(version) AND min(version) = 1 FROM schema_version"),
      "t");
}

// An older service started against a database a newer one has migrated would misread it.
TEST_F(PostgresStore, ASchemaNewerThanTheServiceIsRefused) {
  const std::string url = SharedCluster().CreateDatabase("newer_schema");
  OpenPostgresStore(url);
  EXPECT_EQ(QueryOne(url, "INSERT INTO schema_version (version) VALUES (99) RETURNING version"),
            "99");
  try {
    OpenPostgresStore(url);
    ADD_FAILURE() << "opened";
  } catch (const StoreError& error) {
    EXPECT_THAT(error.what(), ::testing::HasSubstr("99"));
  }
}

// PostgreSQL's text holds no NUL character; a name with one is kept without it, not refused.
TEST_F(PostgresStore, ANulCharacterInANameIsDropped) {
  const std::unique_ptr<Store> store =
      OpenPostgresStore(SharedCluster().CreateDatabase("nul_in_name"));
  store->AddLike(22, 1, std::string("An\0na", 5));
  EXPECT_EQ(store->ReadTotals(22).lastLike, "Anna");
}

TEST_F(PostgresStore, ADatabaseItCannotReachRaisesStoreError) {
  PostgresCluster& cluster = SharedCluster();
  const std::string port = std::to_string(cluster.Port());
  const std::string urls[] = {
      "postgresql://fibwick@127.0.0.1:" + port + "/no_such_database",
      "postgresql://no_such_user@127.0.0.1:" + port + "/fibwick",
      "postgresql://fibwick@127.0.0.1:" + std::to_string(FreeTcpPort()) + "/fibwick",
      "postgresql://fibwick@[127.0.0.1/fibwick",
      "postgresql://fibwick@127.0.0.1:" + port + "/fibwick?sslmode=nonsense",
  };
  for (const std::string& url : urls) {
    try {
      OpenPostgresStore(url);
      ADD_FAILURE() << url << " opened";
    } catch (const StoreError& error) {
      EXPECT_STRNE(error.what(), "PostgreSQL: ") << url;
    }
  }
}

TEST_F(PostgresStore, AStoppedServerRaisesStoreErrorAndIsUsedAgainOnceBack) {
  PostgresCluster cluster;
  const std::unique_ptr<Store> store = OpenPostgresStore(cluster.Url());
  store->AddStarts(22, 1, 1);

  cluster.Stop();
  EXPECT_THROW(store->AddStarts(22, 1, 0), StoreError);
  EXPECT_THROW(store->ReadTotals(22), StoreError);
  EXPECT_THROW(OpenPostgresStore(cluster.Url()), StoreError);

  cluster.Start();
  store->AddStarts(22, 1, 0);
  EXPECT_EQ(store->ReadTotals(22).starts, 2);
}

// Connections opened before a restart of the server are dead after it; requests do not fail
// for them.
TEST_F(PostgresStore, RequestsAfterARestartOfTheServerSucceed) {
  PostgresCluster cluster;
  const std::unique_ptr<Store> store = OpenPostgresStore(cluster.Url());
  std::vector<std::thread> threads;
  for (int i = 0; i < 4; ++i) threads.emplace_back([&] { store->AddStarts(22, 1, 0); });
  for (std::thread& thread : threads) thread.join();

  cluster.Stop();
  cluster.Start();
  for (int i = 0; i < 4; ++i) EXPECT_NO_THROW(store->AddStarts(22, 1, 0)) << "request " << i;
  EXPECT_EQ(store->ReadTotals(22).starts, 8);
}

}  // namespace
}  // namespace fibwick::service
