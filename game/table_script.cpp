#include "game/table_script.h"

#include <bit>

#include "game/hand.h"
#include "game/round_end.h"
#include "game/seat_table.h"
#include "game/turn.h"

namespace fibwick {
namespace {

constexpr int LocalSeat = 2;
constexpr int OpponentSeat = 1;
constexpr int ChallengePauseMs = 2500;
constexpr int DiscardBatch = 12;  // at most twelve cards fly off the table together

bool IsNetworked(const GameState& state) {
  return state.network.NetworkGame || state.network.TourGame;
}

// One move's script: the state after the move, the move itself, and the events so far.
struct Script {
  GameState& state;
  const PlayedMove& played;
  TableEvents& events;
  CardFlights flights;

  bool Flying() const { return flights == CardFlights::On; }
  const rules::Table& Before() const { return played.before; }
  const rules::Happening& Happened() const { return played.happened; }
  const rules::CardRow& HandBefore(int seat) const {
    return played.before.Hand(RulesSeat(static_cast<Seat>(seat)));
  }

  void Say(int seat, Message message, SpeechColour colour) {
    events.emplace_back(SpeechShown{seat, Phrase::Of(message), colour});
  }
  void SayName(int seat) {
    events.emplace_back(SpeechShown{
        seat, Phrase::Name(seat == 1 ? state.session.Seat1Name : state.session.Seat2Name),
        SpeechColour::Yellow});
  }
  // "I put" opens a claim, "I put still" adds to it.
  void SayClaim(int seat) {
    events.emplace_back(SpeechShown{
        seat, Phrase::Claim(Happened().laid.Count(), state.claim.ClaimRank, Before().newClaim),
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
  void EnableAnswerButtons(bool challenge) {
    Button(ActionButton::Challenge, challenge);
    Button(ActionButton::Pass, true);
    Button(ActionButton::Put, false);
  }
  void ClaimPlate(char claim) { events.emplace_back(ClaimPlateDrawn{claim}); }
  void Hand(int seat) { RedrawHand(state, events, seat); }
  void Pile(const rules::CardRow& cards, bool faces, int marked) {
    PileDrawn pile;
    pile.faces = faces;
    pile.marked = marked;
    pile.cards.assign(cards.begin(), cards.end());
    events.emplace_back(std::move(pile));
  }
  void PileAsPlayed(const rules::CardRow& cards) { Pile(cards, state.session.OpenCards, 0); }
  // A card on its way onto or off the pile as it lies there: face down unless the pile is open.
  CardCode AsOnPile(CardCode card) const { return state.session.OpenCards ? card : BackCard; }
  void Fly(std::vector<Flight> batch) { events.emplace_back(CardsFlown{std::move(batch)}); }
  void Send() {
    if (!IsNetworked(state)) return;
    events.emplace_back(PeerMessage{BuildMoveMessage(MessageOfMove(played.move))});
    state.round.TurnState = NextTurnAfterSend(state);
  }
};

// The local cards leave the hand for the pile; flying, the highest position goes first so the
// positions still to go stay where they are.
void LayLocalCards(Script& s) {
  if (!s.Flying()) {
    s.Hand(LocalSeat);
    s.PileAsPlayed(s.played.after.pile);
    s.Sound("WHodsDo");
    return;
  }
  rules::CardRow hand = s.HandBefore(LocalSeat);
  hand.SortByRank();
  std::uint64_t selected = 0;
  for (const CardCode card : s.Happened().laid)
    selected |= std::uint64_t{1} << (hand.PositionOf(card) - 1);
  rules::CardRow pile = s.Before().pile;
  for (const CardCode laid : s.Happened().laid) {
    const auto position = static_cast<int>(std::bit_width(selected));
    const CardCode card = hand[position];
    hand.Remove(card);
    selected &= ~(std::uint64_t{1} << (position - 1));
    ShowHand(s.state, s.events, LocalSeat, hand, selected);
    s.Fly({{s.AsOnPile(card),
            {FlightPoint::Kind::HandPosition, LocalSeat, position},
            {FlightPoint::Kind::PilePlace, 0, pile.Count() + 1}}});
    pile.Add(laid);
    s.PileAsPlayed(pile);
    s.LandingSound();
  }
}

// Seat 1's cards leave its hand from its middle, in the order of the move.
void LayOpponentCards(Script& s) {
  if (!s.Flying()) {
    s.Hand(OpponentSeat);
    s.PileAsPlayed(s.played.after.pile);
    s.Sound("WHodsDo");
    return;
  }
  rules::CardRow hand = s.HandBefore(OpponentSeat);
  rules::CardRow pile = s.Before().pile;
  for (const CardCode card : s.Happened().laid) {
    hand.Remove(card);
    ShowHand(s.state, s.events, OpponentSeat, hand);
    s.Fly({{s.AsOnPile(card),
            {FlightPoint::Kind::HandMiddle, OpponentSeat, 0},
            {FlightPoint::Kind::PilePlace, 0, pile.Count() + 1}}});
    pile.Add(card);
    s.PileAsPlayed(pile);
    s.LandingSound();
  }
}

// The pile flies face up into the taker's hand from the top down; the cards keep the pile's order
// in the hand.
void GivePileTo(Script& s, int taker) {
  if (!s.Flying()) {
    s.Hand(taker);
    s.events.emplace_back(TableAreaCleared{});
    return;
  }
  const rules::CardRow& pile = s.Before().pile;
  rules::CardRow left = pile;
  int marked = s.Before().lastPut;
  for (int place = pile.Count(); place >= 1; --place) {
    left.Remove(pile[place]);
    // The last put lies on top and leaves first: only its cards still there stay marked.
    if (marked > 0) --marked;
    s.Pile(left, true, marked);
    s.Fly({{pile[place],
            {FlightPoint::Kind::PilePlace, 0, place},
            {FlightPoint::Kind::HandMiddle, taker, 0}}});
    rules::CardRow hand = s.HandBefore(taker);
    for (int q = place; q <= pile.Count(); ++q) hand.Add(pile[q]);
    ShowHand(s.state, s.events, taker, hand);
  }
}

void DiscardPile(Script& s) {
  if (!s.Flying()) {
    s.events.emplace_back(TableAreaCleared{});
    return;
  }
  // The cards above the twelfth go first.
  rules::CardRow pile = s.Before().pile;
  while (!pile.Empty()) {
    const int first = pile.Count() > DiscardBatch ? DiscardBatch + 1 : 1;
    std::vector<Flight> batch;
    for (int place = pile.Count(); place >= first; --place) {
      batch.push_back({s.AsOnPile(pile[place]),
                       {FlightPoint::Kind::PilePlace, 0, place},
                       {FlightPoint::Kind::OffTable, 0, 0}});
    }
    pile.Clear();
    for (int place = 1; place < first; ++place) pile.Add(s.Before().pile[place]);
    s.Fly(std::move(batch));
    s.PileAsPlayed(pile);
  }
}

// The pile turned over, the last put examined, the pile given to whoever was wrong.
void ResolveChallenge(Script& s, int challenger) {
  s.Sound("WPlMore");
  s.Pile(s.Before().pile, true, s.Before().lastPut);
  s.Say(challenger, MsgIDontBelieve, SpeechColour::Blue);
  const int taker = SeatNumber(ClientSeat(s.Happened().taker));
  s.DisableAllButtons();
  s.events.emplace_back(Paused{ChallengePauseMs});
  GivePileTo(s, taker);
  if (taker == LocalSeat) {
    s.Say(OpponentSeat, MsgIThink, SpeechColour::Red);
    s.SayName(LocalSeat);
  } else {
    s.Say(LocalSeat, MsgYourMove, SpeechColour::Violet);
    s.SayName(OpponentSeat);
  }
  s.ClaimPlate(NoClaim);
}

void LocalPuts(Script& s) {
  GameState& state = s.state;
  state.hands.SelectedCards.reset();
  state.claim.ClaimChosen = s.Before().newClaim;
  if (s.Before().newClaim) {
    if (IsLocalGame(state)) state.round.AiMoveCounter = 1;
    s.ClaimPlate(state.claim.ClaimRank);
  }
  LayLocalCards(s);
  s.Send();
  s.DisableAllButtons();
  s.Say(OpponentSeat, MsgIThink, SpeechColour::Red);
  s.SayClaim(LocalSeat);
  if (IsLocalGame(state)) ++state.round.AiMoveCounter;
}

void LocalChallenges(Script& s) {
  s.state.hands.SelectedCards.reset();
  ShowHand(s.state, s.events, LocalSeat, s.HandBefore(LocalSeat));
  s.Sound("WPlMore");
  ResolveChallenge(s, LocalSeat);
  s.Send();
  CheckRoundEnd(s.state, s.events);
}

void LocalPasses(Script& s) {
  GameState& state = s.state;
  s.Sound("WDing_1");
  state.hands.SelectedCards.reset();
  s.Hand(LocalSeat);
  s.Say(LocalSeat, MsgPass, SpeechColour::Green);
  if (IsLocalGame(state)) ++state.round.AiMoveCounter;
  if (!s.Happened().discarded) {
    s.Say(OpponentSeat, MsgIThink, SpeechColour::Red);
    s.Send();
    s.DisableAllButtons();
    return;
  }
  DiscardPile(s);
  s.Send();
  s.ClaimPlate(NoClaim);
  CheckRoundEnd(state, s.events);
  s.DisableAllButtons();
  if (state.round.RoundOver) {
    EnableEndOfGameButtons(state, s.events);
  } else {
    s.Say(OpponentSeat, MsgIThink, SpeechColour::Red);
  }
}

void OpponentPuts(Script& s) {
  LayOpponentCards(s);
  s.SayClaim(OpponentSeat);
  s.Say(LocalSeat, MsgYourMove, SpeechColour::Violet);
  if (s.Before().newClaim) s.ClaimPlate(s.state.claim.ClaimRank);
  s.EnableAnswerButtons(true);
}

void OpponentChallenges(Script& s) {
  s.Say(OpponentSeat, MsgIDontBelieve, SpeechColour::Blue);
  s.Say(LocalSeat, MsgYourMove, SpeechColour::Violet);
  s.Sound("WPlMore");
  ResolveChallenge(s, OpponentSeat);
  CheckRoundEnd(s.state, s.events);
}

void OpponentPasses(Script& s) {
  s.Say(OpponentSeat, MsgPass, SpeechColour::Green);
  s.Say(LocalSeat, MsgYourMove, SpeechColour::Violet);
  s.Sound("WDing_1");
  if (!s.Happened().discarded) {
    s.EnableAnswerButtons(false);
    return;
  }
  s.ClaimPlate(NoClaim);
  DiscardPile(s);
  s.DisableAllButtons();
  CheckRoundEnd(s.state, s.events);
}

using Step = void (*)(Script&);

// By mover, then by MoveKind: challenge, put, pass.
constexpr Step Steps[2][3] = {
    {OpponentChallenges, OpponentPuts, OpponentPasses},
    {LocalChallenges, LocalPuts, LocalPasses},
};

}  // namespace

void ScriptMove(GameState& state, const PlayedMove& played, CardFlights flights,
                TableEvents& events) {
  Script script{state, played, events, flights};
  const auto kind = static_cast<std::size_t>(played.happened.kind) - ActionChallenge;
  const bool local = ClientSeat(played.happened.mover) == Seat::Local;
  Steps[local ? 1 : 0][kind](script);
}

}  // namespace fibwick
