#include "server/store/sqlite_store.h"

#include <sqlite3.h>

#include <functional>
#include <map>
#include <mutex>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

#include "server/store/schema.h"

namespace fibwick::service {
namespace {

// A writer waits this long for another writer (thread or process) before the request fails.
constexpr int BusyTimeoutMs = 5000;

using Parameter = std::variant<std::int64_t, std::string_view>;
using RowReader = std::function<void(sqlite3_stmt*)>;

std::string GameEndColumn(int index) {
  return "game_end_" + std::to_string(index + 1);
}

// Sums name the stored values through the table, which PostgreSQL's reading of upserts needs too.
std::string AddStartsSql() {
  return "INSERT INTO statistics (game_id, starts, unique_starts) VALUES (?1, ?2, ?3) "
         "ON CONFLICT (game_id) DO UPDATE SET starts = statistics.starts + excluded.starts, "
         "unique_starts = statistics.unique_starts + excluded.unique_starts";
}

std::string AddLikeSql() {
  return "INSERT INTO statistics (game_id, likes, last_like) VALUES (?1, ?2, ?3) "
         "ON CONFLICT (game_id) DO UPDATE SET likes = statistics.likes + excluded.likes, "
         "last_like = excluded.last_like";
}

std::string AddGameEndSql() {
  std::string columns, values, sums;
  for (int i = 0; i < GameEndCounters; ++i) {
    const auto column = GameEndColumn(i);
    columns += ", " + column;
    values += ", ?" + std::to_string(i + 2);
    sums += (i ? ", " : "") + column + " = statistics." + column + " + excluded." + column;
  }
  return "INSERT INTO statistics (game_id" + columns + ") VALUES (?1" + values +
         ") ON CONFLICT (game_id) DO UPDATE SET " + sums;
}

std::string ReadTotalsSql() {
  std::string columns;
  for (int i = 0; i < GameEndCounters; ++i) columns += GameEndColumn(i) + ", ";
  return "SELECT starts, unique_starts, likes, last_like, " + columns +
         "reserved, reserved_text FROM statistics WHERE game_id = ?1";
}

std::string ColumnText(sqlite3_stmt* row, int column) {
  const auto* text = sqlite3_column_text(row, column);
  return text ? std::string(reinterpret_cast<const char*>(text), sqlite3_column_bytes(row, column))
              : std::string();
}

// One open database handle with its prepared statements; used by one thread at a time.
class Connection {
 public:
  explicit Connection(const std::filesystem::path& file) {
    const int opened =
        sqlite3_open_v2(file.c_str(), &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (opened != SQLITE_OK) {
      const std::string cause = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(opened);
      sqlite3_close_v2(db_);
      throw StoreError("cannot open " + file.string() + ": " + cause);
    }
    sqlite3_busy_timeout(db_, BusyTimeoutMs);
    Execute("PRAGMA synchronous = NORMAL");
  }
  ~Connection() {
    for (auto& [sql, statement] : prepared_) sqlite3_finalize(statement);
    sqlite3_close_v2(db_);
  }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Statements without parameters, possibly several.
  void Execute(const std::string& sql) {
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail(sql);
  }

  void Run(const std::string& sql, std::span<const Parameter> parameters,
           const RowReader& readRow = {}) {
    sqlite3_stmt* statement = Prepared(sql);
    struct Reset {
      sqlite3_stmt* statement;
      ~Reset() {
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
      }
    } reset{statement};
    for (std::size_t i = 0; i < parameters.size(); ++i) {
      const int index = static_cast<int>(i) + 1;
      const int bound = std::visit(
          [&](const auto& value) {
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::int64_t>) {
              return sqlite3_bind_int64(statement, index, value);
            } else {
              return sqlite3_bind_text(statement, index, value.data(),
                                       static_cast<int>(value.size()), SQLITE_TRANSIENT);
            }
          },
          parameters[i]);
      if (bound != SQLITE_OK) Fail(sql);
    }
    for (;;) {
      const int stepped = sqlite3_step(statement);
      if (stepped == SQLITE_DONE) return;
      if (stepped != SQLITE_ROW) Fail(sql);
      if (readRow) readRow(statement);
    }
  }

 private:
  sqlite3_stmt* Prepared(const std::string& sql) {
    auto found = prepared_.find(sql);
    if (found != prepared_.end()) return found->second;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) Fail(sql);
    prepared_.emplace(sql, statement);
    return statement;
  }

