#include "app/club_session.h"

#include <ctime>

#include "base/cp1251.h"
#include "base/fixed_field.h"
#include "records/catalogue.h"
#include "records/club_file.h"
#include "records/history_file.h"
#include "records/rating.h"

namespace fibwick {

namespace {

// The rating after the session: the games and rating it started from, its points, the games now.
double SessionRating(const SessionResult& result) {
  return NewRating(result.firstGame - 1, result.startRating, result.sessionScore, result.lastGame);
}

}  // namespace

ClubSession::ClubSession(std::filesystem::path programFolder, Notice notice)
    : programFolder_(std::move(programFolder)), notice_(std::move(notice)) {}

std::filesystem::path ClubSession::ClubFile(bool networkClub) const {
  return programFolder_ / (networkClub ? NetClubFileName : ClubFileName);
}

std::optional<PlayerRecord> ClubSession::LoadPlayerRecord(int slot, bool networkClub) {
  memberPassword_.clear();
  if (slot < SlotFirstMember || slot > SlotLastMember) return std::nullopt;
  const auto lines = ReadClubFile(ClubFile(networkClub));
  if (!lines) return std::nullopt;
  const auto record = ParseMemberLine((*lines)[static_cast<std::size_t>(slot - 1)]);
  if (!record) return std::nullopt;
  memberPassword_ = record->passwordDigits;
  return PlayerRecord{record->name, record->games, record->score, record->rating};
}

void ClubSession::RefreshGeneralCount(const GameState& state) {
  const SessionResult result = SessionResultOf(state);
  count_ = MakeCount({.gameNumber = state.session.GameNumber,
                      .gamesPerCycle = GamesPerCycle,
                      .baseScore = state.session.BaseScore,
                      .sessionScore = result.sessionScore,
                      .startRating = result.startRating,
                      .currentRating = SessionRating(result)});
}

double ClubSession::ComputeRating(const SessionResult& result) {
  return SessionRating(result);
}

void ClubSession::WriteHistory(const SessionResult& result) {
  const HistoryEntry entry{.Player = result.playerName,
                           .Games = result.lastGame,
                           .Result = result.sessionScore,
                           .Rating = result.rating,
                           .Kind = result.network ? HistoryKind::Network : HistoryKind::Local};
  const auto club = ClubFile(result.network).filename().string();
  std::optional<DamagedHistory> damaged;
  if (fibwick::WriteHistory(programFolder_, club, {entry}, HistoryStampAt(std::time(nullptr)),
                            &damaged) == WriteHistoryResult::Failed) {
    notice_(std::string(MessageText(MsgCanntSaveHistory)));
  } else if (damaged) {
    notice_(DamagedHistoryMessage(*damaged));
  }
}

SessionResult ClubSession::UpdateClubFile(SessionResult result) {
  const ClubRecord record{
      .name = result.playerName,
      .rating = result.rating,
      .games = result.lastGame,
      .score = result.totalScore,
      .passwordDigits = result.playerSlot == SlotNewPlayer ? newPassword_ : memberPassword_};
  const ClubUpdate update =
      EndClubSession(ClubFile(result.network), result.playerSlot, record, result.cycleEnd);
  result.topTenPlace = update.topTen.place;
  result.topTenScore = update.topTen.score;
  Report(update, result.network);
  return result;
}

void ClubSession::RemovePlayerRecord(int playerSlot, bool networkClub) {
  Report(RemoveMember(ClubFile(networkClub), playerSlot), networkClub);
}

std::optional<int> ClubSession::ChangeMemberName(int playerSlot, bool networkClub,
                                                 const std::string& name,
                                                 const std::string& password) {
  const ClubUpdate update = ChangeName(ClubFile(networkClub), playerSlot, name, password);
  Report(update, networkClub);
  switch (update.status) {
    case ClubUpdateStatus::Done:
      return update.line;
    case ClubUpdateStatus::Unchanged:
      return playerSlot;
    default:
      return std::nullopt;
  }
}

void ClubSession::Report(const ClubUpdate& update, bool networkClub) {
  if (update.status == ClubUpdateStatus::IncorrectFile) {
    notice_(ClubCheckMessage(ClubCheckOutcome::Incorrect, ClubFile(networkClub)));
  } else if (update.status == ClubUpdateStatus::WriteFailed) {
    notice_(std::string(MessageText(MsgErrorOfDiskWriting)));
  }
}

}  // namespace fibwick
