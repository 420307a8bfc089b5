#include "server/store/postgres_store.h"

#include <libpq-fe.h>
#include <poll.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string_view>
#include <utility>
#include <vector>

namespace fibwick::service {
namespace {

// Applied once each, in order, in one transaction; a database records the number of the last
// step it has in schema_version. Released steps never change: a change is a new step.
constexpr std::array<const char*, 1> Migrations = {
    R"sql(CREATE TABLE statistics (
  game_id INTEGER PRIMARY KEY,
  starts BIGINT NOT NULL DEFAULT 0,
  unique_starts BIGINT NOT NULL DEFAULT 0,
  likes BIGINT NOT NULL DEFAULT 0,
  last_like TEXT NOT NULL DEFAULT '',
  end1 BIGINT NOT NULL DEFAULT 0,
  end2 BIGINT NOT NULL DEFAULT 0,
  end3 BIGINT NOT NULL DEFAULT 0,
  end4 BIGINT NOT NULL DEFAULT 0,
  end5 BIGINT NOT NULL DEFAULT 0,
  end6 BIGINT NOT NULL DEFAULT 0,
  end7 BIGINT NOT NULL DEFAULT 0,
  end8 BIGINT NOT NULL DEFAULT 0,
  end9 BIGINT NOT NULL DEFAULT 0,
  end10 BIGINT NOT NULL DEFAULT 0,
  end11 BIGINT NOT NULL DEFAULT 0,
  end12 BIGINT NOT NULL DEFAULT 0,
  reserved BIGINT NOT NULL DEFAULT 0,
  reserved_text TEXT NOT NULL DEFAULT ''
))sql",
};

// "Fibwick" in ASCII: service instances starting together queue on this lock to migrate.
constexpr std::string_view MigrationLock = "19819120000852843";

// Requests beyond this many at once wait for a connection rather than open more.
constexpr std::size_t PoolSize = 8;

struct ConnectionCloser {
  void operator()(PGconn* connection) const { PQfinish(connection); }
};
using Connection = std::unique_ptr<PGconn, ConnectionCloser>;

struct ResultClearer {
  void operator()(PGresult* result) const { PQclear(result); }
};
using Result = std::unique_ptr<PGresult, ResultClearer>;

StoreError Failure(const char* message) {
  std::string text = message;
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return StoreError("PostgreSQL: " + text);
}

Connection Connect(const std::string& url) {
  // The URL's own settings win over the first two; the texts we exchange are always UTF-8.
  const std::array<const char*, 5> keys = {"connect_timeout", "application_name", "dbname",
                                           "client_encoding", nullptr};
  const std::array<const char*, 5> values = {"10", "fibwick-service", url.c_str(), "UTF8", nullptr};
  Connection connection(PQconnectdbParams(keys.data(), values.data(), 1));
  if (!connection) throw StoreError("PostgreSQL: out of memory");
  if (PQstatus(connection.get()) != CONNECTION_OK) throw Failure(PQerrorMessage(connection.get()));
  // libpq prints the server's notices ("already exists, skipping") on stderr, in among the
  // service's own log lines; they tell an operator nothing.
  PQsetNoticeProcessor(
      connection.get(), [](void*, const char*) {}, nullptr);
  return connection;
}

Result Checked(PGconn* connection, Result result) {
  const ExecStatusType status = PQresultStatus(result.get());
  if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
    throw Failure(result ? PQresultErrorMessage(result.get()) : PQerrorMessage(connection));
  }
  return result;
}

std::vector<const char*> Values(const std::vector<std::string>& parameters) {
  std::vector<const char*> values;
  for (const std::string& parameter : parameters) values.push_back(parameter.c_str());
  return values;
}

Result Exec(PGconn* connection, const char* sql, const std::vector<std::string>& parameters = {}) {
  const std::vector<const char*> values = Values(parameters);
  return Checked(connection, Result(PQexecParams(connection, sql, static_cast<int>(values.size()),
                                                 nullptr, values.data(), nullptr, nullptr, 0)));
}

