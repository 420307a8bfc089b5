#include "online/statistics.h"

#include <algorithm>

#include "online/reply_readers.h"

namespace fibwick {

namespace {

// The games finished in the session; the game number itself counts every earlier session too.
int GamesPlayed(const SessionResult& result) {
  return result.lastGame - result.firstGame + 1;
}

}  // namespace

GameEndCounters GameEndCountersOf(const SessionResult& result) {
  GameEndCounters counters{};
  if (result.tournament) {
    counters[5] = result.tournamentSeatOne ? 1 : 0;
    return counters;
  }
  if (result.network) {
    // Only the host counts, so each LAN game is counted once.
    if (result.networkHost) counters[4] = GamesPlayed(result);
    return counters;
  }
  counters[0] = GamesPlayed(result);
  counters[1] = result.lastGame % 20 == 0 ? 1 : 0;
  counters[2] = std::max(result.sessionScore, 0);
  counters[3] = std::max(-result.sessionScore, 0);
  return counters;
}

bool ReportAccepted(std::string_view reply) {
  if (reply.size() < 2) return false;
  const std::size_t dollar = reply.rfind('$', reply.size() - 2);
  if (dollar == std::string_view::npos) return false;
  std::string_view answer = reply.substr(dollar + 1);
  answer = answer.substr(0, answer.find('#'));
  return answer.size() >= 3 && answer.substr(1, 2) == "ok";
}

StatisticsService::StatisticsService(HttpClient& client, std::string address, long readTimeoutMs)
    : client_(client), address_(std::move(address)), readTimeoutMs_(readTimeoutMs) {}

bool StatisticsService::ReportStart(bool firstStart) {
  const std::string body =
      "gid=" + std::to_string(GameId) + "&stat1=1&stat2=" + (firstStart ? "1" : "0");
  const HttpReply reply = client_.PostForm(address_, body);
  return reply.done && ReportAccepted(reply.body);
}

bool StatisticsService::ReportLike(const std::string& name) {
  const HttpReply reply =
      client_.PostForm(address_, "gid=" + std::to_string(GameId) + "&stat3=1&stat4=" + name);
  return reply.done && ReportAccepted(reply.body);
}

void StatisticsService::ReportGameEnd(const GameEndCounters& counters) {
  std::string body = "gid=" + std::to_string(GameId);
  for (std::size_t i = 0; i < counters.size(); ++i) {
    body += "&R" + std::to_string(i + 1) + '=' + std::to_string(counters[i]);
  }
  client_.PostForm(address_, body);
}

bool StatisticsService::ReadTotals(int gid, TNuvStat& stat) {
  stat = TNuvStat{};
  stat.GID = gid;
  client_.SetReadTimeout(readTimeoutMs_);
  const HttpReply reply = client_.PostFieldList(address_, {{"gid", std::to_string(gid)}});
  if (!reply.done) return false;
  const auto records = ReplyRecords(reply.body, 1);
  if (records.empty()) return true;
  const auto fields = SplitFields(records.front(), ' ');
  TNuvStat read;
  read.GID = gid;
  for (std::size_t field = 1; field < fields.size() && field <= 18; ++field) {
    const std::string& text = fields[field];
    if (field == 4 || field == 18) {
      // The service writes an empty text as "-" so that the fields still split.
      (field == 4 ? read.Stat4 : read.StatZ) = text == "-" ? std::string() : text;
      continue;
    }
    int* target = field == 1    ? &read.Stat1
                  : field == 2  ? &read.Stat2
                  : field == 3  ? &read.Stat3
                  : field <= 16 ? &read.StatX[field - 5]
                                : &read.StatY;
    const auto number = ParseServiceInteger(text);
    if (!number) return false;
    *target = *number;
  }
  stat = std::move(read);
  return true;
}

bool ReportProgramStart(StatisticsService& service, Settings& settings,
                        std::string_view editionMarker) {
  if (editionMarker == "idd") return false;
  if (settings.StartRegistered) {
    service.ReportStart(false);
  } else {
    settings.StartRegistered = service.ReportStart(true);
  }
  return true;
}

}  // namespace fibwick