  [[noreturn]] void Fail(const std::string& sql) {
    throw StoreError(std::string(sqlite3_errmsg(db_)) + " (in: " + sql.substr(0, 60) + ")");
  }

  sqlite3* db_ = nullptr;
  std::map<std::string, sqlite3_stmt*, std::less<>> prepared_;
};

void Migrate(Connection& connection) {
  connection.Execute("PRAGMA journal_mode = WAL");
  // IMMEDIATE: two processes starting together must not both apply a step.
  connection.Execute("BEGIN IMMEDIATE");
  try {
    connection.Execute("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)");
    std::int64_t current = 0;
    connection.Run("SELECT COALESCE(MAX(version), 0) FROM schema_version", {},
                   [&](sqlite3_stmt* row) { current = sqlite3_column_int64(row, 0); });
    const auto steps = SchemaSteps();
    if (current > steps.back().version) {
      throw StoreError("the database has schema version " + std::to_string(current) +
                       ", newer than this service knows");
    }
    for (const auto& step : steps) {
      if (step.version <= current) continue;
      connection.Execute(step.sql);
      const Parameter version{std::int64_t{step.version}};
      connection.Run("INSERT INTO schema_version (version) VALUES (?1)", {&version, 1});
    }
    connection.Execute("COMMIT");
  } catch (...) {
    connection.Execute("ROLLBACK");
    throw;
  }
}

class SqliteStore final : public Store {
 public:
  explicit SqliteStore(std::filesystem::path file) : file_(std::move(file)) {
    auto connection = std::make_unique<Connection>(file_);
    Migrate(*connection);
    idle_.push_back(std::move(connection));
  }

  void AddStarts(int gameId, std::int64_t starts, std::int64_t uniqueStarts) override {
    static const auto sql = AddStartsSql();
    const Parameter parameters[] = {std::int64_t{gameId}, starts, uniqueStarts};
    Lease(*this)->Run(sql, parameters);
  }

  void AddLike(int gameId, std::int64_t likes, const std::string& name) override {
    static const auto sql = AddLikeSql();
    const Parameter parameters[] = {std::int64_t{gameId}, likes, std::string_view(name)};
    Lease(*this)->Run(sql, parameters);
  }

  void AddGameEnd(int gameId, const std::array<std::int64_t, GameEndCounters>& counters) override {
    static const auto sql = AddGameEndSql();
    std::vector<Parameter> parameters{std::int64_t{gameId}};
    parameters.insert(parameters.end(), counters.begin(), counters.end());
    Lease(*this)->Run(sql, parameters);
  }

  StatisticsTotals ReadTotals(int gameId) override {
    static const auto sql = ReadTotalsSql();
    const Parameter parameters[] = {std::int64_t{gameId}};
    StatisticsTotals totals;
    Lease(*this)->Run(sql, parameters, [&](sqlite3_stmt* row) {
      totals.starts = sqlite3_column_int64(row, 0);
      totals.uniqueStarts = sqlite3_column_int64(row, 1);
      totals.likes = sqlite3_column_int64(row, 2);
      totals.lastLike = ColumnText(row, 3);
      for (int i = 0; i < GameEndCounters; ++i) {
        totals.gameEnd[i] = sqlite3_column_int64(row, 4 + i);
      }
      totals.reserved = sqlite3_column_int64(row, 4 + GameEndCounters);
      totals.reservedText = ColumnText(row, 5 + GameEndCounters);
    });
    return totals;
  }

 private:
  // Borrows an idle connection, or opens one when every connection is busy; gives it back.
  class Lease {
   public:
    explicit Lease(SqliteStore& store) : store_(store) {
      {
        std::lock_guard lock(store_.mutex_);
        if (!store_.idle_.empty()) {
          connection_ = std::move(store_.idle_.back());
          store_.idle_.pop_back();
        }
      }
      if (!connection_) connection_ = std::make_unique<Connection>(store_.file_);
    }
    ~Lease() {
      std::lock_guard lock(store_.mutex_);
      store_.idle_.push_back(std::move(connection_));
    }
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    Connection* operator->() const { return connection_.get(); }

   private:
    SqliteStore& store_;
    std::unique_ptr<Connection> connection_;
  };

  std::filesystem::path file_;
  std::mutex mutex_;
  std::vector<std::unique_ptr<Connection>> idle_;
};

}  // namespace

std::unique_ptr<Store> OpenSqliteStore(const std::filesystem::path& file) {
  return std::make_unique<SqliteStore>(file);
}

}  // namespace fibwick::service