std::int64_t Number(const PGresult* result, int column) {
  const char* text = PQgetvalue(result, 0, column);
  const char* end = text + PQgetlength(result, 0, column);
  std::int64_t value = 0;
  if (std::from_chars(text, end, value).ptr != end) {
    throw StoreError("PostgreSQL: not a number in column " + std::to_string(column));
  }
  return value;
}

// PostgreSQL's text cannot hold NUL characters; a name is kept without them.
std::string Text(std::string text) {
  std::erase(text, '\0');
  return text;
}

void Migrate(PGconn* connection) {
  Exec(connection, "BEGIN");
  try {
    Exec(connection, "SELECT pg_advisory_xact_lock($1)", {std::string(MigrationLock)});
    Exec(connection,
         "CREATE TABLE IF NOT EXISTS schema_version (version INTEGER PRIMARY KEY, "
         "applied_at TIMESTAMPTZ NOT NULL DEFAULT now())");
    const Result current = Exec(connection, "SELECT COALESCE(MAX(version), 0) FROM schema_version");
    const std::int64_t version = Number(current.get(), 0);
    if (version > static_cast<std::int64_t>(Migrations.size())) {
      throw StoreError("PostgreSQL: the database's schema version " + std::to_string(version) +
                       " is newer than this service's " + std::to_string(Migrations.size()));
    }
    for (std::size_t step = static_cast<std::size_t>(version); step < Migrations.size(); ++step) {
      Exec(connection, Migrations[step]);
      Exec(connection, "INSERT INTO schema_version (version) VALUES ($1)",
           {std::to_string(step + 1)});
    }
    Exec(connection, "COMMIT");
  } catch (const StoreError&) {
    Result(PQexec(connection, "ROLLBACK"));
    throw;
  }
}

// An idle connection has nothing to read unless the server closed it or is closing it (after a
// restart, say): such a connection is dropped before a request fails on it.
bool StillOpen(PGconn* connection) {
  pollfd waiting{PQsocket(connection), POLLIN, 0};
  return PQstatus(connection) == CONNECTION_OK && poll(&waiting, 1, 0) == 0;
}

std::string AddGameEndSql() {
  std::string columns = "game_id";
  std::string values = "$1";
  std::string sums;
  for (int counter = 1; counter <= GameEndCounters; ++counter) {
    const std::string column = "end" + std::to_string(counter);
    columns += ", " + column;
    values += ", $" + std::to_string(counter + 1);
    sums +=
        (counter == 1 ? "" : ", ") + column + " = statistics." + column + " + EXCLUDED." + column;
  }
  return "INSERT INTO statistics (" + columns + ") VALUES (" + values +
         ") ON CONFLICT (game_id) DO UPDATE SET " + sums;
}

// What the store asks, prepared once on each connection: the server then plans each only once.
enum Statement { AddStartsStatement, AddLikeStatement, AddGameEndStatement, ReadTotalsStatement };

const std::array<std::string, 4> StatementSql = {
    "INSERT INTO statistics (game_id, starts, unique_starts) VALUES ($1, $2, $3) "
    "ON CONFLICT (game_id) DO UPDATE SET starts = statistics.starts + EXCLUDED.starts, "
    "unique_starts = statistics.unique_starts + EXCLUDED.unique_starts",
    "INSERT INTO statistics (game_id, likes, last_like) VALUES ($1, $2, $3) "
    "ON CONFLICT (game_id) DO UPDATE SET likes = statistics.likes + EXCLUDED.likes, "
    "last_like = EXCLUDED.last_like",
    AddGameEndSql(),
    "SELECT starts, unique_starts, likes, last_like, end1, end2, end3, end4, end5, end6, end7, "
    "end8, end9, end10, end11, end12, reserved, reserved_text FROM statistics WHERE game_id = $1",
};

std::string StatementName(std::size_t statement) {
  return "fibwick_" + std::to_string(statement);
}

void Prepare(PGconn* connection) {
  for (std::size_t statement = 0; statement < StatementSql.size(); ++statement) {
    Checked(connection, Result(PQprepare(connection, StatementName(statement).c_str(),
                                         StatementSql[statement].c_str(), 0, nullptr)));
  }
}

Result ExecPrepared(PGconn* connection, Statement statement,
                    const std::vector<std::string>& parameters) {
  const std::vector<const char*> values = Values(parameters);
  return Checked(connection, Result(PQexecPrepared(connection, StatementName(statement).c_str(),
                                                   static_cast<int>(values.size()), values.data(),
                                                   nullptr, nullptr, 0)));
}

