#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/cards.h"
#include "game/table.h"
#include "records/catalogue.h"

namespace fibwick::testing {

// Writes down every call of the rules on the screen, in order, in a compact readable form.
class RecordingView : public TableView {
 public:
  std::vector<std::string> calls;
  char nextClaim = '9';

  void ShowTable(const GameState&) override { calls.push_back("table"); }
  void RedrawHand(const GameState& s, int seat, bool faces) override {
    calls.push_back("hand " + std::to_string(seat) + (faces ? " faces " : " backs ") +
                    std::to_string(s.SeatCardCount[seat]));
  }
  void DrawPile(const GameState& s, bool faces, bool mark) override {
    calls.push_back(std::string("pile ") + (faces ? "faces" : "backs") + (mark ? " marked " : " ") +
                    std::to_string(s.PileCount));
  }
  void RedrawTableArea(const GameState&) override { calls.push_back("table area"); }
  void RedrawClaimLabel(char claim) override {
    calls.push_back("claim " + (claim == NoClaim ? std::string("none") : CardLabel({claim, SuitChar(0)})));
  }
  void ShowSpeech(int seat, std::string_view text, SpeechColour colour) override {
    calls.push_back("say " + std::to_string(seat) + " " + static_cast<char>(colour) + " " +
                    std::string(text));
  }
  void FlyCards(std::span<const Flight> flights) override {
    std::string line = "fly";
    for (const Flight& f : flights) {
      line += " " + (f.face == BackCard ? std::string("back") : CardLabel(f.face)) + ":" + Point(f.from) +
              ">" + Point(f.to);
    }
    calls.push_back(line);
  }
  void PlaySound(std::string_view name) override { calls.push_back("sound " + std::string(name)); }
  void Pause(int ms) override { calls.push_back("pause " + std::to_string(ms)); }
  void SetButton(ActionButton b, std::string_view caption, bool enabled, bool visible) override {
    calls.push_back("button " + Name(b) + " '" + std::string(caption) + "'" +
                    (enabled ? " on" : " off") + (visible ? "" : " hidden"));
  }
  void SetButtonEnabled(ActionButton b, bool enabled) override {
    calls.push_back("button " + Name(b) + (enabled ? " on" : " off"));
  }
  char ChooseClaimRank() override {
    calls.push_back("choose rank");
    return nextClaim;
  }
  void ShowResult(std::string_view text) override { calls.push_back("result " + std::string(text)); }
  void ShowWaitBanner(std::string_view text) override { calls.push_back("wait " + std::string(text)); }
  void SetHints(std::string_view a, std::string_view b, std::string_view plate) override {
    calls.push_back("hints " + std::string(a) + "/" + std::string(b) + "/" + std::string(plate));
  }
  void SetTableMenu(bool exitEnabled, bool countEnabled) override {
    calls.push_back(std::string("menu exit ") + (exitEnabled ? "on" : "off") + " count " +
                    (countEnabled ? "on" : "off"));
  }
  void ShowMoveClock(int seat, int seconds) override {
    calls.push_back("clock " + std::to_string(seat) + " " + std::to_string(seconds));
  }
  void ShowNotice(std::string_view title, std::string_view text) override {
    calls.push_back("notice " + std::string(title) + " " + std::string(text));
  }

  // Calls whose text starts with `prefix`, in order.
  std::vector<std::string> Only(std::string_view prefix) const {
    std::vector<std::string> out;
    for (const auto& c : calls) {
      if (c.starts_with(prefix)) out.push_back(c);
    }
    return out;
  }

 private:
  static std::string Name(ActionButton b) {
    return b == ActionButton::Challenge ? "challenge" : b == ActionButton::Put ? "put" : "pass";
  }
  static std::string Point(const FlightPoint& p) {
    switch (p.kind) {
      case FlightPoint::Kind::HandPosition: return "hand" + std::to_string(p.seat) + "@" + std::to_string(p.position);
      case FlightPoint::Kind::HandMiddle: return "hand" + std::to_string(p.seat);
      case FlightPoint::Kind::PilePlace: return "pile@" + std::to_string(p.position);
      default: return "off";
    }
  }
};

// Draws from a script; running out is a test error, not a silent default.
class ScriptedSource : public UniformSource {
 public:
  std::deque<int> draws;
  std::vector<int> asked;  // the n of every draw

