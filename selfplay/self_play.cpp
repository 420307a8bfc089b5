#include "selfplay/self_play.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <bitset>
#include <sstream>
#include <vector>

#include "game/computer.h"
#include "game/round_end.h"
#include "game/start_game.h"
#include "game/turn.h"
#include "records/catalogue.h"

namespace fibwick {
namespace {

constexpr long long ActionsPerGameLimit = 100000;

// The table in words: what each side says and what a challenge turns over.
class WordsView final : public TableView {
 public:
  WordsView(std::ostream& log, bool verbose) : log_(log), verbose_(verbose) {}
  char claim = '9';

  void ShowTable(const GameState&) override {}
  void RedrawHand(const GameState&, int, bool) override {}
  // A challenge turns the pile over before the call is shown; tell it after the call.
  void DrawPile(const GameState& s, bool faces, bool) override {
    if (!verbose_ || !faces || s.LastPutCount == 0) return;
    turnedOver_ = "    turned over:";
    for (int p = s.PileCount - s.LastPutCount + 1; p <= s.PileCount; ++p) {
      turnedOver_ += ' ' + CardLabel(s.PileCards[p]);
    }
  }
  void RedrawTableArea(const GameState&) override {}
  void RedrawClaimLabel(char) override {}
  void ShowSpeech(int seat, std::string_view text, SpeechColour colour) override {
    if (!verbose_ || (colour != SpeechColour::Blue && colour != SpeechColour::Green)) return;
    std::string line = std::string(seat == 1 ? "PC" : "Player") + ": " + std::string(text);
    if (line != lastLine_) log_ << "  " << line << '\n';
    lastLine_ = std::move(line);
    if (!turnedOver_.empty()) log_ << turnedOver_ << '\n';
    turnedOver_.clear();
  }
  void FlyCards(std::span<const Flight>) override {}
  void PlaySound(std::string_view) override {}
  void Pause(int) override {}
  void SetButton(ActionButton, std::string_view, bool, bool) override {}
  void SetButtonEnabled(ActionButton, bool) override {}
  char ChooseClaimRank() override { return claim; }
  void ShowResult(std::string_view text) override {
    if (verbose_) log_ << "  " << text << '\n';
    lastLine_.clear();
  }
  void ShowWaitBanner(std::string_view) override {}
  void SetHints(std::string_view, std::string_view, std::string_view) override {}
  void SetTableMenu(bool, bool) override {}
  void ShowMoveClock(int, int) override {}
  void ShowNotice(std::string_view, std::string_view) override {}

 private:
  std::ostream& log_;
  bool verbose_;
  std::string lastLine_;
  std::string turnedOver_;
};

// A session with no records to keep: the self-play player is always new.
class NoRecords final : public MatchServices {
 public:
  std::optional<PlayerRecord> LoadPlayerRecord(int, bool) override { return std::nullopt; }
  TournamentNames ReadTournamentSeats() override { return {}; }
  void RefreshGeneralCount(const GameState&) override {}
  void HideTable() override {}
  void SettleRatedGame(const GameState&) override {}
  void ComputeRating(GameState&) override {}
  void WriteHistory(const GameState&) override {}
  void ReportGameEnd(const GameState&) override {}
  void UpdateClubFile(const GameState&) override {}
  void ShowEndOfGame(const GameState&) override {}
  void OfferWorldTopTen(const GameState&) override {}
  void SubmitRatedResult(const GameState&) override {}
  void ShowMainMenu() override {}
  void ReportTournamentResult(const GameState&) override {}
  void ShowTournamentWindow() override {}
  void RemovePlayerRecord(const GameState&) override {}
  void LeaveRatedGame() override {}
  bool Confirm(std::string_view) override { return true; }
};

using CardSet = std::bitset<DeckCardCount>;

std::size_t CardIndex(CardCode card) {
  return static_cast<std::size_t>((RankOfChar(card.rank) - 1) * SuitCount + SuitOfChar(card.suit));
}

CardSet CardsInPlay(const GameState& s, std::string& problem) {
  CardSet cards;
  const auto add = [&](CardCode card, RankIndex rank, const char* where) {
    if (!IsDeckCard(card) || RankOfChar(card.rank) != rank) {
      problem = std::string("a slot of ") + where + " holds no proper card";
    } else if (cards.test(CardIndex(card))) {
      problem = "card " + CardLabel(card) + " stands twice";
    } else {
      cards.set(CardIndex(card));
    }
  };
  for (int seat = 1; seat <= 2; ++seat) {
    int count = 0;
    for (int p = 1; p <= HandCapacity; ++p) {
      if (s.SeatHand[seat][p] == EmptyCard) continue;
      ++count;
      add(s.SeatHand[seat][p], s.SeatHandRank[seat][p], "a hand");
    }
    if (count != s.SeatCardCount[seat]) problem = "a hand's count differs from its cards";
  }
  for (int p = 1; p <= DeckCardCount; ++p) {
    const bool used = p <= s.PileCount;
    if (used) add(s.PileCards[p], s.PileRanks[p], "the pile");
    if (!used && s.PileCards[p] != EmptyCard) problem = "a card lies above the pile's count";
  }
  return cards;
}

enum class Event { LocalPut, LocalPass, LocalChallenge, OpponentMove };

class Match {
 public:
  Match(const SelfPlayOptions& options, std::ostream& log)
      : options_(options),
        log_(log),
        view_(log, options.verbose),
        computer_(options.seed),
        player_(options.seed * 7919 + 17),
        table_{state_, view_, peer_, records_, computer_} {}