// Connections shared by the request threads, each used by one thread at a time. A connection
// that failed is closed rather than returned, so the next request opens a fresh one.
class ConnectionPool {
 public:
  explicit ConnectionPool(std::string url) : url_(std::move(url)) {}

  class Lease {
   public:
    Lease(ConnectionPool& pool, Connection connection)
        : pool_(pool), connection_(std::move(connection)) {}
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    ~Lease() { pool_.Return(std::move(connection_)); }
    PGconn* get() const { return connection_.get(); }

   private:
    ConnectionPool& pool_;
    Connection connection_;
  };

  Lease Take() {
    std::unique_lock lock(mutex_);
    returned_.wait(lock, [this] { return !idle_.empty() || open_ < PoolSize; });
    while (!idle_.empty()) {
      Connection connection = std::move(idle_.back());
      idle_.pop_back();
      if (StillOpen(connection.get())) return Lease(*this, std::move(connection));
      --open_;
    }
    ++open_;
    lock.unlock();
    try {
      Connection connection = Connect(url_);
      Prepare(connection.get());
      return Lease(*this, std::move(connection));
    } catch (...) {
      Return(nullptr);
      throw;
    }
  }

 private:
  void Return(Connection connection) {
    {
      std::lock_guard lock(mutex_);
      if (connection && PQstatus(connection.get()) == CONNECTION_OK &&
          PQtransactionStatus(connection.get()) == PQTRANS_IDLE) {
        idle_.push_back(std::move(connection));
      } else {
        --open_;
      }
    }
    returned_.notify_one();
  }

  const std::string url_;
  std::mutex mutex_;
  std::condition_variable returned_;
  std::vector<Connection> idle_;
  std::size_t open_ = 0;
};

class PostgresStore final : public Store {
 public:
  explicit PostgresStore(const std::string& url) : pool_(Migrated(url)) {}

  void AddStarts(int gameId, std::int64_t starts, std::int64_t uniqueStarts) override {
    Run(AddStartsStatement,
        {std::to_string(gameId), std::to_string(starts), std::to_string(uniqueStarts)});
  }

  void AddLike(int gameId, std::int64_t likes, const std::string& name) override {
    Run(AddLikeStatement, {std::to_string(gameId), std::to_string(likes), Text(name)});
  }

  void AddGameEnd(int gameId, const std::array<std::int64_t, GameEndCounters>& counters) override {
    std::vector<std::string> parameters = {std::to_string(gameId)};
    for (const std::int64_t counter : counters) parameters.push_back(std::to_string(counter));
    Run(AddGameEndStatement, parameters);
  }

  StatisticsTotals ReadTotals(int gameId) override {
    const Result result = Run(ReadTotalsStatement, {std::to_string(gameId)});
    StatisticsTotals totals;
    if (PQntuples(result.get()) == 0) return totals;
    const PGresult* row = result.get();
    totals.starts = Number(row, 0);
    totals.uniqueStarts = Number(row, 1);
    totals.likes = Number(row, 2);
    totals.lastLike = PQgetvalue(row, 0, 3);
    for (int counter = 0; counter < GameEndCounters; ++counter) {
      totals.gameEnd[static_cast<std::size_t>(counter)] = Number(row, 4 + counter);
    }
    totals.reserved = Number(row, 16);
    totals.reservedText = PQgetvalue(row, 0, 17);
    return totals;
  }

 private:
  // The schema is brought up to date before the pool opens a connection, as the statements
  // each connection prepares name its tables.
  static const std::string& Migrated(const std::string& url) {
    Migrate(Connect(url).get());
    return url;
  }

  Result Run(Statement statement, const std::vector<std::string>& parameters) {
    const ConnectionPool::Lease connection = pool_.Take();
    return ExecPrepared(connection.get(), statement, parameters);
  }

  ConnectionPool pool_;
};

}  // namespace

std::unique_ptr<Store> OpenPostgresStore(const std::string& url) {
  return std::make_unique<PostgresStore>(url);
}

}  // namespace fibwick::service
