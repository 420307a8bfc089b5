#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "game/match_parts.h"
#include "records/club_members.h"
#include "records/general_count.h"
#include "records/settings.h"

// The records a local match keeps: the club files, the history and the general count.
namespace fibwick {

class ClubSession final : public StandingSource, public SessionRecords {
 public:
  using Notice = std::function<void(const std::string&)>;
  // `notice` tells the player of a file that could not be read or written.
  ClubSession(std::filesystem::path programFolder, Notice notice);

  // The password digits of a new player, taken by the start dialog, stored with the record.
  void SetNewPlayerPassword(std::string digits) { newPassword_ = std::move(digits); }
  const TCount& Count() const { return count_; }
  std::filesystem::path ClubFile(bool networkClub) const;
  void RefreshGeneralCount(const GameState& state);

  std::optional<PlayerRecord> LoadPlayerRecord(int slot, bool networkClub) override;
  // The tournament arrives with the game service.
  TournamentNames ReadTournamentSeats() override { return {}; }

  double ComputeRating(const SessionResult& result) override;
  void WriteHistory(const SessionResult& result) override;
  SessionResult UpdateClubFile(SessionResult result) override;
  void RemovePlayerRecord(int playerSlot, bool networkClub) override;

  // "To change a name": a member's line takes the new name and password and moves by rating.
  // The player's line afterwards; nothing when the club file could not be changed (told).
  std::optional<int> ChangeMemberName(int playerSlot, bool networkClub, const std::string& name,
                                      const std::string& password);

 private:
  void Report(const ClubUpdate& update, bool networkClub);

  std::filesystem::path programFolder_;
  Notice notice_;
  std::string memberPassword_;  // of the member whose record the match started from
  std::string newPassword_;
  TCount count_;
};

// The online steps of a session's end: a rated game, the world top ten and the tournament have
// nothing to report to yet. The statistics hear of a finished game from the window, once the
// game has ended.
class ServiceSession final : public SessionOnline {
 public:
  void SettleRatedGame(const SessionResult&) override {}
  void OfferWorldTopTen(const SessionResult&) override {}
  void SubmitRatedResult(const SessionResult&) override {}
  void ReportTournamentResult(const SessionResult&) override {}
  void LeaveRatedGame() override {}
};

}  // namespace fibwick
