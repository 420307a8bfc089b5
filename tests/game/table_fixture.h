#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/computer.h"
#include "game/move_clock.h"
#include "game/open_cards.h"
#include "game/round_end.h"
#include "game/start_game.h"
#include "game/turn.h"
#include "records/catalogue.h"
#include "records/phrase_text.h"
#include "rules/cards.h"

namespace fibwick::testing {

// The events a rule returned, each written down in a compact readable form, in order.
class EventLog {
 public:
  std::vector<std::string> calls;
  char nextClaim = '9';  // the rank the player picks in the rank chooser

  void Record(const TableEvent& event) { calls.push_back(Describe(event)); }

  // Calls whose text starts with `prefix`, in order.
  std::vector<std::string> Only(std::string_view prefix) const {
    std::vector<std::string> out;
    for (const auto& c : calls) {
      if (c.starts_with(prefix)) out.push_back(c);
    }
    return out;
  }

  static std::string Describe(const TableEvent& event) {
    return std::visit([](const auto& e) { return Line(e); }, event);
  }

 private:
  static std::string Words(const Phrase& p) { return PhraseText(p, 0); }
  static std::string Line(const TableShown&) { return "table"; }
  static std::string Line(const HandDrawn& e) {
    return "hand " + std::to_string(e.seat) + (e.faces ? " faces " : " backs ") +
           std::to_string(e.cards.size());
  }
  static std::string Line(const PileDrawn& e) {
    return std::string("pile ") + (e.faces ? "faces" : "backs") +
           (e.marked > 0 ? " marked " : " ") + std::to_string(e.cards.size());
  }
  static std::string Line(const TableAreaCleared&) { return "table area"; }
  static std::string Line(const ClaimPlateDrawn& e) {
    return "claim " +
           (e.claimRank == NoClaim ? std::string("none") : CardLabel({e.claimRank, SuitChar(0)}));
  }
  static std::string Line(const SpeechShown& e) {
    return "say " + std::to_string(e.seat) + " " + static_cast<char>(e.colour) + " " +
           Words(e.words);
  }
  static std::string Line(const CardsFlown& e) {
    std::string line = "fly";
    for (const Flight& f : e.flights) {
      line += " " + (f.face == BackCard ? std::string("back") : CardLabel(f.face)) + ":" +
              Point(f.from) + ">" + Point(f.to);
    }
    return line;
  }
  static std::string Line(const SoundPlayed& e) { return "sound " + e.resource; }
  static std::string Line(const Paused& e) { return "pause " + std::to_string(e.milliseconds); }
  static std::string Line(const ButtonSet& e) {
    return "button " + Name(e.button) + " '" + Words(e.caption) + "'" +
           (e.enabled ? " on" : " off") + (e.visible ? "" : " hidden");
  }
  static std::string Line(const ButtonEnabled& e) {
    return "button " + Name(e.button) + (e.enabled ? " on" : " off");
  }
  static std::string Line(const ResultShown& e) { return "result " + Words(e.words); }
  static std::string Line(const WaitBannerShown& e) { return "wait " + Words(e.words); }
  static std::string Line(const HintsSet& e) {
    return "hints " + Words(e.seat1Hand) + "/" + Words(e.seat2Hand) + "/" + Words(e.claimPlate);
  }
  static std::string Line(const TableMenuSet& e) {
    return std::string("menu exit ") + (e.exitEnabled ? "on" : "off") + " count " +
           (e.countEnabled ? "on" : "off");
  }
  static std::string Line(const MoveClockShown& e) {
    return "clock " + std::to_string(e.seat) + " " + std::to_string(e.seconds);
  }
  static std::string Line(const NoticeShown& e) {
    return "notice " + Words(e.title) + " " + Words(e.text);
  }
  static std::string Line(const PeerMessage& e) { return "send " + e.text; }
  static std::string Line(const PeerClosed&) { return "close peer"; }
  static std::string Line(const GameEnded&) { return "game ended"; }

