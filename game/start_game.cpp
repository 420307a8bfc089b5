#include "game/start_game.h"

#include <string>

#include "base/fixed_field.h"
#include "game/hand.h"
#include "game/move_clock.h"

namespace fibwick {
namespace {

constexpr int RatedNameWidth = 21;

void LoadPlayerRecord(GameState& state, StandingSource& standing) {
  const int slot = state.session.PlayerSlot;
  const bool fromRecord = (slot >= SlotFirstMember && slot <= SlotLastMember) ||
                          slot == SlotRatedOnline || slot == SlotTournament;
  const auto record =
      fromRecord ? standing.LoadPlayerRecord(slot, state.network.NetworkGame) : std::nullopt;
  const bool freshAccount = slot == SlotRatedOnline && (!record || record->games <= 0);
  if (!record || freshAccount) {
    if (freshAccount) state.session.PlayerName = FitLeft(state.session.PlayerName, RatedNameWidth);
    state.session.GameNumber = 1;
    state.session.BaseScore = 0;
    state.session.PlayerRating = 0.0;
  } else {
    if (slot <= SlotLastMember) state.session.PlayerName = record->name;
    state.session.GameNumber = record->games + 1;
    // The tournament keeps its score in the total; the base follows so totals stay consistent.
    state.session.BaseScore = record->score;
    state.session.PlayerRating = record->rating;
  }
  state.session.TotalScore = slot == SlotTournament && record ? record->score : 0;
  state.session.MatchFirstGame = state.session.GameNumber;
}

void PlaceDeal(GameState& state, const Deal& deal, bool firstIsLocal) {
  for (int seat = 1; seat <= SeatStorage; ++seat) {
    state.hands.SeatHand[seat].Fill(EmptyCard);
    state.hands.SeatHandRank[seat].Fill(NoRank);
    state.hands.SeatCardCount[seat] = 0;
  }
  const int firstSeat = firstIsLocal ? 2 : 1;
  const int secondSeat = 3 - firstSeat;
  for (int i = 1; i <= DealtCards; ++i) {
    state.hands.SeatHand[firstSeat][i] = deal.firstCards[i];
    state.hands.SeatHandRank[firstSeat][i] = deal.firstRanks[i];
    state.hands.SeatHand[secondSeat][i] = deal.secondCards[i];
    state.hands.SeatHandRank[secondSeat][i] = deal.secondRanks[i];
  }
  state.hands.SeatCardCount[1] = state.hands.SeatCardCount[2] = DealtCards;
}

Turn FirstToAct(const GameState& state) {
  if (state.network.TourGame) return state.network.TourSeat == 1 ? Turn::Local : Turn::Opponent;
  if (state.network.NetworkGame)
    return state.network.NetRole == LanRole::Server ? Turn::Local : Turn::Opponent;
  return state.session.GameNumber % 2 == 0 ? Turn::Local : Turn::Opponent;
}

void ShowButtonsDisabled(TableEvents& events) {
  events.emplace_back(ButtonSet{ActionButton::Challenge, Phrase::Of(MsgIDontBelieve), false, true});
  events.emplace_back(ButtonSet{ActionButton::Put, Phrase::Of(MsgIPutStillButton), false, true});
  events.emplace_back(ButtonSet{ActionButton::Pass, Phrase::Of(MsgPass), false, true});
}

void Say(TableEvents& events, int seat, Phrase words, SpeechColour colour) {
  events.emplace_back(SpeechShown{seat, std::move(words), colour});
}

void OpenTheTable(GameState& state, TableEvents& events) {
  state.round.TurnState = FirstToAct(state);
  state.round.RoundResult = ResultRunning;
  if (state.round.TurnState == Turn::Local) {
    Say(events, 1, Phrase::Name(state.session.Seat1Name), SpeechColour::Yellow);
    Say(events, 2, Phrase::Of(MsgYourMove), SpeechColour::Violet);
  } else {
    Say(events, 1, Phrase::Of(MsgIThink), SpeechColour::Red);
    Say(events, 2, Phrase::Name(state.session.Seat2Name), SpeechColour::Yellow);
  }
  state.claim.NewClaim = true;
  state.hands.SelectedCards.reset();
  state.table.PileCount = 0;
  state.table.LastPutCount = 0;
  state.table.PileCards.Fill(EmptyCard);
  state.table.PileRanks.Fill(NoRank);
  state.table.PutCards.Fill(EmptyCard);
  state.table.PutRanks.Fill(NoRank);
  state.claim.OpponentPassed = state.claim.LocalPassed = false;
  events.emplace_back(SoundPlayed{"WTasoKo"});
  state.round.TableActive = true;
}

}  // namespace

void ShuffleDeck(GameState& state, UniformSource& random) {
  state.table.DeckCards = rules::ShuffledDeck(random);
  for (int p = 1; p <= DeckCardCount; ++p)
    state.table.DeckRanks[p] = RankOfChar(state.table.DeckCards[p].rank);
}

Deal DealFromDeck(const GameState& state) {
  Deal deal;
  for (int i = 1; i <= DealtCards; ++i) {
    deal.firstCards[i] = state.table.DeckCards[i];
    deal.firstRanks[i] = state.table.DeckRanks[i];
    deal.secondCards[i] = state.table.DeckCards[DealtCards + i];
    deal.secondRanks[i] = state.table.DeckRanks[DealtCards + i];
  }
  return deal;
}

TableEvents StartGame(GameState& state, UniformSource& random, StandingSource& standing,
                      bool continueMatch) {
  TableEvents events;
  const bool local = IsLocalGame(state);
  const bool lanServer = state.network.NetworkGame && state.network.NetRole == LanRole::Server;

  events.emplace_back(TableShown{state.network.TourGame});
  events.emplace_back(TableMenuSet{true, true});
  if (!continueMatch) {
    state.session.SessionWins = state.session.SessionLosses = 0;
    state.round.RoundResult = ResultRunning;
    state.session.SessionScore[1] = state.session.SessionScore[2] = 0;
    state.session.TotalScore = 0;
    state.session.OpenCards = false;
    LoadPlayerRecord(state, standing);
  } else if (local) {
    ++state.session.GameNumber;
  }
  state.table.DeckSize = DeckCardCount;
  // The last game's end no longer stands: its hands were shown face up.
  state.round.RoundOver = false;

  const bool waiting = IsLanClientWaiting(state);
  if (!waiting) {
    if (local) {
      state.session.Seat1Name = "PC";
      state.session.Seat2Name = std::string(TrimRight(state.session.PlayerName));
      state.network.NetRole = LanRole::None;
    }
    if (state.network.TourGame) {
      const TournamentNames names = standing.ReadTournamentSeats();
      state.session.Seat2Name = state.network.TourSeat == 1 ? names.seat1 : names.seat2;
      state.session.Seat1Name = state.network.TourSeat == 1 ? names.seat2 : names.seat1;
    }
    if (local || lanServer) {
      ShuffleDeck(state, random);
      PlaceDeal(state, DealFromDeck(state), false);
    }
    if (lanServer) {
      events.emplace_back(PeerMessage{LanDealMessage(DealFromDeck(state))});
      state.round.TurnState = Turn::DealSent;
    }
  }

  state.claim.ClaimRank = NoClaim;
  events.emplace_back(ClaimPlateDrawn{NoClaim});
  if (!waiting) {
    RedrawHand(state, events, 1);
    RedrawHand(state, events, 2);
  }
  ShowButtonsDisabled(events);

  if (waiting) {
    events.emplace_back(WaitBannerShown{Phrase::Of(MsgExpectationOfTheServer)});
    state.session.GameNumber = 0;
  } else {
    OpenTheTable(state, events);
  }
  state.round.AiClaimCount = 0;
  state.round.AiMoveCounter = 1;
  if (state.network.TourGame && !waiting) {
    state.network.ClockRunning = true;
    PassMoveClock(state, events, state.round.TurnState == Turn::Local ? 2 : 1);
  }
  events.emplace_back(HintsSet{
      Phrase::Name(state.session.Seat1Name), Phrase::Name(state.session.Seat2Name),
      Phrase::GameOf(state.session.GameNumber, state.network.TourGame ? 1 : GamesPerCycle)});
  return events;
}

std::optional<TableEvents> ReceiveLanDeal(GameState& state, UniformSource& random,
                                          StandingSource& standing, std::string_view message) {
  if (!state.network.NetworkGame || state.network.NetRole != LanRole::Client ||
      state.round.TurnState != Turn::ConnectedOrOver) {
    return std::nullopt;
  }
  const auto deal = ReadDeal(message);
  if (!deal) return std::nullopt;
  PlaceDeal(state, *deal, true);
  state.network.DealArrived = true;
  TableEvents events = StartGame(state, random, standing, state.session.GameNumber != 0);
  state.round.TurnState = Turn::Opponent;
  return events;
}

std::optional<TableEvents> ReceiveRelayDeal(GameState& state, UniformSource& random,
                                            StandingSource& standing, std::string_view message) {
  const auto deal = ReadDeal(message);
  if (!state.network.TourGame || !deal) return std::nullopt;
  PlaceDeal(state, *deal, state.network.TourSeat == 1);
  state.session.PlayerSlot = SlotTournament;
  return StartGame(state, random, standing, state.session.GameNumber != 0);
}

}  // namespace fibwick
