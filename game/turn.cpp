#include "game/turn.h"

#include <algorithm>

#include "game/hand.h"
#include "game/move_clock.h"
#include "game/round_end.h"

namespace fibwick {
namespace {

constexpr int LocalSeat = 2;
constexpr int OpponentSeat = 1;
constexpr int ChallengePauseMs = 2500;
constexpr int DiscardBatch = 12;  // at most twelve cards fly off the table together

int OtherSeatOf(int seat) {
  return 3 - seat;
}

bool IsNetworked(const GameState& state) {
  return state.network.NetworkGame || state.network.TourGame;
}

int SelectedCount(const GameState& state) {
  return static_cast<int>(state.hands.SelectedCards.count());
}

bool PassedFlag(const GameState& state, int seat) {
  return seat == LocalSeat ? state.claim.LocalPassed : state.claim.OpponentPassed;
}

// Each Play builds its answer through this: the state and the events it returns.
struct Rule {
  GameState& state;
  TableEvents& events;
  CardFlights flights;

  bool Flying() const { return flights == CardFlights::On; }

  void Say(int seat, Message message, SpeechColour colour) {
    events.emplace_back(SpeechShown{seat, Phrase::Of(message), colour});
  }
  void SayName(int seat) {
    events.emplace_back(SpeechShown{
        seat, Phrase::Name(seat == 1 ? state.session.Seat1Name : state.session.Seat2Name),
        SpeechColour::Yellow});
  }
  void SayClaim(int seat) {
    events.emplace_back(SpeechShown{
        seat, Phrase::Claim(state.table.LastPutCount, state.claim.ClaimRank, state.claim.NewClaim),
        SpeechColour::Blue});
  }
  void Sound(const char* resource) { events.emplace_back(SoundPlayed{resource}); }
  // A card landed in flight: the next one waits for the end of its sound.
  void LandingSound() { events.emplace_back(SoundPlayed{"WHodsDo", true}); }
  void Button(ActionButton button, bool enabled) {
    events.emplace_back(ButtonEnabled{button, enabled});
  }
  void DisableAllButtons() {
    Button(ActionButton::Challenge, false);
    Button(ActionButton::Put, false);
    Button(ActionButton::Pass, false);
  }
  void ClaimPlate(char claim) { events.emplace_back(ClaimPlateDrawn{claim}); }
  void Hand(int seat) { RedrawHand(state, events, seat); }
  void Pile(bool faces, bool lastPutMarked) {
    PileDrawn pile;
    pile.faces = faces;
    pile.marked = lastPutMarked ? state.table.LastPutCount : 0;
    for (int p = 1; p <= state.table.PileCount; ++p) pile.cards.push_back(state.table.PileCards[p]);
    events.emplace_back(std::move(pile));
  }
  void PileAsPlayed() { Pile(state.session.OpenCards, false); }
  // A card on its way onto or off the pile as it lies there: face down unless the pile is open.
  CardCode AsOnPile(CardCode card) const { return state.session.OpenCards ? card : BackCard; }
  void Fly(std::vector<Flight> batch) { events.emplace_back(CardsFlown{std::move(batch)}); }
  void Send(const Move& move) {
    events.emplace_back(PeerMessage{BuildMoveMessage(MessageOfMove(move))});
    state.round.TurnState = NextTurnAfterSend(state);
  }
};

void ClearMoveBuffer(GameState& state) {
  state.table.PutCards.Fill(EmptyCard);
  state.table.PutRanks.Fill(NoRank);
}

void AppendToPile(GameState& state, CardCode card, RankIndex rank) {
  ++state.table.PileCount;
  state.table.PileCards[state.table.PileCount] = card;
  state.table.PileRanks[state.table.PileCount] = rank;
}

void FillMoveBuffer(GameState& state, const Move& move) {
  ClearMoveBuffer(state);
  for (int k = 1; k <= move.count; ++k) {
    state.table.PutCards[k] = move.cards[k];
    state.table.PutRanks[k] = RankOfChar(move.cards[k].rank);
  }
}

void TakeFromHand(GameState& state, int seat, int position) {
  state.hands.SeatHand[seat][position] = EmptyCard;
  state.hands.SeatHandRank[seat][position] = NoRank;
}

// The local cards leave the hand for the pile; flying, the highest position goes first so the
// positions still to go stay where they are.
void LayLocalCards(Rule& t) {
  GameState& state = t.state;
  const int count = state.table.LastPutCount;
  state.hands.SelectedCards.reset();
  for (int k = 1; k <= count; ++k) {
    state.hands.SelectedCards.set(static_cast<std::size_t>(
        FindCardInHand(state.table.PutCards[k], state.hands.SeatHand[LocalSeat])));
  }
  if (!t.Flying()) {
    for (int position = 1; position <= HandCapacity; ++position) {
      if (state.hands.SelectedCards.test(static_cast<std::size_t>(position)))
        TakeFromHand(state, LocalSeat, position);
    }
    state.hands.SelectedCards.reset();
    t.Hand(LocalSeat);
    for (int k = 1; k <= count; ++k)
      AppendToPile(state, state.table.PutCards[k], state.table.PutRanks[k]);
    t.PileAsPlayed();
    t.Sound("WHodsDo");
    return;
  }
  for (int k = 1; k <= count; ++k) {
    int position = HandCapacity;
    while (!state.hands.SelectedCards.test(static_cast<std::size_t>(position))) --position;
    const CardCode card = state.hands.SeatHand[LocalSeat][position];
    TakeFromHand(state, LocalSeat, position);
    state.hands.SelectedCards.reset(static_cast<std::size_t>(position));
    t.Hand(LocalSeat);
    t.Fly({{t.AsOnPile(card),
            {FlightPoint::Kind::HandPosition, LocalSeat, position},
            {FlightPoint::Kind::PilePlace, 0, state.table.PileCount + 1}}});
    AppendToPile(state, state.table.PutCards[k], state.table.PutRanks[k]);
    t.PileAsPlayed();
    t.LandingSound();
  }
}

// Seat 1's cards leave its hand; a card is taken from the top of the hand down.
void LayOpponentCards(Rule& t) {
  GameState& state = t.state;
  const int count = state.table.LastPutCount;
  const auto take = [&](int k) {
    TakeFromHand(state, OpponentSeat,
                 FindCardInHand(state.table.PutCards[k], state.hands.SeatHand[OpponentSeat]));
  };
  if (!t.Flying()) {
    for (int k = 1; k <= count; ++k) take(k);
    t.Hand(OpponentSeat);
    for (int k = 1; k <= count; ++k)
      AppendToPile(state, state.table.PutCards[k], state.table.PutRanks[k]);
    t.PileAsPlayed();
    t.Sound("WHodsDo");
    return;
  }
  for (int k = 1; k <= count; ++k) {
    take(k);
    t.Hand(OpponentSeat);
    t.Fly({{t.AsOnPile(state.table.PutCards[k]),
            {FlightPoint::Kind::HandMiddle, OpponentSeat, 0},
            {FlightPoint::Kind::PilePlace, 0, state.table.PileCount + 1}}});
    AppendToPile(state, state.table.PutCards[k], state.table.PutRanks[k]);
    t.PileAsPlayed();
    t.LandingSound();
  }
}

void GivePileTo(Rule& t, int taker) {
  GameState& state = t.state;
  if (!t.Flying()) {
    for (int p = 1; p <= state.table.PileCount; ++p) {
      AppendToHand(state, taker, state.table.PileCards[p], state.table.PileRanks[p]);
    }
    state.table.PileCards.Fill(EmptyCard);
    state.table.PileRanks.Fill(NoRank);
    state.table.PileCount = 0;
    t.Hand(taker);
    t.events.emplace_back(TableAreaCleared{});
    return;
  }
  while (state.table.PileCount > 0) {
    const int place = state.table.PileCount;
    const CardCode card = state.table.PileCards[place];
    AppendToHand(state, taker, card, state.table.PileRanks[place]);
    state.table.PileCards[place] = EmptyCard;
    state.table.PileRanks[place] = NoRank;
    --state.table.PileCount;
    // The last put lies on top and leaves first: only its cards still there stay marked.
    if (state.table.LastPutCount > 0) --state.table.LastPutCount;
    t.Pile(true, true);
    t.Fly({{card,
            {FlightPoint::Kind::PilePlace, 0, place},
            {FlightPoint::Kind::HandMiddle, taker, 0}}});
    t.Hand(taker);
  }
}

void DiscardPile(Rule& t) {
  GameState& state = t.state;
  if (!t.Flying()) {
    t.events.emplace_back(TableAreaCleared{});
  } else {
    // The cards above the twelfth go first.
    while (state.table.PileCount > 0) {
      const int first = state.table.PileCount > DiscardBatch ? DiscardBatch + 1 : 1;
      std::vector<Flight> flights;
      for (int place = state.table.PileCount; place >= first; --place) {
        flights.push_back({t.AsOnPile(state.table.PileCards[place]),
                           {FlightPoint::Kind::PilePlace, 0, place},
                           {FlightPoint::Kind::OffTable, 0, 0}});
        state.table.PileCards[place] = EmptyCard;
        state.table.PileRanks[place] = NoRank;
      }
      state.table.PileCount = static_cast<std::uint8_t>(first - 1);
      t.Fly(std::move(flights));
      t.PileAsPlayed();
    }
  }
  state.table.PileCards.Fill(EmptyCard);
  state.table.PileRanks.Fill(NoRank);
  state.table.PileCount = 0;
  state.table.LastPutCount = 0;
}

// The pile turned over, the last put examined, the pile given to whoever was wrong.
void ResolveChallenge(Rule& t, int challenger) {
  GameState& state = t.state;
  t.Sound("WPlMore");
  t.Pile(true, true);
  t.Say(challenger, MsgIDontBelieve, SpeechColour::Blue);

  state.claim.LastClaimWasLie = false;
  for (int p = state.table.PileCount - state.table.LastPutCount + 1; p <= state.table.PileCount;
       ++p) {
    if (p >= 1 && state.table.PileCards[p].rank != state.claim.ClaimRank)
      state.claim.LastClaimWasLie = true;
  }
  const int taker = state.claim.LastClaimWasLie ? OtherSeatOf(challenger) : challenger;

  t.DisableAllButtons();
  t.events.emplace_back(Paused{ChallengePauseMs});
  GivePileTo(t, taker);
  state.table.LastPutCount = 0;

  if (taker == LocalSeat) {
    t.Say(OpponentSeat, MsgIThink, SpeechColour::Red);
    t.SayName(LocalSeat);
  } else {
    t.Say(LocalSeat, MsgYourMove, SpeechColour::Violet);
    t.SayName(OpponentSeat);
  }
  t.ClaimPlate(NoClaim);
  if (IsLocalGame(state) && challenger == LocalSeat && !state.claim.LastClaimWasLie) {
    state.round.TurnState = Turn::Opponent;
  }
}

void EnableAnswerButtons(Rule& t, bool challenge) {
  t.Button(ActionButton::Challenge, challenge);
  t.Button(ActionButton::Pass, true);
  t.Button(ActionButton::Put, false);
}

void LocalPuts(Rule& t, const Move& move) {
  GameState& state = t.state;
  state.claim.LocalPassed = false;
  state.claim.ClaimChosen = false;
  if (state.claim.NewClaim) {
    state.claim.ClaimRank = move.claim;
    state.claim.ClaimChosen = true;
    if (IsLocalGame(state)) state.round.AiMoveCounter = 1;
    t.ClaimPlate(state.claim.ClaimRank);
  }
  state.claim.LastAction = ActionPut;
  FillMoveBuffer(state, move);
  state.table.LastPutCount = static_cast<std::uint8_t>(move.count);
  LayLocalCards(t);
  if (IsNetworked(state)) t.Send(move);
  t.DisableAllButtons();
  t.Say(OpponentSeat, MsgIThink, SpeechColour::Red);
  t.SayClaim(LocalSeat);
  state.claim.NewClaim = false;
  if (IsLocalGame(state)) {
    ++state.round.AiMoveCounter;
    state.round.TurnState = Turn::Opponent;
  }
}

void LocalChallenges(Rule& t, const Move& move) {
  GameState& state = t.state;
  state.hands.SelectedCards.reset();
  t.Hand(LocalSeat);
  t.Sound("WPlMore");
  state.claim.LocalPassed = false;
  ResolveChallenge(t, LocalSeat);
  state.claim.LastAction = ActionChallenge;
  if (IsNetworked(state)) t.Send(move);
  state.claim.NewClaim = true;
  CheckRoundEnd(state, t.events);
}

void LocalPasses(Rule& t, const Move& move) {
  GameState& state = t.state;
  t.Sound("WDing_1");
  state.hands.SelectedCards.reset();
  t.Hand(LocalSeat);
  state.claim.LastAction = ActionPass;
  t.Say(LocalSeat, MsgPass, SpeechColour::Green);
  if (!state.claim.OpponentPassed) {
    t.Say(OpponentSeat, MsgIThink, SpeechColour::Red);
    state.claim.NewClaim = false;
    if (IsNetworked(state)) t.Send(move);
    state.claim.LocalPassed = true;
    t.DisableAllButtons();
    if (IsLocalGame(state)) {
      ++state.round.AiMoveCounter;
      state.round.TurnState = Turn::Opponent;
    }
    return;
  }
  DiscardPile(t);
  if (IsNetworked(state)) t.Send(move);
  state.claim.ClaimRank = NoClaim;
  t.ClaimPlate(NoClaim);
  CheckRoundEnd(state, t.events);
  t.DisableAllButtons();
  if (state.round.RoundOver) {
    EnableEndOfGameButtons(state, t.events);
  } else {
    t.Say(OpponentSeat, MsgIThink, SpeechColour::Red);
    state.round.TurnState = Turn::Opponent;
  }
  state.claim.OpponentPassed = state.claim.LocalPassed = false;
  state.claim.NewClaim = true;
  if (IsLocalGame(state)) ++state.round.AiMoveCounter;
}

void OpponentPuts(Rule& t, const Move& move) {
  GameState& state = t.state;
  FillMoveBuffer(state, move);
  state.table.LastPutCount = static_cast<std::uint8_t>(move.count);
  LayOpponentCards(t);
  t.SayClaim(OpponentSeat);
  t.Say(LocalSeat, MsgYourMove, SpeechColour::Violet);
  if (state.claim.NewClaim) t.ClaimPlate(state.claim.ClaimRank);
  state.claim.OpponentPassed = false;
  EnableAnswerButtons(t, true);
  state.round.TurnState = Turn::Local;
  state.claim.NewClaim = false;
}

void OpponentChallenges(Rule& t) {
  GameState& state = t.state;
  t.Say(OpponentSeat, MsgIDontBelieve, SpeechColour::Blue);
  t.Say(LocalSeat, MsgYourMove, SpeechColour::Violet);
  t.Sound("WPlMore");
  state.claim.OpponentPassed = false;
  ResolveChallenge(t, OpponentSeat);
  state.round.TurnState = state.claim.LastClaimWasLie ? Turn::Opponent : Turn::Local;
  state.claim.NewClaim = true;
  CheckRoundEnd(state, t.events);
}

void OpponentPasses(Rule& t) {
  GameState& state = t.state;
  t.Say(OpponentSeat, MsgPass, SpeechColour::Green);
  t.Say(LocalSeat, MsgYourMove, SpeechColour::Violet);
  t.Sound("WDing_1");
  if (!state.claim.LocalPassed) {
    state.claim.OpponentPassed = true;
    EnableAnswerButtons(t, false);
    state.round.TurnState = Turn::Local;
    state.claim.NewClaim = false;
    return;
  }
  state.claim.ClaimRank = NoClaim;
  t.ClaimPlate(NoClaim);
  DiscardPile(t);
  state.claim.NewClaim = true;
  t.DisableAllButtons();
  state.claim.OpponentPassed = state.claim.LocalPassed = false;
  state.round.TurnState = Turn::Local;
  CheckRoundEnd(state, t.events);
}

bool IsRankOfDeck(char claim) {
  return RankOfChar(claim) != NoRank;
}

Refusal CheckPut(const GameState& state, int seat, const Move& move) {
  if (move.count < 1 || move.count > MaxPutCards) return Refusal::WrongCardCount;
  for (int k = 1; k <= move.count; ++k) {
    if (!IsDeckCard(move.cards[k]) ||
        FindCardInHand(move.cards[k], state.hands.SeatHand[seat]) == 0) {
      return Refusal::CardNotHeld;
    }
    for (int j = 1; j < k; ++j) {
      if (move.cards[j] == move.cards[k]) return Refusal::CardTwice;
    }
  }
  for (int k = move.count + 1; k <= MaxPutCards; ++k) {
    if (move.cards[k] != EmptyCard) return Refusal::WrongCardCount;
  }
  const bool claimFits =
      state.claim.NewClaim ? IsRankOfDeck(move.claim) : move.claim == state.claim.ClaimRank;
  return claimFits ? Refusal::None : Refusal::WrongClaim;
}

}  // namespace

std::optional<Seat> SeatToAct(const GameState& state) {
  if (!state.round.TableActive || state.round.RoundOver) return std::nullopt;
  if (state.round.TurnState == Turn::Local) return Seat::Local;
  if (state.round.TurnState == Turn::Opponent) return Seat::Opponent;
  return std::nullopt;
}

Refusal CheckMove(const GameState& state, Seat mover, const Move& move) {
  if (SeatToAct(state) != mover) return Refusal::NotThisSeatsTurn;
  const int seat = SeatNumber(mover);
  if (move.kind == MoveKind::Put) return CheckPut(state, seat, move);
  if (move.count != 0) return Refusal::WrongCardCount;
  if (move.kind == MoveKind::Pass) {
    if (state.claim.NewClaim || state.table.PileCount == 0) return Refusal::NothingToPass;
  } else if (move.kind == MoveKind::Challenge) {
    // The last put lies open to the seat unless the other seat passed on it (then it is its own).
    const bool open = !state.claim.NewClaim && state.table.LastPutCount > 0 &&
                      !PassedFlag(state, OtherSeatOf(seat));
    if (!open) return Refusal::NothingToChallenge;
  } else {
    return Refusal::WrongClaim;
  }
  return move.claim == state.claim.ClaimRank ? Refusal::None : Refusal::WrongClaim;
}

Outcome Play(GameState& state, Seat seat, const Move& move, CardFlights flights) {
  Outcome outcome;
  outcome.refusal = CheckMove(state, seat, move);
  if (!outcome.Played()) return outcome;
  outcome.events.reserve(32);
  Rule t{state, outcome.events, flights};
  if (seat == Seat::Local) {
    switch (move.kind) {
      case MoveKind::Put:
        LocalPuts(t, move);
        break;
      case MoveKind::Challenge:
        LocalChallenges(t, move);
        break;
      case MoveKind::Pass:
        LocalPasses(t, move);
        break;
    }
  } else {
    state.claim.ClaimRank = move.claim;
    state.claim.LastAction = static_cast<char>(move.kind);
    switch (move.kind) {
      case MoveKind::Put:
        OpponentPuts(t, move);
        break;
      case MoveKind::Challenge:
        OpponentChallenges(t);
        break;
      case MoveKind::Pass:
        OpponentPasses(t);
        break;
    }
  }
  state.hands.SelectedCards.reset();
  ClearMoveBuffer(state);
  PassMoveClockToTurn(state, outcome.events);
  return outcome;
}

bool CanChooseCard(const GameState& state, int position) {
  if (SeatToAct(state) != Seat::Local) return false;
  if (position < 1 || position > state.hands.SeatCardCount[LocalSeat]) return false;
  return state.hands.SelectedCards.test(static_cast<std::size_t>(position)) ||
         SelectedCount(state) < MaxPutCards;
}

TableEvents ToggleCardSelection(GameState& state, int position) {
  TableEvents events;
  if (!CanChooseCard(state, position)) return events;
  state.hands.SelectedCards.flip(static_cast<std::size_t>(position));
  RedrawHand(state, events, LocalSeat);
  events.emplace_back(ButtonEnabled{ActionButton::Put, SelectedCount(state) > 0});
  const Move put = SelectedPut(state, state.claim.ClaimRank);
  FillMoveBuffer(state, put);
  return events;
}

Move SelectedPut(const GameState& state, char claim) {
  Move move = Move::Without(MoveKind::Put, claim);
  for (int position = 1; position <= HandCapacity && move.count < MaxPutCards; ++position) {
    if (state.hands.SelectedCards.test(static_cast<std::size_t>(position))) {
      move.cards[++move.count] = state.hands.SeatHand[LocalSeat][position];
    }
  }
  return move;
}

bool CanPut(const GameState& state) {
  return SeatToAct(state) == Seat::Local && SelectedCount(state) > 0;
}

bool CanChallenge(const GameState& state) {
  return CheckMove(state, Seat::Local, Move::Challenge(state.claim.ClaimRank)) == Refusal::None;
}

bool CanPass(const GameState& state) {
  return CheckMove(state, Seat::Local, Move::Pass(state.claim.ClaimRank)) == Refusal::None;
}

Turn NextTurnAfterSend(const GameState& state) {
  if (state.claim.LastAction == ActionChallenge) {
    return state.claim.LastClaimWasLie ? Turn::Local : Turn::Opponent;
  }
  return Turn::Opponent;
}

}  // namespace fibwick