  static std::string Name(ActionButton b) {
    return b == ActionButton::Challenge ? "challenge" : b == ActionButton::Put ? "put" : "pass";
  }
  static std::string Point(const FlightPoint& p) {
    switch (p.kind) {
      case FlightPoint::Kind::HandPosition:
        return "hand" + std::to_string(p.seat) + "@" + std::to_string(p.position);
      case FlightPoint::Kind::HandMiddle:
        return "hand" + std::to_string(p.seat) + "";
      case FlightPoint::Kind::PilePlace:
        return "pile@" + std::to_string(p.position);
      default:
        return "off";
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

// What the table sent to the far side of a network game.
struct PeerLog {
  std::vector<std::string> sent;
  int closed = 0;
};

// Writes down every step the table asks of the records, the online services and the windows.
class RecordingServices : public StandingSource,
                          public SessionRecords,
                          public SessionOnline,
                          public SessionWindows {
 public:
  std::vector<std::string> calls;
  std::optional<PlayerRecord> record;
  TournamentNames names{"Alice", "Bob"};
  std::optional<SessionResult> ended;  // as the windows saw it at the end of a cycle

  std::optional<PlayerRecord> LoadPlayerRecord(int slot, bool net) override {
    calls.push_back("load " + std::to_string(slot) + (net ? " net" : ""));
    return record;
  }
  TournamentNames ReadTournamentSeats() override {
    calls.push_back("seats");
    return names;
  }
  double ComputeRating(const SessionResult&) override {
    calls.push_back("rating");
    return 7.5;
  }
  void WriteHistory(const SessionResult&) override { calls.push_back("history"); }
  SessionResult UpdateClubFile(SessionResult result) override {
    calls.push_back("club file");
    result.topTenPlace = 3;
    return result;
  }
  void RemovePlayerRecord(int, bool) override { calls.push_back("remove record"); }
  void SettleRatedGame(const SessionResult&) override { calls.push_back("settle rated"); }
  void OfferWorldTopTen(const SessionResult&) override { calls.push_back("world top ten"); }
  void SubmitRatedResult(const SessionResult&) override { calls.push_back("submit rated"); }
  void ReportTournamentResult(const SessionResult&) override {
    calls.push_back("tournament result");
  }
  void LeaveRatedGame() override { calls.push_back("leave rated"); }
  void HideTable() override { calls.push_back("hide table"); }
  void ShowEndOfGame(const SessionResult& result) override {
    calls.push_back("end of game");
    ended = result;
  }
  void ShowTournamentWindow() override { calls.push_back("tournament window"); }
  void ShowMainMenu() override { calls.push_back("menu"); }

  SessionParts Parts() { return {*this, *this, *this}; }
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

inline char Rank(std::string_view label) {
  return Card(std::string(label) + "h").rank;
}

// A table with recorders around a state; hands and pile are set by label.
struct TableFixture;

// The rules as the window calls them, with everything they return written down.
struct TableRef {
  TableFixture& f;
};

struct TableFixture {
  GameState state;
  CardFlights flights = CardFlights::Off;
  EventLog view;
  PeerLog peer;
  RecordingServices services;
  ScriptedSource random;
  TableRef table{*this};

  // Writes down returned events: the screen's in `view`, the far side's in `peer`, and the
  // general count's refresh in `services`.
  void Record(const TableEvents& events) {
    for (const TableEvent& event : events) {
      if (const auto* message = std::get_if<PeerMessage>(&event)) {
        peer.sent.push_back(message->text);
      } else if (std::holds_alternative<PeerClosed>(event)) {
        ++peer.closed;
      } else if (std::holds_alternative<GameEnded>(event)) {
        services.calls.push_back("count");
      } else {
        view.Record(event);
      }
    }
  }
  bool Record(const Outcome& outcome) {
    Record(outcome.events);
    return outcome.Played();
  }

  void SetHand(int seat, const std::vector<std::string_view>& labels) {
    state.hands.SeatHand[seat].Fill(EmptyCard);
    state.hands.SeatHandRank[seat].Fill(NoRank);
    int p = 0;
    for (auto label : labels) {
      ++p;
      state.hands.SeatHand[seat][p] = Card(label);
      state.hands.SeatHandRank[seat][p] = RankOfChar(Card(label).rank);
    }
    state.hands.SeatCardCount[seat] = static_cast<std::uint8_t>(p);
  }

  void SetPile(const std::vector<std::string_view>& labels, int lastPut) {
    state.table.PileCards.Fill(EmptyCard);
    state.table.PileRanks.Fill(NoRank);
    int p = 0;
    for (auto label : labels) {
      ++p;
      state.table.PileCards[p] = Card(label);
      state.table.PileRanks[p] = RankOfChar(Card(label).rank);
    }
    state.table.PileCount = static_cast<std::uint8_t>(p);
    state.table.LastPutCount = static_cast<std::uint8_t>(lastPut);
  }

  // A running local game at the given turn, names set, table shown.
  void Running(Turn turn) {
    state.round.TableActive = true;
    state.round.TurnState = turn;
    state.session.Seat1Name = "PC";
    state.session.Seat2Name = "Ann";
    state.session.GameNumber = 3;
  }
};

inline std::string Text(Message m) {
  return std::string(MessageText(m));
}

// The window's calls on the rules, each recording what the rule returned.
inline bool ToggleCardSelection(TableRef t, int position) {
  const TableEvents events = fibwick::ToggleCardSelection(t.f.state, position);
  t.f.Record(events);
  return !events.empty();
}
// The put button: the rank chooser opens for a new claim, then the selected cards are put.
inline bool LocalPut(TableRef t) {
  if (!CanPut(t.f.state)) return false;
  char claim = t.f.state.claim.ClaimRank;
  if (t.f.state.claim.NewClaim) {
    t.f.view.calls.push_back("choose rank");
    claim = t.f.view.nextClaim;
  }
  return t.f.Record(Play(t.f.state, Seat::Local, SelectedPut(t.f.state, claim), t.f.flights));
}
inline bool LocalChallenge(TableRef t) {
  return t.f.Record(
      Play(t.f.state, Seat::Local, Move::Challenge(t.f.state.claim.ClaimRank), t.f.flights));
}
inline bool LocalPass(TableRef t) {
  return t.f.Record(
      Play(t.f.state, Seat::Local, Move::Pass(t.f.state.claim.ClaimRank), t.f.flights));
}
// A move message of seat 1, as the computer, the LAN peer or the relay sends it.
inline bool ApplyMove(TableRef t, std::string_view message) {
  const auto move = ReadMoveMessage(message);
  return move && t.f.Record(Play(t.f.state, Seat::Opponent, MoveOfMessage(*move), t.f.flights));
}
inline void StartGame(TableRef t, bool continueMatch) {
  t.f.Record(fibwick::StartGame(t.f.state, t.f.random, t.f.services, continueMatch));
}
inline bool ReceiveLanDeal(TableRef t, std::string_view message) {
  const auto events = fibwick::ReceiveLanDeal(t.f.state, t.f.random, t.f.services, message);
  if (events) t.f.Record(*events);
  return events.has_value();
}
inline bool ReceiveRelayDeal(TableRef t, std::string_view message) {
  const auto events = fibwick::ReceiveRelayDeal(t.f.state, t.f.random, t.f.services, message);
  if (events) t.f.Record(*events);
  return events.has_value();
}
inline std::uint8_t CheckRoundEnd(TableRef t) {
  TableEvents events;
  const std::uint8_t result = fibwick::CheckRoundEnd(t.f.state, events);
  t.f.Record(events);
  return result;
}
inline bool ComputerTick(TableRef t) {
  const auto outcome = fibwick::ComputerTick(t.f.state, t.f.random, t.f.flights);
  return outcome && t.f.Record(*outcome);
}
inline bool ExitToMenu(TableRef t) {
  TableEvents events;
  const bool done = fibwick::ExitToMenu(t.f.state, t.f.services.Parts(), events);
  t.f.Record(events);
  return done;
}
inline void MoveClockTick(TableRef t) {
  t.f.Record(fibwick::MoveClockTick(t.f.state));
}
inline void PassMoveClock(TableRef t, int seat) {
  TableEvents events;
  fibwick::PassMoveClock(t.f.state, events, seat);
  t.f.Record(events);
}
inline bool OpenCardsKey(TableRef t, char key) {
  const TableEvents events = fibwick::OpenCardsKey(t.f.state, key);
  t.f.Record(events);
  return !events.empty();
}

}  // namespace fibwick::testing
