// The records a session's end writes, and what the player is told of them.
#include "app/club_session.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/app_support.h"
#include "records/history_file.h"
#include "records/history_view.h"

namespace fibwick {
namespace {

using namespace testing;

void ChangeByte(const fs::path& file, std::size_t at, char byte) {
  std::fstream stream(file, std::ios::in | std::ios::out | std::ios::binary);
  stream.seekp(static_cast<std::streamoff>(at));
  stream.put(byte);
}

TEST(ClubSessionHistory, ADamagedFileIsToldOnceAndItsGamesGoOn) {
  const fs::path folder = FreshProgramFolder("damagedhistory");
  std::vector<std::string> notices;
  ClubSession session(folder, [&](const std::string& text) { notices.push_back(text); });
  SessionResult result;
  result.playerName = "Ann";
  result.firstGame = result.lastGame = 3;
  result.sessionScore = 10;
  session.WriteHistory(result);
  session.WriteHistory(result);
  const fs::path file = HistoryFilePath(folder, "Fibwick.clb", 1);
  ChangeByte(file, 20, 'x');  // in the player column of the first entry

  session.WriteHistory(result);
  session.WriteHistory(result);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], DamagedHistoryMessage({file.string() + ".damaged", 1}));
  EXPECT_TRUE(fs::exists(file.string() + ".damaged"));
  EXPECT_EQ(ReadHistoryRows(file).size(), 3u);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace fibwick
