#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

// Everything the service keeps lives behind this interface, so that several service processes
// on one database answer as one. Every method may be called from many threads at once.
namespace fibwick::service {

// A failure of the database itself (gone, full, refused); the request answers 503.
class StoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr int GameEndCounters = 12;

// One game's summed statistics; texts are UTF-8.
struct StatisticsTotals {
  std::int64_t starts = 0;
  std::int64_t uniqueStarts = 0;
  std::int64_t likes = 0;
  std::string lastLike;
  std::array<std::int64_t, GameEndCounters> gameEnd{};
  std::int64_t reserved = 0;
  std::string reservedText;
};

class Store {
 public:
  virtual ~Store() = default;

  virtual void AddStarts(int gameId, std::int64_t starts, std::int64_t uniqueStarts) = 0;
  virtual void AddLike(int gameId, std::int64_t likes, const std::string& name) = 0;
  virtual void AddGameEnd(int gameId,
                          const std::array<std::int64_t, GameEndCounters>& counters) = 0;
  // All zero for a game nobody has reported yet.
  virtual StatisticsTotals ReadTotals(int gameId) = 0;
};

// Opens the database the URL names and brings its schema up to date: a "postgresql://" (or
// "postgres://") URL selects PostgreSQL; an empty URL selects the SQLite file in dataFolder.
std::unique_ptr<Store> OpenStore(const std::string& databaseUrl,
                                 const std::filesystem::path& dataFolder);

}  // namespace fibwick::service
