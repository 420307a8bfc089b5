// Feeds the referee arbitrary moves of both seats on a dealt table, and checks after each that
// the 24 cards are all accounted for, none twice. Built by `scripts/fuzz` with clang's libFuzzer.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "game/card_census.h"
#include "game/computer.h"
#include "game/start_game.h"
#include "game/turn.h"

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
  CardCensus census;
  for (int step = 0; !bytes.Empty() && step < 2000; ++step) {
    const std::uint8_t what = bytes.Next();
    if (state.round.RoundOver) {
      StartGame(state, random, records, true);
      census.Restart();
    } else if (what < 32) {
      ComputerTick(state, random, flights);
    } else if (what < 64) {
      ToggleCardSelection(state, bytes.Next() % 30);
    } else {
      const Seat seat = what & 1 ? Seat::Opponent : Seat::Local;
      const Move move = AnyMove(bytes);
      const GameState before = state;
      const Outcome outcome = Play(state, seat, move, flights);
      if (!outcome.Played() && !(state == before))
        Broken("a refused move changed the table", state);
    }
    if (const auto problem = census.Check(state)) Broken(*problem, state);
    if (state.table.PileCount > DeckCardCount) Broken("the pile outgrew the deck", state);
  }
  return 0;
}
