#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "game/match_services.h"
#include "records/club_members.h"
#include "records/general_count.h"

// The records a local match keeps: the club files, the history and the general count. Online
// steps (rated games, tournament, statistics, world top ten) have no service yet and do nothing.
namespace fibwick {

// What a session's end shows in windows; the main window implements it.
class SessionWindows {
 public:
  virtual ~SessionWindows() = default;
  virtual void HideTable() = 0;
  virtual void ShowMainMenu() = 0;
  virtual bool Confirm(const std::string& question) = 0;
  virtual void ShowNotice(const std::string& text) = 0;
  virtual void ShowEndOfGame(const GameState& state, const TopTenEntry& topTen) = 0;
};

class ClubSession final : public MatchServices {
 public:
  ClubSession(std::filesystem::path programFolder, SessionWindows& windows);

  // The password digits of a new player, taken by the start dialog, stored with the record.
  void SetNewPlayerPassword(std::string digits) { newPassword_ = std::move(digits); }
  const TCount& Count() const { return count_; }
  double CurrentRating() const { return rating_; }
  std::filesystem::path ClubFile(bool networkClub) const;

  std::optional<PlayerRecord> LoadPlayerRecord(int slot, bool networkClub) override;
  TournamentNames ReadTournamentSeats() override { return {}; }
  void RefreshGeneralCount(const GameState& state) override;

  void HideTable() override { windows_.HideTable(); }
  void SettleRatedGame(const GameState&) override {}
  void ComputeRating(GameState& state) override;
  void WriteHistory(const GameState& state) override;
  void ReportGameEnd(const GameState&) override {}
  void UpdateClubFile(const GameState& state) override;
  void ShowEndOfGame(const GameState& state) override { windows_.ShowEndOfGame(state, topTen_); }
  void OfferWorldTopTen(const GameState&) override {}
  void SubmitRatedResult(const GameState&) override {}
  void ShowMainMenu() override { windows_.ShowMainMenu(); }

  void ReportTournamentResult(const GameState&) override {}
  void ShowTournamentWindow() override {}
  void RemovePlayerRecord(const GameState& state) override;
  void LeaveRatedGame() override {}

 private:
  void Report(const ClubUpdate& update, bool networkClub);

  std::filesystem::path programFolder_;
  SessionWindows& windows_;
  std::string memberPassword_;
  std::string newPassword_;
  double rating_ = 0.0;
  TopTenEntry topTen_;
  TCount count_;
};

}  // namespace fibwick
