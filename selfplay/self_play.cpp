#include "selfplay/self_play.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <ostream>
#include <sstream>
#include <vector>

#include "game/card_census.h"
#include "game/computer.h"
#include "game/round_end.h"
#include "game/start_game.h"
#include "game/turn.h"
#include "records/phrase_text.h"

namespace fibwick {
namespace {

constexpr long long ActionsPerGameLimit = 100000;

// The table in words: what each side says and what a challenge turns over.
class WordsLog {
 public:
  WordsLog(std::ostream& log, bool verbose) : log_(log), verbose_(verbose) {}

  void Tell(const TableEvents& events) {
    if (!verbose_) return;
    for (const TableEvent& event : events) {
      if (const auto* pile = std::get_if<PileDrawn>(&event)) TurnedOver(*pile);
      if (const auto* speech = std::get_if<SpeechShown>(&event)) Say(*speech);
      if (const auto* result = std::get_if<ResultShown>(&event)) {
        log_ << "  " << PhraseText(result->words, 0) << '\n';
        lastLine_.clear();
      }
    }
  }

 private:
  // A challenge turns the pile over before the call is shown; tell it after the call.
  void TurnedOver(const PileDrawn& pile) {
    if (!pile.faces || pile.marked == 0) return;
    turnedOver_ = "    turned over:";
    for (std::size_t p = pile.cards.size() - static_cast<std::size_t>(pile.marked);
         p < pile.cards.size(); ++p) {
      turnedOver_ += ' ' + CardLabel(pile.cards[p]);
    }
  }
  void Say(const SpeechShown& speech) {
    if (speech.colour != SpeechColour::Blue && speech.colour != SpeechColour::Green) return;
    std::string line =
        std::string(speech.seat == 1 ? "PC" : "Player") + ": " + PhraseText(speech.words, 0);
    if (line != lastLine_) log_ << "  " << line << '\n';
    lastLine_ = std::move(line);
    if (!turnedOver_.empty()) log_ << turnedOver_ << '\n';
    turnedOver_.clear();
  }

  std::ostream& log_;
  bool verbose_;
  std::string lastLine_;
  std::string turnedOver_;
};

// A session with no records to keep: the self-play player is always new.
class NoRecords final : public StandingSource {
 public:
  std::optional<PlayerRecord> LoadPlayerRecord(int, bool) override { return std::nullopt; }
  TournamentNames ReadTournamentSeats() override { return {}; }
};

enum class Event { LocalPut, LocalPass, LocalChallenge, OpponentMove };

class Match {
 public:
  Match(const SelfPlayOptions& options, std::ostream& log)
      : options_(options),
        log_(log),
        words_(log, options.verbose),
        computer_(options.seed),
        player_(options.seed * 7919 + 17) {}

  SelfPlayReport Run() {
    state_.session.PlayerSlot = SlotNewPlayer;
    state_.session.PlayerName = "Player";
    for (int game = 0; game < options_.games && !report_.violation; ++game) PlayGame(game);
    return report_;
  }

 private:
  void Fail(const std::string& what) {
    if (!report_.violation) report_.violation = what + "\n" + DescribeState(state_);
  }

  void PlayGame(int game) {
    // Matches of twenty games, so both sides open in turn.
    words_.Tell(StartGame(state_, computer_, records_, game % GamesPerCycle != 0));
    census_.Restart();
    if (options_.verbose) log_ << "Game " << game + 1 << '\n' << DescribeState(state_);
    Check(std::nullopt, Turn::Idle, 0);
    for (long long n = 0; !state_.round.RoundOver && !report_.violation; ++n) {
      if (n == ActionsPerGameLimit) return Fail("the game did not end");
      Step();
      ++report_.actions;
    }
    if (report_.violation) return;
    ++report_.gamesPlayed;
    report_.localWins += state_.round.RoundResult == ResultLocalWon ? 1 : 0;
    report_.localLosses += state_.round.RoundResult == ResultLocalLost ? 1 : 0;
    report_.draws += state_.round.RoundResult == ResultDraw ? 1 : 0;
  }

  void Step() {
    TryAnIllegalMove();
    if (report_.violation || state_.round.RoundOver) return;
    const Turn before = state_.round.TurnState;
    const int pileBefore = state_.table.PileCount;
    if (before == Turn::Opponent) {
      const auto outcome = ComputerTick(state_, computer_, CardFlights::Off);
      if (!outcome || !outcome->Played()) {
        return Fail(
            "the computer's move was refused: " +
            std::string(RefusalName(outcome ? outcome->refusal : Refusal::NotThisSeatsTurn)));
      }
      words_.Tell(outcome->events);
      return Check(Event::OpponentMove, before, pileBefore);
    }
    if (before != Turn::Local) return Fail("nobody is to act");
    std::vector<Event> legal;
    if (state_.hands.SeatCardCount[2] > 0) legal.push_back(Event::LocalPut);
    if (CanPass(state_)) legal.push_back(Event::LocalPass);
    if (CanChallenge(state_)) legal.push_back(Event::LocalChallenge);
    if (legal.empty()) return Fail("the local player has no legal action");
    const Event event =
        legal[static_cast<std::size_t>(player_.Draw(static_cast<int>(legal.size())))];
    bool done = false;
    switch (event) {
      case Event::LocalPut:
        done = Put();
        break;
      case Event::LocalPass:
        done = PlayLocal(Move::Pass(state_.claim.ClaimRank));
        break;
      default:
        done = PlayLocal(Move::Challenge(state_.claim.ClaimRank));
        break;
    }
    if (!done) return Fail("a legal action was refused");
    Check(event, before, pileBefore);
  }