  SelfPlayReport Run() {
    state_.PlayerSlot = SlotNewPlayer;
    state_.PlayerName = "Player";
    for (int game = 0; game < options_.games && !report_.violation; ++game) PlayGame(game);
    return report_;
  }

 private:
  void Fail(const std::string& what) {
    if (!report_.violation) report_.violation = what + "\n" + DescribeState(state_);
  }

  void PlayGame(int game) {
    // Matches of twenty games, so both sides open in turn.
    StartGame(table_, game % GamesPerCycle != 0);
    discarded_.reset();
    previous_.reset();
    if (options_.verbose) log_ << "Game " << game + 1 << '\n' << DescribeState(state_);
    Check(std::nullopt, TurnIdle, 0);
    for (long long n = 0; !state_.RoundOver && !report_.violation; ++n) {
      if (n == ActionsPerGameLimit) return Fail("the game did not end");
      Step();
      ++report_.actions;
    }
    if (report_.violation) return;
    ++report_.gamesPlayed;
    report_.localWins += state_.RoundResult == ResultLocalWon ? 1 : 0;
    report_.localLosses += state_.RoundResult == ResultLocalLost ? 1 : 0;
    report_.draws += state_.RoundResult == ResultDraw ? 1 : 0;
  }

  void Step() {
    const std::uint8_t before = state_.TurnState;
    const int pileBefore = state_.PileCount;
    if (before == TurnOpponent) {
      if (!ComputerTick(table_)) return Fail("the computer could not move");
      return Check(Event::OpponentMove, before, pileBefore);
    }
    if (before != TurnLocal) return Fail("nobody is to act");
    std::vector<Event> legal;
    if (state_.SeatCardCount[2] > 0) legal.push_back(Event::LocalPut);
    if (CanPass(state_)) legal.push_back(Event::LocalPass);
    if (CanChallenge(state_)) legal.push_back(Event::LocalChallenge);
    if (legal.empty()) return Fail("the local player has no legal action");
    const Event event = legal[static_cast<std::size_t>(player_.Draw(static_cast<int>(legal.size())))];
    bool done = false;
    switch (event) {
      case Event::LocalPut: done = Put(); break;
      case Event::LocalPass: done = LocalPass(table_); break;
      default: done = LocalChallenge(table_); break;
    }
    if (!done) return Fail("a legal action was refused");
    Check(event, before, pileBefore);
  }

  bool Put() {
    const int count = state_.SeatCardCount[2];
    const int take = 1 + player_.Draw(std::min(count, MaxPutCards));
    std::vector<int> positions(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) positions[static_cast<std::size_t>(i)] = i + 1;
    for (int i = 0; i < take; ++i) {
      const int j = i + player_.Draw(count - i);
      std::swap(positions[static_cast<std::size_t>(i)], positions[static_cast<std::size_t>(j)]);
      if (!ToggleCardSelection(table_, positions[static_cast<std::size_t>(i)])) return false;
    }
    view_.claim = RankChar(static_cast<RankIndex>(1 + player_.Draw(RankCount)));
    return LocalPut(table_);
  }

  // `pileBefore` tells a discard (the pile vanished without a challenge) from a pass.
  void Check(std::optional<Event> event, std::uint8_t before, int pileBefore) {
    std::string problem;
    const auto inPlay = CardsInPlay(state_, problem);
    if (!problem.empty()) return Fail(problem);
    if ((inPlay & discarded_).any()) return Fail("a discarded card came back");
    discarded_ |= previous_ & ~inPlay;
    if ((inPlay | discarded_).count() != DeckCardCount) return Fail("cards were lost");
    previous_ = inPlay;
    if (!event) {
      if (!state_.NewClaim) Fail("a game starts without a new claim");
      return;
    }
    const bool challenged = state_.LastAction == ActionChallenge;
    const bool discarded = !challenged && pileBefore > 0 && state_.PileCount == 0 &&
                           state_.LastAction == ActionPass;
    const bool expectNewClaim = challenged || discarded;
    if (state_.NewClaim != expectNewClaim) return Fail("NewClaim does not follow the last action");
    std::uint8_t expected = 0;
    const bool lie = state_.LastClaimWasLie;
    if (*event == Event::OpponentMove) {
      expected = challenged ? (lie ? TurnOpponent : TurnLocal) : TurnLocal;
    } else if (*event == Event::LocalChallenge) {
      expected = lie ? TurnLocal : TurnOpponent;
    } else {
      expected = TurnOpponent;
    }
    if (state_.RoundOver) expected = TurnConnectedOrOver;
    if (state_.TurnState != expected) {
      Fail("turn state " + std::to_string(before) + " went to " + std::to_string(state_.TurnState) +
           ", expected " + std::to_string(expected));
    }
  }

  const SelfPlayOptions& options_;
  std::ostream& log_;
  GameState state_;
  WordsView view_;
  NoPeer peer_;
  NoRecords records_;
  ClockSeededSource computer_;
  ClockSeededSource player_;
  Table table_;
  SelfPlayReport report_;
  CardSet previous_;
  CardSet discarded_;
};

}  // namespace

SelfPlayReport RunSelfPlay(const SelfPlayOptions& options, std::ostream& log) {
  return Match(options, log).Run();
}

}  // namespace fibwick
