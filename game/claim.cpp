#include "game/claim.h"

#include "game/cards.h"
#include "game/game_state.h"

namespace fibwick {
namespace {

// The catalogue lists words and labels from the six upwards; the deck starts at the nine.
constexpr int RanksBelowNine = 3;

}  // namespace

std::optional<Message> ClaimWords(int count, char claimRank) {
  const RankIndex rank = RankOfChar(claimRank);
  if (rank == NoRank || count < 1 || count > 4) return std::nullopt;
  return static_cast<Message>(MsgOneSix + (rank - 1 + RanksBelowNine) * 4 + (count - 1));
}

std::optional<Message> ClaimPlateLabel(char claimRank) {
  const RankIndex rank = RankOfChar(claimRank);
  if (rank == NoRank) return std::nullopt;
  return static_cast<Message>(MsgSixes + rank - 1 + RanksBelowNine);
}

std::string ClaimPhrase(int count, char claimRank, bool newClaim) {
  std::string phrase(MessageText(newClaim ? MsgIPut : MsgIPutStill));
  phrase += ' ';
  if (const auto words = ClaimWords(count, claimRank)) phrase += MessageText(*words);
  return phrase;
}

namespace {

// Position within a run of `length` games: 1..length.
int Position(int gameNumber, int length) {
  const int position = gameNumber % length;
  return position == 0 ? length : position;
}

std::string Line(Message label, int value, int of) {
  return std::string(MessageText(label)) + " " + std::to_string(value) + " / " + std::to_string(of);
}

}  // namespace

std::string ClaimPlateHint(const GameState& state) {
  // A network connection and a tournament table play one game each.
  constexpr int SessionGames = 1;
  const int g = state.GameNumber;
  std::string hint = std::string(MessageText(MsgGeneralNumberOfGame)) + " " + std::to_string(g);
  if (!state.TourGame) hint += "\n" + Line(MsgRoundInCycle, Position(g, GamesPerCycle), GamesPerCycle);
  if (!IsLocalGame(state) || state.RatedGame) {
    hint += "\n" + Line(MsgRoundInSession, Position(g, SessionGames), SessionGames);
  }
  return hint;
}

}  // namespace fibwick