  bool PlayLocal(const Move& move) {
    const Outcome outcome = Play(state_, Seat::Local, move, CardFlights::Off);
    words_.Tell(outcome.events);
    return outcome.Played();
  }

  // A move of either seat made of random parts: any card of the deck or none, any claim. The
  // referee must refuse it with the table untouched, or play it as the local player's legal move.
  void TryAnIllegalMove() {
    static constexpr char Claims[] = {'9', '1', 'J', 'Q', 'K', 'A', '6', NoClaim};
    static constexpr MoveKind Kinds[] = {MoveKind::Put, MoveKind::Challenge, MoveKind::Pass};
    const Seat seat = player_.Draw(2) == 0 ? Seat::Opponent : Seat::Local;
    Move move = Move::Without(Kinds[player_.Draw(3)], Claims[player_.Draw(8)]);
    const int count = move.kind == MoveKind::Put ? player_.Draw(MaxPutCards + 1) : 0;
    for (int k = 1; k <= count; ++k) {
      const int v = player_.Draw(DeckCardCount);
      move.cards[++move.count] = MakeCard(static_cast<RankIndex>(v / SuitCount + 1),
                                          static_cast<SuitIndex>(v % SuitCount));
    }
    // A legal move for seat 1 is left to the computer, whose memory of the claim it would skip.
    if (seat == Seat::Opponent && CheckMove(state_, seat, move) == Refusal::None) return;
    const GameState before = state_;
    const Turn turnBefore = state_.round.TurnState;
    const int pileBefore = state_.table.PileCount;
    const Outcome outcome = Play(state_, seat, move, CardFlights::Off);
    if (!outcome.Played()) {
      if (!(state_ == before) || !outcome.events.empty()) Fail("a refused move changed the table");
      return;
    }
    ++report_.randomMovesPlayed;
    words_.Tell(outcome.events);
    const Event event = seat == Seat::Opponent             ? Event::OpponentMove
                        : move.kind == MoveKind::Put       ? Event::LocalPut
                        : move.kind == MoveKind::Challenge ? Event::LocalChallenge
                                                           : Event::LocalPass;
    Check(event, turnBefore, pileBefore);
  }

  bool Put() {
    const int count = state_.hands.SeatCardCount[2];
    const int take = 1 + player_.Draw(std::min(count, MaxPutCards));
    std::vector<int> positions(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) positions[static_cast<std::size_t>(i)] = i + 1;
    for (int i = 0; i < take; ++i) {
      const int j = i + player_.Draw(count - i);
      std::swap(positions[static_cast<std::size_t>(i)], positions[static_cast<std::size_t>(j)]);
      if (ToggleCardSelection(state_, positions[static_cast<std::size_t>(i)]).empty()) return false;
    }
    const char claim = state_.claim.NewClaim
                           ? RankChar(static_cast<RankIndex>(1 + player_.Draw(RankCount)))
                           : state_.claim.ClaimRank;
    return PlayLocal(SelectedPut(state_, claim));
  }

  // `pileBefore` tells a discard (the pile vanished without a challenge) from a pass.
  void Check(std::optional<Event> event, Turn before, int pileBefore) {
    if (const auto problem = census_.Check(state_)) return Fail(*problem);
    if (!event) {
      if (!state_.claim.NewClaim) Fail("a game starts without a new claim");
      return;
    }
    const bool challenged = state_.claim.LastAction == ActionChallenge;
    const bool discarded = !challenged && pileBefore > 0 && state_.table.PileCount == 0 &&
                           state_.claim.LastAction == ActionPass;
    const bool expectNewClaim = challenged || discarded;
    if (state_.claim.NewClaim != expectNewClaim)
      return Fail("NewClaim does not follow the last action");
    Turn expected = Turn::Idle;
    const bool lie = state_.claim.LastClaimWasLie;
    if (*event == Event::OpponentMove) {
      expected = challenged ? (lie ? Turn::Opponent : Turn::Local) : Turn::Local;
    } else if (*event == Event::LocalChallenge) {
      expected = lie ? Turn::Local : Turn::Opponent;
    } else {
      expected = Turn::Opponent;
    }
    if (state_.round.RoundOver) expected = Turn::ConnectedOrOver;
    if (state_.round.TurnState != expected) {
      const auto number = [](Turn turn) { return std::to_string(static_cast<int>(turn)); };
      Fail("turn state " + number(before) + " went to " + number(state_.round.TurnState) +
           ", expected " + number(expected));
    }
  }

  const SelfPlayOptions& options_;
  std::ostream& log_;
  GameState state_;
  WordsLog words_;
  NoRecords records_;
  ClockSeededSource computer_;
  ClockSeededSource player_;
  SelfPlayReport report_;
  CardCensus census_;
};

}  // namespace

SelfPlayReport RunSelfPlay(const SelfPlayOptions& options, std::ostream& log) {
  return Match(options, log).Run();
}

}  // namespace fibwick