  int Draw(int n) override {
    asked.push_back(n);
    if (draws.empty()) throw std::logic_error("no scripted draw left");
    const int d = draws.front();
    draws.pop_front();
    if (d < 0 || d >= n) throw std::logic_error("scripted draw out of range");
    return d;
  }
};

class RecordingPeer : public PeerLink {
 public:
  std::vector<std::string> sent;
  int closed = 0;
  void Send(std::string_view message) override { sent.emplace_back(message); }
  void Close() override { ++closed; }
};

class RecordingServices : public MatchServices {
 public:
  std::vector<std::string> calls;
  std::optional<PlayerRecord> record;
  TournamentNames names{"Alice", "Bob"};
  bool answer = true;

  std::optional<PlayerRecord> LoadPlayerRecord(int slot, bool net) override {
    calls.push_back("load " + std::to_string(slot) + (net ? " net" : ""));
    return record;
  }
  TournamentNames ReadTournamentSeats() override {
    calls.push_back("seats");
    return names;
  }
  void RefreshGeneralCount(const GameState&) override { calls.push_back("count"); }
  void HideTable() override { calls.push_back("hide table"); }
  void SettleRatedGame(const GameState&) override { calls.push_back("settle rated"); }
  void ComputeRating(GameState&) override { calls.push_back("rating"); }
  void WriteHistory(const GameState&) override { calls.push_back("history"); }
  void ReportGameEnd(const GameState&) override { calls.push_back("statistics"); }
  void UpdateClubFile(const GameState&) override { calls.push_back("club file"); }
  void ShowEndOfGame(const GameState&) override { calls.push_back("end of game"); }
  void OfferWorldTopTen(const GameState&) override { calls.push_back("world top ten"); }
  void SubmitRatedResult(const GameState&) override { calls.push_back("submit rated"); }
  void ShowMainMenu() override { calls.push_back("menu"); }
  void ReportTournamentResult(const GameState&) override { calls.push_back("tournament result"); }
  void ShowTournamentWindow() override { calls.push_back("tournament window"); }
  void RemovePlayerRecord(const GameState&) override { calls.push_back("remove record"); }
  void LeaveRatedGame() override { calls.push_back("leave rated"); }
  bool Confirm(std::string_view question) override {
    calls.push_back("confirm " + std::string(question));
    return answer;
  }
};

// Cards by readable labels: "9h", "10d", "Jc", "Qs", "Kh", "Ad".
inline CardCode Card(std::string_view label) {
  const std::string_view rankPart = label.substr(0, label.size() - 1);
  static constexpr std::string_view Ranks[] = {"9", "10", "J", "Q", "K", "A"};
  static constexpr std::string_view Suits = "hdcs";
  RankIndex rank = NoRank;
  for (int r = 0; r < 6; ++r) {
    if (Ranks[r] == rankPart) rank = static_cast<RankIndex>(r + 1);
  }
  const auto suit = static_cast<SuitIndex>(Suits.find(label.back()));
  if (rank == NoRank || suit >= SuitCount) throw std::logic_error("bad card label");
  return MakeCard(rank, suit);
}

inline char Rank(std::string_view label) { return Card(std::string(label) + "h").rank; }

// A table with recorders around a state; hands and pile are set by label.
struct TableFixture {
  GameState state;
  RecordingView view;
  RecordingPeer peer;
  RecordingServices services;
  ScriptedSource random;
  Table table{state, view, peer, services, random};

  void SetHand(int seat, const std::vector<std::string_view>& labels) {
    state.SeatHand[seat].Fill(EmptyCard);
    state.SeatHandRank[seat].Fill(NoRank);
    int p = 0;
    for (auto label : labels) {
      ++p;
      state.SeatHand[seat][p] = Card(label);
      state.SeatHandRank[seat][p] = RankOfChar(Card(label).rank);
    }
    state.SeatCardCount[seat] = static_cast<std::uint8_t>(p);
  }

  void SetPile(const std::vector<std::string_view>& labels, int lastPut) {
    state.PileCards.Fill(EmptyCard);
    state.PileRanks.Fill(NoRank);
    int p = 0;
    for (auto label : labels) {
      ++p;
      state.PileCards[p] = Card(label);
      state.PileRanks[p] = RankOfChar(Card(label).rank);
    }
    state.PileCount = static_cast<std::uint8_t>(p);
    state.LastPutCount = static_cast<std::uint8_t>(lastPut);
  }

  // A running local game at the given turn, names set, table shown.
  void Running(std::uint8_t turn) {
    state.TableActive = true;
    state.TurnState = turn;
    state.Seat1Name = "PC";
    state.Seat2Name = "Ann";
    state.GameNumber = 3;
  }
};

inline std::string Text(Message m) { return std::string(MessageText(m)); }

}  // namespace fibwick::testing
