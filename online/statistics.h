#pragma once

#include <array>
#include <string>
#include <string_view>

#include "game/match_parts.h"
#include "game/messages.h"
#include "online/http_client.h"
#include "records/settings.h"

// Anonymous usage counters: starts, likes and finished games, summed per game by the service.
namespace fibwick {

inline constexpr int GameEndCounterCount = 12;

using GameEndCounters = std::array<int, GameEndCounterCount>;

// The totals of one game as the service reports them.
struct TNuvStat {
  int GID = 0;
  int Stat1 = 0;      // starts
  int Stat2 = 0;      // first starts of an installation
  int Stat3 = 0;      // likes
  std::string Stat4;  // who liked the game last (Windows-1251)
  GameEndCounters StatX{};
  int StatY = 0;
  std::string StatZ;
};

// What one finished session adds: games, cycles, points won and lost against the computer,
// hosted LAN games and tournament games (counted by seat 1 alone, so each is counted once).
GameEndCounters GameEndCountersOf(const SessionResult& result);

// The start and like replies: the text after the last `$` (not the final character) reads
// " ok" up to its '#'.
bool ReportAccepted(std::string_view reply);

class StatisticsService {
 public:
  // Reading the totals sets `readTimeoutMs` on the client, as every later request keeps.
  StatisticsService(HttpClient& client, std::string address,
                    long readTimeoutMs = DefaultReadTimeoutMs);

  bool ReportStart(bool firstStart);
  bool ReportLike(const std::string& name);  // name in Windows-1251
  // The reply is not read: a lost game-end report is not worth the player's wait.
  void ReportGameEnd(const GameEndCounters& counters);
  // False when the service could not be asked or a number did not read; `stat` then holds its
  // preset values.
  bool ReadTotals(int gid, TNuvStat& stat);

 private:
  HttpClient& client_;
  std::string address_;
  long readTimeoutMs_;
};

// Once per run, when the main window first shows: a start, and the installation's first start
// until the service has taken it. An "idd" edition reports nothing. True when a report was sent
// (the settings then want saving).
bool ReportProgramStart(StatisticsService& service, Settings& settings,
                        std::string_view editionMarker);

}  // namespace fibwick
