#include "game/start_game.h"

#include <string>

#include "base/fixed_field.h"
#include "game/hand.h"
#include "game/move_clock.h"

namespace fibwick {
namespace {

constexpr int RatedNameWidth = 21;

void LoadPlayerRecord(GameState& state, StandingSource& standing) {
  const int slot = state.PlayerSlot;
  const bool fromRecord = (slot >= SlotFirstMember && slot <= SlotLastMember) ||
                          slot == SlotRatedOnline || slot == SlotTournament;
  const auto record =
      fromRecord ? standing.LoadPlayerRecord(slot, state.NetworkGame) : std::nullopt;
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

Turn FirstToAct(const GameState& state) {
  if (state.TourGame) return state.TourSeat == 1 ? Turn::Local : Turn::Opponent;
  if (state.NetworkGame) return state.NetRole == LanRole::Server ? Turn::Local : Turn::Opponent;
  return state.GameNumber % 2 == 0 ? Turn::Local : Turn::Opponent;
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
  state.TurnState = FirstToAct(state);
  state.RoundResult = ResultRunning;
  if (state.TurnState == Turn::Local) {
    Say(events, 1, Phrase::Name(state.Seat1Name), SpeechColour::Yellow);
    Say(events, 2, Phrase::Of(MsgYourMove), SpeechColour::Violet);
  } else {
    Say(events, 1, Phrase::Of(MsgIThink), SpeechColour::Red);
    Say(events, 2, Phrase::Name(state.Seat2Name), SpeechColour::Yellow);
  }
  state.NewClaim = true;
  state.SelectedCards.reset();
  state.PileCount = 0;
  state.LastPutCount = 0;
  state.PileCards.Fill(EmptyCard);
  state.PileRanks.Fill(NoRank);
  state.PutCards.Fill(EmptyCard);
  state.PutRanks.Fill(NoRank);
  state.OpponentPassed = state.LocalPassed = false;
  events.emplace_back(SoundPlayed{"WTasoKo"});
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

TableEvents StartGame(GameState& state, UniformSource& random, StandingSource& standing,
                      bool continueMatch) {
  TableEvents events;
  const bool local = IsLocalGame(state);
  const bool lanServer = state.NetworkGame && state.NetRole == LanRole::Server;

  events.emplace_back(TableShown{state.TourGame});
  events.emplace_back(TableMenuSet{true, true});
  if (!continueMatch) {
    state.SessionWins = state.SessionLosses = 0;
    state.RoundResult = ResultRunning;
    state.SessionScore[1] = state.SessionScore[2] = 0;
    state.TotalScore = 0;
    state.OpenCards = false;
    LoadPlayerRecord(state, standing);
  } else if (local) {
    ++state.GameNumber;
  }
  state.DeckSize = DeckCardCount;
  // The last game's end no longer stands: its hands were shown face up.
  state.RoundOver = false;

  const bool waiting = IsLanClientWaiting(state);
  if (!waiting) {
    if (local) {
      state.Seat1Name = "PC";
      state.Seat2Name = std::string(TrimRight(state.PlayerName));
      state.NetRole = LanRole::None;
    }
    if (state.TourGame) {
      const TournamentNames names = standing.ReadTournamentSeats();
      state.Seat2Name = state.TourSeat == 1 ? names.seat1 : names.seat2;
      state.Seat1Name = state.TourSeat == 1 ? names.seat2 : names.seat1;
    }
    if (local || lanServer) {
      ShuffleDeck(state, random);
      PlaceDeal(state, DealFromDeck(state), false);
    }
    if (lanServer) {
      events.emplace_back(PeerMessage{LanDealMessage(DealFromDeck(state))});
      state.TurnState = Turn::DealSent;
    }
  }

  state.ClaimRank = NoClaim;
  events.emplace_back(ClaimPlateDrawn{NoClaim});
  if (!waiting) {
    RedrawHand(state, events, 1);
    RedrawHand(state, events, 2);
  }
  ShowButtonsDisabled(events);

  if (waiting) {
    events.emplace_back(WaitBannerShown{Phrase::Of(MsgExpectationOfTheServer)});
    state.GameNumber = 0;
  } else {
    OpenTheTable(state, events);
  }
  state.AiClaimCount = 0;
  state.AiMoveCounter = 1;
  if (state.TourGame && !waiting) {
    state.ClockRunning = true;
    PassMoveClock(state, events, state.TurnState == Turn::Local ? 2 : 1);
  }
  events.emplace_back(
      HintsSet{Phrase::Name(state.Seat1Name), Phrase::Name(state.Seat2Name),
               Phrase::GameOf(state.GameNumber, state.TourGame ? 1 : GamesPerCycle)});
  return events;
}

std::optional<TableEvents> ReceiveLanDeal(GameState& state, UniformSource& random,
                                          StandingSource& standing, std::string_view message) {
  if (!state.NetworkGame || state.NetRole != LanRole::Client ||
      state.TurnState != Turn::ConnectedOrOver) {
    return std::nullopt;
  }
  const auto deal = ReadDeal(message);
  if (!deal) return std::nullopt;
  PlaceDeal(state, *deal, true);
  state.DealArrived = true;
  TableEvents events = StartGame(state, random, standing, state.GameNumber != 0);
  state.TurnState = Turn::Opponent;
  return events;
}

std::optional<TableEvents> ReceiveRelayDeal(GameState& state, UniformSource& random,
                                            StandingSource& standing, std::string_view message) {
  const auto deal = ReadDeal(message);
  if (!state.TourGame || !deal) return std::nullopt;
  PlaceDeal(state, *deal, state.TourSeat == 1);
  state.PlayerSlot = SlotTournament;
  return StartGame(state, random, standing, state.GameNumber != 0);
}

}  // namespace fibwick
