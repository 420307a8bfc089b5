#include "server/stats/statistics_script.h"

#include <algorithm>

#include "base/cp1251.h"
#include "server/http/reply_writer.h"

namespace fibwick::service {
namespace {

constexpr std::int64_t MaxGameId = 9999;
constexpr std::size_t MaxNameBytes = 40;
constexpr std::int64_t MaxGameEndCounter = 1000000;

std::string CounterName(int index) {
  return "R" + std::to_string(index + 1);
}

std::string StartReport(const FormFields& form, int gameId, Store& store) {
  const auto starts = form.FindNumber("stat1", 0, 1);
  const auto uniqueStarts = form.FindNumber("stat2", 0, 1);
  if (!starts || !uniqueStarts) return std::string(NoReply);
  store.AddStarts(gameId, *starts, *uniqueStarts);
  return std::string(OkReply);
}

std::string LikeReport(const FormFields& form, int gameId, Store& store) {
  const auto likes = form.FindNumber("stat3", 0, 1);
  const auto name = form.Find("stat4");
  if (!likes || !name || name->empty() || name->size() > MaxNameBytes ||
      std::ranges::any_of(*name, [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
    return std::string(NoReply);
  }
  store.AddLike(gameId, *likes, Cp1251ToUtf8(*name));
  return std::string(OkReply);
}

std::string GameEndReport(const FormFields& form, int gameId, Store& store) {
  std::array<std::int64_t, GameEndCounters> counters{};
  for (int i = 0; i < GameEndCounters; ++i) {
    const auto counter = form.FindNumber(CounterName(i), 0, MaxGameEndCounter);
    if (!counter) return std::string(NoReply);
    counters[i] = *counter;
  }
  store.AddGameEnd(gameId, counters);
  return std::string(OkReply);
}

std::string Totals(int gameId, Store& store) {
  const auto totals = store.ReadTotals(gameId);
  RecordWriter record;
  record.Number(totals.starts).Number(totals.uniqueStarts).Number(totals.likes);
  record.Text(totals.lastLike);
  for (const auto counter : totals.gameEnd) record.Number(counter);
  record.Number(totals.reserved).Text(totals.reservedText);
  return record.Finish();
}

bool HasGameEndCounter(const FormFields& form) {
  for (int i = 0; i < GameEndCounters; ++i) {
    if (form.Find(CounterName(i))) return true;
  }
  return false;
}

}  // namespace

std::string StatisticsScript(const FormFields& form, Store& store) {
  const auto gameId = form.FindNumber("gid", 1, MaxGameId);
  if (!gameId) return std::string(NoReply);
  const int game = static_cast<int>(*gameId);
  if (form.Find("stat1") || form.Find("stat2")) return StartReport(form, game, store);
  if (form.Find("stat3") || form.Find("stat4")) return LikeReport(form, game, store);
  if (HasGameEndCounter(form)) return GameEndReport(form, game, store);
  return Totals(game, store);
}

}  // namespace fibwick::service
