#include "game/turn.h"

#include <algorithm>
#include <vector>

#include "game/claim.h"
#include "game/hand.h"
#include "game/move_clock.h"
#include "game/round_end.h"
#include "records/catalogue.h"

namespace fibwick {
namespace {

constexpr int LocalSeat = 2;
constexpr int OpponentSeat = 1;
constexpr int ChallengePauseMs = 2500;

bool IsNetworked(const GameState& state) { return state.NetworkGame || state.TourGame; }

int SelectedCount(const GameState& state) { return static_cast<int>(state.SelectedCards.count()); }

void DisableAllButtons(TableView& view) {
  view.SetButtonEnabled(ActionButton::Challenge, false);
  view.SetButtonEnabled(ActionButton::Put, false);
  view.SetButtonEnabled(ActionButton::Pass, false);
}

void ClearMoveBuffer(GameState& state) {
  state.PutCards.Fill(EmptyCard);
  state.PutRanks.Fill(NoRank);
}

void ClearSelection(Table& table) {
  table.state.SelectedCards.reset();
  RedrawHand(table.state, table.view, LocalSeat);
}

// The move buffer holds the selected cards in ascending hand position.
void RebuildMoveBuffer(GameState& state) {
  ClearMoveBuffer(state);
  int slot = 0;
  for (int position = 1; position <= HandCapacity && slot < MaxPutCards; ++position) {
    if (!state.SelectedCards.test(static_cast<std::size_t>(position))) continue;
    ++slot;
    state.PutCards[slot] = state.SeatHand[LocalSeat][position];
    state.PutRanks[slot] = state.SeatHandRank[LocalSeat][position];
  }
}

void AppendToPile(GameState& state, CardCode card, RankIndex rank) {
  ++state.PileCount;
  state.PileCards[state.PileCount] = card;
  state.PileRanks[state.PileCount] = rank;
}

void DrawPileAsPlayed(Table& table) {
  table.view.DrawPile(table.state, table.state.OpenCards, false);
}

void Say(Table& table, int seat, Message message, SpeechColour colour) {
  table.view.ShowSpeech(seat, MessageText(message), colour);
}

void SendMove(Table& table, const MoveMessage& move) {
  table.peer.Send(BuildMoveMessage(move));
  table.state.TurnState = NextTurnAfterSend(table.state);
}

MoveMessage ActionWithoutCards(char claim, char action) {
  MoveMessage move;
  move.claim = claim;
  move.action = action;
  return move;
}

void LaySelectedCards(Table& table) {
  GameState& state = table.state;
  const int count = SelectedCount(state);
  if (!state.FlyCards) {
    for (int position = 1; position <= HandCapacity; ++position) {
      if (!state.SelectedCards.test(static_cast<std::size_t>(position))) continue;
      state.SeatHand[LocalSeat][position] = EmptyCard;
      state.SeatHandRank[LocalSeat][position] = NoRank;
    }
    RedrawHand(state, table.view, LocalSeat);
    for (int k = 1; k <= count; ++k) AppendToPile(state, state.PutCards[k], state.PutRanks[k]);
    state.LastPutCount = static_cast<std::uint8_t>(count);
    DrawPileAsPlayed(table);
    table.view.PlaySound("WHodsDo");
    return;
  }
  state.LastPutCount = static_cast<std::uint8_t>(count);
  // Highest position first, so the positions still selected stay where they are.
  for (int k = 1; k <= count; ++k) {
    int position = HandCapacity;
    while (!state.SelectedCards.test(static_cast<std::size_t>(position))) --position;
    const CardCode card = state.SeatHand[LocalSeat][position];
    state.SeatHand[LocalSeat][position] = EmptyCard;
    state.SeatHandRank[LocalSeat][position] = NoRank;
    state.SelectedCards.reset(static_cast<std::size_t>(position));
    RedrawHand(state, table.view, LocalSeat);
    const Flight flight{card,
                        {FlightPoint::Kind::HandPosition, LocalSeat, position},
                        {FlightPoint::Kind::PilePlace, 0, state.PileCount + 1}};
    table.view.FlyCards({&flight, 1});
    AppendToPile(state, state.PutCards[k], state.PutRanks[k]);
    DrawPileAsPlayed(table);
    table.view.PlaySound("WHodsDo");
  }
}

// The position of seat 1's card matching any card of the put, highest first; 0 when none.
int OpponentCardOfPut(const GameState& state, int count) {
  int found = 0;
  for (int k = 1; k <= count; ++k) {
    found = std::max(found, FindCardInHand(state.PutCards[k], state.SeatHand[OpponentSeat]));
  }
  return found;
}

void RemoveFromOpponentHand(GameState& state, int position) {
  if (position == 0) return;  // a card seat 1 does not hold is still laid
  state.SeatHand[OpponentSeat][position] = EmptyCard;
  state.SeatHandRank[OpponentSeat][position] = NoRank;
}

void LayOpponentCards(Table& table, int count) {
  GameState& state = table.state;
  if (!state.FlyCards) {
    while (const int position = OpponentCardOfPut(state, count)) {
      RemoveFromOpponentHand(state, position);
    }
    RedrawHand(state, table.view, OpponentSeat);
    for (int k = 1; k <= count; ++k) AppendToPile(state, state.PutCards[k], state.PutRanks[k]);
    DrawPileAsPlayed(table);
    table.view.PlaySound("WHodsDo");
    return;
  }
  for (int k = 1; k <= count; ++k) {
    RemoveFromOpponentHand(state, OpponentCardOfPut(state, count));
    RedrawHand(state, table.view, OpponentSeat);
    const Flight flight{state.PutCards[k],
                        {FlightPoint::Kind::HandMiddle, OpponentSeat, 0},
                        {FlightPoint::Kind::PilePlace, 0, state.PileCount + 1}};
    table.view.FlyCards({&flight, 1});
    AppendToPile(state, state.PutCards[k], state.PutRanks[k]);
    DrawPileAsPlayed(table);
    table.view.PlaySound("WHodsDo");
  }
}

void GivePileTo(Table& table, int taker) {
  GameState& state = table.state;
  if (!state.FlyCards) {
    for (int p = 1; p <= state.PileCount; ++p) {
      AppendToHand(state, taker, state.PileCards[p], state.PileRanks[p]);
    }
    state.PileCards.Fill(EmptyCard);
    state.PileRanks.Fill(NoRank);
    RedrawHand(state, table.view, taker);
    table.view.RedrawTableArea(state);
    state.PileCount = 0;
    return;
  }
  while (state.PileCount > 0) {
    const int place = state.PileCount;
    const CardCode card = state.PileCards[place];
    AppendToHand(state, taker, card, state.PileRanks[place]);
    state.PileCards[place] = EmptyCard;
    state.PileRanks[place] = NoRank;
    --state.PileCount;
    table.view.DrawPile(state, true, state.MarkLastCards);
    const Flight flight{card,
                        {FlightPoint::Kind::PilePlace, 0, place},
                        {FlightPoint::Kind::HandMiddle, taker, 0}};
    table.view.FlyCards({&flight, 1});
    RedrawHand(state, table.view, taker);
  }
}

void EnableAnswerButtons(TableView& view, bool challenge) {
  view.SetButtonEnabled(ActionButton::Challenge, challenge);
  view.SetButtonEnabled(ActionButton::Pass, true);
  view.SetButtonEnabled(ActionButton::Put, false);
}

void FinishOpponentMove(Table& table) {
  table.state.SelectedCards.reset();
  ClearMoveBuffer(table.state);
  PassMoveClockToTurn(table);
}

void OpponentPuts(Table& table, const MoveMessage& move) {
  GameState& state = table.state;
  for (int k = 1; k <= MaxPutCards; ++k) {
    state.PutCards[k] = move.cards[k];
    state.PutRanks[k] = move.ranks[k];
  }
  state.LastPutCount = static_cast<std::uint8_t>(move.count);
  LayOpponentCards(table, move.count);
  table.view.ShowSpeech(OpponentSeat, ClaimPhrase(state.LastPutCount, state.ClaimRank, state.NewClaim),
                        SpeechColour::Blue);
  Say(table, LocalSeat, MsgYourMove, SpeechColour::Violet);
  if (state.NewClaim) table.view.RedrawClaimLabel(state.ClaimRank);
  state.OpponentPassed = false;
  EnableAnswerButtons(table.view, true);
  state.TurnState = TurnLocal;
  state.NewClaim = false;
}

void OpponentChallenges(Table& table) {
  GameState& state = table.state;
  Say(table, OpponentSeat, MsgIDontBelieve, SpeechColour::Blue);
  Say(table, LocalSeat, MsgYourMove, SpeechColour::Violet);
  table.view.PlaySound("WPlMore");
  state.OpponentPassed = false;
  ResolveChallenge(table, Seat::Opponent);
  state.TurnState = state.LastClaimWasLie ? TurnOpponent : TurnLocal;
  state.NewClaim = true;
  CheckRoundEnd(table);
}

void OpponentPasses(Table& table) {
  GameState& state = table.state;
  Say(table, OpponentSeat, MsgPass, SpeechColour::Green);
  Say(table, LocalSeat, MsgYourMove, SpeechColour::Violet);
  table.view.PlaySound("WDing_1");
  if (!state.LocalPassed) {
    state.OpponentPassed = true;
    EnableAnswerButtons(table.view, false);
    state.TurnState = TurnLocal;
    state.NewClaim = false;
    return;
  }
  state.ClaimRank = NoClaim;
  table.view.RedrawClaimLabel(NoClaim);
  DiscardPile(table);
  state.NewClaim = true;
  DisableAllButtons(table.view);
  state.OpponentPassed = state.LocalPassed = false;
  state.TurnState = TurnLocal;
  CheckRoundEnd(table);
}

}  // namespace

MoveMessage CurrentMove(const GameState& state) {
  MoveMessage move;
  for (int k = 1; k <= MaxPutCards; ++k) {
    move.cards[k] = state.PutCards[k];
    move.ranks[k] = state.PutRanks[k];
    move.count += state.PutCards[k] == EmptyCard ? 0 : 1;
  }
  move.claim = state.ClaimRank;
  move.action = state.LastAction;
  return move;
}

bool CanChooseCard(const GameState& state, int position) {
  if (state.TurnState != TurnLocal || state.RoundOver) return false;
  if (position < 1 || position > state.SeatCardCount[LocalSeat]) return false;
  return state.SelectedCards.test(static_cast<std::size_t>(position)) ||
         SelectedCount(state) < MaxPutCards;
}

bool ToggleCardSelection(Table& table, int position) {
  GameState& state = table.state;
  if (!CanChooseCard(state, position)) return false;
  state.SelectedCards.flip(static_cast<std::size_t>(position));
  RedrawHand(state, table.view, LocalSeat);
  table.view.SetButtonEnabled(ActionButton::Put, SelectedCount(state) > 0);
  RebuildMoveBuffer(state);
  return true;
}

bool CanPut(const GameState& state) {
  return !state.RoundOver && state.TurnState == TurnLocal && SelectedCount(state) > 0;
}

bool CanChallenge(const GameState& state) {
  // At the local turn, a last put that seat 1 has not passed on is seat 1's own.
  return !state.RoundOver && state.TurnState == TurnLocal && state.LastPutCount > 0 &&
         !state.OpponentPassed && !state.NewClaim;
}

bool CanPass(const GameState& state) {
  return !state.RoundOver && state.TurnState == TurnLocal && state.PileCount > 0 &&
         !state.NewClaim;
}

bool LocalPut(Table& table) {
  GameState& state = table.state;
  if (!CanPut(state)) return false;
  state.LocalPassed = false;
  state.ClaimChosen = false;
  if (state.NewClaim) {
    state.ClaimRank = table.view.ChooseClaimRank();
    state.ClaimChosen = true;
    if (IsLocalGame(state)) state.AiMoveCounter = 1;
    table.view.RedrawClaimLabel(state.ClaimRank);
  }
  MoveMessage move;
  if (IsNetworked(state)) {
    state.LastAction = ActionPut;
    move = CurrentMove(state);
  }
  LaySelectedCards(table);
  if (IsNetworked(state)) SendMove(table, move);
  DisableAllButtons(table.view);
  Say(table, OpponentSeat, MsgIThink, SpeechColour::Red);
  table.view.ShowSpeech(LocalSeat, ClaimPhrase(state.LastPutCount, state.ClaimRank, state.NewClaim),
                        SpeechColour::Blue);
  state.NewClaim = false;
  state.LastAction = ActionPut;
  if (IsLocalGame(state)) {
    ++state.AiMoveCounter;
    state.TurnState = TurnOpponent;
  }
  state.SelectedCards.reset();
  ClearMoveBuffer(state);
  PassMoveClockToTurn(table);
  return true;
}

bool LocalChallenge(Table& table) {
  GameState& state = table.state;
  if (!CanChallenge(state)) return false;
  ClearSelection(table);
  table.view.PlaySound("WPlMore");
  state.LocalPassed = false;
  ResolveChallenge(table, Seat::Local);
  state.LastAction = ActionChallenge;
  if (IsNetworked(state)) SendMove(table, ActionWithoutCards(state.ClaimRank, ActionChallenge));
  state.NewClaim = true;
  CheckRoundEnd(table);
  ClearMoveBuffer(state);
  if (!state.RoundOver) PassMoveClockToTurn(table);
  return true;
}

bool LocalPass(Table& table) {
  GameState& state = table.state;
  if (!CanPass(state)) return false;
  table.view.PlaySound("WDing_1");
  ClearSelection(table);
  ClearMoveBuffer(state);
  state.LastAction = ActionPass;
  if (!state.OpponentPassed) {
    Say(table, LocalSeat, MsgPass, SpeechColour::Green);
    Say(table, OpponentSeat, MsgIThink, SpeechColour::Red);
    state.NewClaim = false;
    if (IsNetworked(state)) SendMove(table, ActionWithoutCards(state.ClaimRank, ActionPass));
    state.LocalPassed = true;
    DisableAllButtons(table.view);
    if (IsLocalGame(state)) {
      ++state.AiMoveCounter;
      state.TurnState = TurnOpponent;
    }
    PassMoveClockToTurn(table);
    return true;
  }
  Say(table, LocalSeat, MsgPass, SpeechColour::Green);
  DiscardPile(table);
  if (IsNetworked(state)) SendMove(table, ActionWithoutCards(state.ClaimRank, ActionPass));
  state.ClaimRank = NoClaim;
  table.view.RedrawClaimLabel(NoClaim);
  CheckRoundEnd(table);
  DisableAllButtons(table.view);
  if (state.RoundOver) {
    EnableEndOfGameButtons(table);
  } else {
    Say(table, OpponentSeat, MsgIThink, SpeechColour::Red);
    state.TurnState = TurnOpponent;
  }
  state.OpponentPassed = state.LocalPassed = false;
  state.NewClaim = true;
  if (IsLocalGame(state)) ++state.AiMoveCounter;
  if (!state.RoundOver) PassMoveClockToTurn(table);
  return true;
}

bool ApplyMove(Table& table, std::string_view message) {
  GameState& state = table.state;
  if (state.TurnState != TurnOpponent || state.RoundOver) return false;
  const auto move = ReadMoveMessage(message);
  if (!move || state.PileCount + move->count > DeckCardCount) return false;
  state.ClaimRank = move->claim;
  state.LastAction = move->action;
  switch (move->action) {
    case ActionPut:
      OpponentPuts(table, *move);
      break;
    case ActionChallenge:
      OpponentChallenges(table);
      break;
    default:
      OpponentPasses(table);
      break;
  }
  FinishOpponentMove(table);
  return true;
}

void ResolveChallenge(Table& table, Seat challenger) {
  GameState& state = table.state;
  const int a = SeatNumber(challenger);
  table.view.PlaySound("WPlMore");
  table.view.DrawPile(state, true, state.MarkLastCards);
  Say(table, a, MsgIDontBelieve, SpeechColour::Blue);

  state.LastClaimWasLie = false;
  for (int p = state.PileCount - state.LastPutCount + 1; p <= state.PileCount; ++p) {
    if (p >= 1 && state.PileCards[p].rank != state.ClaimRank) state.LastClaimWasLie = true;
  }
  const int taker = state.LastClaimWasLie ? SeatNumber(OtherSeat(challenger)) : a;

  DisableAllButtons(table.view);
  table.view.Pause(ChallengePauseMs);
  GivePileTo(table, taker);
  state.LastPutCount = 0;

  if (taker == LocalSeat) {
    Say(table, OpponentSeat, MsgIThink, SpeechColour::Red);
    table.view.ShowSpeech(LocalSeat, SeatNameText(state, 2), SpeechColour::Yellow);
  } else {
    Say(table, LocalSeat, MsgYourMove, SpeechColour::Violet);
    table.view.ShowSpeech(OpponentSeat, SeatNameText(state, 1), SpeechColour::Yellow);
  }
  table.view.RedrawClaimLabel(NoClaim);
  if (IsLocalGame(state) && challenger == Seat::Local && !state.LastClaimWasLie) {
    state.TurnState = TurnOpponent;
  }
}

void DiscardPile(Table& table) {
  GameState& state = table.state;
  if (!state.FlyCards) {
    table.view.RedrawTableArea(state);
    state.PileCards.Fill(EmptyCard);
    state.PileRanks.Fill(NoRank);
  } else {
    // At most twelve fly together; the cards above the twelfth go first.
    constexpr int Batch = 12;
    while (state.PileCount > 0) {
      const int first = state.PileCount > Batch ? Batch + 1 : 1;
      std::vector<Flight> flights;
      for (int place = state.PileCount; place >= first; --place) {
        const CardCode face = state.OpenCards ? state.PileCards[place] : BackCard;
        flights.push_back({face,
                           {FlightPoint::Kind::PilePlace, 0, place},
                           {FlightPoint::Kind::OffTable, 0, 0}});
        state.PileCards[place] = EmptyCard;
        state.PileRanks[place] = NoRank;
      }
      state.PileCount = static_cast<std::uint8_t>(first - 1);
      table.view.FlyCards(flights);
      DrawPileAsPlayed(table);
    }
  }
  state.PileCount = 0;
  state.LastPutCount = 0;
}

std::uint8_t NextTurnAfterSend(const GameState& state) {
  if (state.LastAction == ActionChallenge) {
    return state.LastClaimWasLie ? TurnLocal : TurnOpponent;
  }
  return TurnOpponent;
}

}  // namespace fibwick
