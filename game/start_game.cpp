#include "game/start_game.h"

#include <string>

#include "base/fixed_field.h"
#include "game/hand.h"
#include "game/move_clock.h"
#include "records/catalogue.h"

namespace fibwick {
namespace {

constexpr int RatedNameWidth = 21;

void LoadPlayerRecord(Table& table) {
  GameState& state = table.state;
  const int slot = state.PlayerSlot;
  const bool fromRecord = (slot >= SlotFirstMember && slot <= SlotLastMember) ||
                          slot == SlotRatedOnline || slot == SlotTournament;
  const auto record = fromRecord ? table.services.LoadPlayerRecord(slot, state.NetworkGame)
                                 : std::nullopt;
  const bool freshAccount = slot == SlotRatedOnline && (!record || record->games <= 0);
  if (!record || freshAccount) {
    if (freshAccount) state.PlayerName = FitLeft(state.PlayerName, RatedNameWidth);
    state.GameNumber = 1;
    state.BaseScore = 0;
    state.PlayerRating = 0.0;
  } else {
    if (slot <= SlotLastMember) state.PlayerName = record->name;
    state.GameNumber = record->games + 1;
    // The tournament keeps its score in the total; the base follows so totals stay consistent.
    state.BaseScore = record->score;
    state.PlayerRating = record->rating;
  }
  state.TotalScore = slot == SlotTournament && record ? record->score : 0;
  state.MatchFirstGame = state.GameNumber;
}

void PlaceDeal(GameState& state, const Deal& deal, bool firstIsLocal) {
  for (int seat = 1; seat <= SeatStorage; ++seat) {
    state.SeatHand[seat].Fill(EmptyCard);
    state.SeatHandRank[seat].Fill(NoRank);
    state.SeatCardCount[seat] = 0;
  }
  const int firstSeat = firstIsLocal ? 2 : 1;
  const int secondSeat = 3 - firstSeat;
  for (int i = 1; i <= DealtCards; ++i) {
    state.SeatHand[firstSeat][i] = deal.firstCards[i];
    state.SeatHandRank[firstSeat][i] = deal.firstRanks[i];
    state.SeatHand[secondSeat][i] = deal.secondCards[i];
    state.SeatHandRank[secondSeat][i] = deal.secondRanks[i];
  }
  state.SeatCardCount[1] = state.SeatCardCount[2] = DealtCards;
}

std::uint8_t FirstToAct(const GameState& state) {
  if (state.TourGame) return state.TourSeat == 1 ? TurnLocal : TurnOpponent;
  if (state.NetworkGame) return state.NetRole == 1 ? TurnLocal : TurnOpponent;
  return state.GameNumber % 2 == 0 ? TurnLocal : TurnOpponent;
}

void ShowButtonsDisabled(TableView& view) {
  view.SetButton(ActionButton::Challenge, MessageText(MsgIDontBelieve), false, true);
  view.SetButton(ActionButton::Put, MessageText(MsgIPutStillButton), false, true);
  view.SetButton(ActionButton::Pass, MessageText(MsgPass), false, true);
}

std::string GameHint(const GameState& state) {
  const int cycle = state.TourGame ? 1 : GamesPerCycle;
  return std::string(MessageText(MsgGameTable)) + ": " + std::to_string(state.GameNumber) +
         " / " + std::to_string(cycle);
}

void OpenTheTable(Table& table) {
  GameState& state = table.state;
  TableView& view = table.view;
  state.TurnState = FirstToAct(state);
  state.RoundResult = ResultRunning;
  if (state.TurnState == TurnLocal) {
    view.ShowSpeech(1, SeatNameText(state, 1), SpeechColour::Yellow);
    view.ShowSpeech(2, MessageText(MsgYourMove), SpeechColour::Violet);
  } else {
    view.ShowSpeech(1, MessageText(MsgIThink), SpeechColour::Red);
    view.ShowSpeech(2, SeatNameText(state, 2), SpeechColour::Yellow);
  }
  state.NewClaim = true;
  state.RoundOver = false;
  state.SelectedCards.reset();
  state.PileCount = 0;
  state.LastPutCount = 0;
  state.PileCards.Fill(EmptyCard);
  state.PileRanks.Fill(NoRank);
  state.PutCards.Fill(EmptyCard);
  state.PutRanks.Fill(NoRank);
  state.OpponentPassed = state.LocalPassed = false;
  view.PlaySound("WTasoKo");
  state.TableActive = true;
}

}  // namespace

void ShuffleDeck(GameState& state, UniformSource& random) {
  std::array<bool, DeckCardCount + 1> taken{};
  for (int p = 1; p <= DeckCardCount; ++p) {
    int v = 0;
    do {
      v = random.Draw(DeckCardCount) + 1;
    } while (taken[static_cast<std::size_t>(v)]);
    taken[static_cast<std::size_t>(v)] = true;
    const auto rank = static_cast<RankIndex>((v - 1) / 4 + 1);
    const auto suit = static_cast<SuitIndex>((v - 1) % 4);
    state.DeckCards[p] = MakeCard(rank, suit);
    state.DeckRanks[p] = rank;
  }
}

Deal DealFromDeck(const GameState& state) {
  Deal deal;
  for (int i = 1; i <= DealtCards; ++i) {
    deal.firstCards[i] = state.DeckCards[i];
    deal.firstRanks[i] = state.DeckRanks[i];
    deal.secondCards[i] = state.DeckCards[DealtCards + i];
    deal.secondRanks[i] = state.DeckRanks[DealtCards + i];
  }
  return deal;
}

void StartGame(Table& table, bool continueMatch) {
  GameState& state = table.state;
  TableView& view = table.view;
  const bool local = IsLocalGame(state);
  const bool lanServer = state.NetworkGame && state.NetRole == 1;

  view.ShowTable(state);
  view.SetTableMenu(true, true);
  if (!continueMatch) {
    state.SessionWins = state.SessionLosses = 0;
    state.RoundResult = ResultRunning;
    state.SessionScore[1] = state.SessionScore[2] = 0;
    state.TotalScore = 0;
    state.OpenCards = false;
    LoadPlayerRecord(table);
  } else if (local) {
    ++state.GameNumber;
  }
  state.DeckSize = DeckCardCount;

  const bool waiting = IsLanClientWaiting(state);
  if (!waiting) {
    if (local) {
      state.Seat1Name = "PC";
      state.Seat2Name = std::string(TrimRight(state.PlayerName));
      state.NetRole = 0;
    }
    if (state.TourGame) {
      const TournamentNames names = table.services.ReadTournamentSeats();
      state.Seat2Name = state.TourSeat == 1 ? names.seat1 : names.seat2;
      state.Seat1Name = state.TourSeat == 1 ? names.seat2 : names.seat1;
    }
    if (local || lanServer) {
      ShuffleDeck(state, table.random);
      PlaceDeal(state, DealFromDeck(state), false);
    }
    if (lanServer) {
      table.peer.Send(LanDealMessage(DealFromDeck(state)));
      state.TurnState = TurnDealSent;
    }
  }

  state.ClaimRank = NoClaim;
  view.RedrawClaimLabel(NoClaim);
  if (!waiting) {
    RedrawHand(state, view, 1);
    RedrawHand(state, view, 2);
  }
  ShowButtonsDisabled(view);

  if (waiting) {
    view.ShowWaitBanner(MessageText(MsgExpectationOfTheServer));
    state.GameNumber = 0;
  } else {
    OpenTheTable(table);
  }
  state.AiClaimCount = 0;
  state.AiMoveCounter = 1;
  if (state.TourGame && !waiting) {
    state.ClockRunning = true;
    PassMoveClock(table, state.TurnState == TurnLocal ? 2 : 1);
  }
  view.SetHints(SeatNameText(state, 1), SeatNameText(state, 2), GameHint(state));
}

bool ReceiveLanDeal(Table& table, std::string_view message) {
  GameState& state = table.state;
  if (!state.NetworkGame || state.NetRole != 2 || state.TurnState != TurnConnectedOrOver) {
    return false;
  }
  const auto deal = ReadDeal(message);
  if (!deal) return false;
  PlaceDeal(state, *deal, true);
  state.DealArrived = true;
  StartGame(table, state.GameNumber != 0);
  state.TurnState = TurnOpponent;
  return true;
}

bool ReceiveRelayDeal(Table& table, std::string_view message) {
  GameState& state = table.state;
  const auto deal = ReadDeal(message);
  if (!state.TourGame || !deal) return false;
  PlaceDeal(state, *deal, state.TourSeat == 1);
  state.PlayerSlot = SlotTournament;
  StartGame(table, state.GameNumber != 0);
  return true;
}

}  // namespace fibwick
