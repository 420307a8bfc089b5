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
double SessionRating(const GameState& state) {
  return NewRating(state.MatchFirstGame - 1, state.PlayerRating, state.SessionScore[2],
                   state.GameNumber);
}

}  // namespace

ClubSession::ClubSession(std::filesystem::path programFolder, SessionWindows& windows)
    : programFolder_(std::move(programFolder)), windows_(windows) {}

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
  rating_ = record->rating;
  return PlayerRecord{record->name, record->games, record->score, record->rating};
}

void ClubSession::RefreshGeneralCount(const GameState& state) {
  count_ = MakeCount({.gameNumber = state.GameNumber,
                      .gamesPerCycle = GamesPerCycle,
                      .baseScore = state.BaseScore,
                      .sessionScore = state.SessionScore[2],
                      .startRating = state.PlayerRating,
                      .currentRating = SessionRating(state)});
}

void ClubSession::ComputeRating(GameState& state) { rating_ = SessionRating(state); }

void ClubSession::WriteHistory(const GameState& state) {
  const HistoryEntry entry{.Player = std::string(TrimRight(state.PlayerName)),
                           .Games = state.GameNumber,
                           .Result = state.SessionScore[2],
                           .Rating = rating_,
                           .Kind = state.NetworkGame ? HistoryKind::Network : HistoryKind::Local};
  const auto club = ClubFile(state.NetworkGame).filename().string();
  if (fibwick::WriteHistory(programFolder_, club, {entry}, HistoryStampAt(std::time(nullptr))) ==
      WriteHistoryResult::Failed) {
    windows_.ShowNotice(std::string(MessageText(MsgCanntSaveHistory)));
  }
}

void ClubSession::UpdateClubFile(const GameState& state) {
  const bool cycleEnded = state.GameNumber % GamesPerCycle == 0;
  const ClubRecord record{
      .name = std::string(TrimRight(state.PlayerName)),
      .rating = rating_,
      .games = state.GameNumber,
      .score = state.TotalScore,
      .passwordDigits = state.PlayerSlot == SlotNewPlayer ? newPassword_ : memberPassword_};
  const ClubUpdate update =
      EndClubSession(ClubFile(state.NetworkGame), state.PlayerSlot, record, cycleEnded);
  topTen_ = update.topTen;
  Report(update, state.NetworkGame);
}

void ClubSession::RemovePlayerRecord(const GameState& state) {
  Report(RemoveMember(ClubFile(state.NetworkGame), state.PlayerSlot), state.NetworkGame);
}

void ClubSession::Report(const ClubUpdate& update, bool networkClub) {
  if (update.status == ClubUpdateStatus::IncorrectFile) {
    windows_.ShowNotice(ClubCheckMessage(ClubCheckOutcome::Incorrect, ClubFile(networkClub)));
  } else if (update.status == ClubUpdateStatus::WriteFailed) {
    windows_.ShowNotice(std::string(MessageText(MsgErrorOfDiskWriting)));
  }
}

}  // namespace fibwick
