// Feeds the rules arbitrary moves of both seats on a dealt table and, move for move, the client's
// table the same moves. After each: the 24 cards are all accounted for across hands, pile and
// discard, a refused move changed nothing, neither seat was shown a card hidden from it, and the
// client holds the rules' table. Built by `scripts/fuzz` with clang's libFuzzer.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "game/computer.h"
#include "game/seat_table.h"
#include "game/start_game.h"
#include "game/turn.h"
#include "rules/census.h"
#include "rules/seat_view.h"

namespace fibwick {
namespace {

// Reads the fuzzer's bytes in order; zeros once they run out.
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Empty() const { return at_ >= size_; }
  std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// The shuffle and the computer draw from the same bytes as the moves; once they run out, from a
// counter, so the shuffle's rejection draws still meet every card.
class ByteSource final : public UniformSource {
 public:
  explicit ByteSource(Bytes& bytes) : bytes_(bytes) {}
  int Draw(int n) override { return (bytes_.Empty() ? ++counter_ : bytes_.Next()) % n; }

 private:
  Bytes& bytes_;
  int counter_ = 0;
};

class NoRecords final : public StandingSource {
 public:
  std::optional<PlayerRecord> LoadPlayerRecord(int, bool) override { return std::nullopt; }
  TournamentNames ReadTournamentSeats() override { return {"A", "B"}; }
};

[[noreturn]] void Broken(const std::string& what, const GameState& state) {
  std::fprintf(stderr, "%s\n%s", what.c_str(), DescribeState(state).c_str());
  std::abort();
}

// A card as the wire could carry it: mostly cards of the deck, sometimes any two bytes.
CardCode AnyCard(Bytes& bytes) {
  const std::uint8_t b = bytes.Next();
  if (b < 240) {
    const int v = b % DeckCardCount;
    return MakeCard(static_cast<RankIndex>(v / SuitCount + 1),
                    static_cast<SuitIndex>(v % SuitCount));
  }
  return {static_cast<char>(bytes.Next()), static_cast<char>(bytes.Next())};
}

Move AnyMove(Bytes& bytes) {
  static constexpr char Claims[] = {'9', '1', 'J', 'Q', 'K', 'A', '6', NoClaim};
  const std::uint8_t shape = bytes.Next();
  const char kinds[] = {ActionPut, ActionChallenge, ActionPass, static_cast<char>(bytes.Next())};
  Move move = Move::Without(static_cast<MoveKind>(kinds[shape % 4]), Claims[(shape >> 2) % 8]);
  const int count = (shape >> 5) % 6;  // up to five, one more than a put may hold
  for (int k = 1; k <= count; ++k) {
    const CardCode card = AnyCard(bytes);
    if (move.count < MaxPutCards) move.cards[++move.count] = card;
  }
  return move;
}

// The seat's view and its share of the move hold only its own cards and those turned for it.
void CheckSeen(const rules::Table& before, const rules::Table& after,
               const rules::Happening& happened, rules::Seat seat, const GameState& state) {
  const auto seen = rules::SeenBy(happened, seat);
  if (seen.has_value() != happened.Played()) Broken("a refusal was shown, or a move hidden", state);
  if (!seen) return;
  rules::CardRow known = before.Hand(seat);
  known.AddAll(happened.turned);
  if (happened.kind == MoveKind::Challenge && happened.taker == seat) known.AddAll(happened.taken);
  const rules::SeatView view = rules::ViewFor(after, seat);
  for (const rules::CardRow* row : {&seen->laid, &seen->turned, &seen->taken, &view.own}) {
    for (const CardCode card : *row) {
      if (!known.Holds(card)) Broken("a seat was shown a card hidden from it", state);
    }
  }
  if (view.own != after.Hand(seat)) Broken("a seat's view is not its hand", state);
}

// The client keeps no discard; everything else of the rules' table it must hold as they do.
void CheckClientHolds(const rules::Table& table, const GameState& state) {
  rules::Table client = TableOf(state);
  client.discard = table.discard;
  client.result = table.result;
  if (!(client == table)) Broken("the client's table differs from the rules'", state);
}

}  // namespace
}  // namespace fibwick

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fibwick;
  Bytes bytes(data, size);
  ByteSource random(bytes);
  NoRecords records;
  GameState state;
  state.session.PlayerSlot = SlotNewPlayer;
  state.session.PlayerName = "Fuzz";
  const CardFlights flights = (bytes.Next() & 1) != 0 ? CardFlights::On : CardFlights::Off;
  StartGame(state, random, records, false);
  rules::Table table = TableOf(state);
  for (int step = 0; !bytes.Empty() && step < 2000; ++step) {
    const std::uint8_t what = bytes.Next();
    if (state.round.RoundOver) {
      StartGame(state, random, records, true);
      table = TableOf(state);
    }
    if (const auto problem = rules::CensusProblem(table)) Broken(*problem, state);
    if (what < 64) {
      ToggleCardSelection(state, bytes.Next() % 30);
      continue;
    }
    const Seat seat = what & 1 ? Seat::Opponent : Seat::Local;
    Move move = AnyMove(bytes);
    if (what < 128) {
      // The computer's choice for the seat, made from what that seat sees.
      const rules::SeatView view = ViewOfSeat(state, seat);
      move = ComputerMove(view, ComputerDecide(view, {1 + what % 3, what % 5}, random));
    }
    const rules::Table before = table;
    const rules::Happening happened = rules::Apply(table, RulesSeat(seat), move);
    if (!happened.Played() && !(table == before)) Broken("a refused move changed the table", state);
    for (const rules::Seat watcher : rules::BothSeats)
      CheckSeen(before, table, happened, watcher, state);

    const GameState clientBefore = state;
    const Outcome outcome = Play(state, seat, move, flights);
    if (outcome.refusal != happened.refusal) Broken("the client and the rules disagree", state);
    if (!outcome.Played() && !(state == clientBefore))
      Broken("a refused move changed the client's table", state);
    CheckClientHolds(table, state);
  }
  return 0;
}
