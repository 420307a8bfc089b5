#include "records/phrase_text.h"

#include "base/cp1251.h"
#include "game/claim.h"
#include "records/catalogue.h"

namespace fibwick {
namespace {

// Position within a run of `length` games: 1..length.
int Position(int gameNumber, int length) {
  const int position = gameNumber % length;
  return position == 0 ? length : position;
}

std::string Line(Message label, int value, int of, int language) {
  return std::string(MessageText(label, language)) + " " + std::to_string(value) + " / " +
         std::to_string(of);
}

}  // namespace

std::string ClaimPhrase(int count, char claimRank, bool newClaim, int language) {
  std::string phrase(MessageText(newClaim ? MsgIPut : MsgIPutStill, language));
  phrase += ' ';
  if (const auto words = ClaimWords(count, claimRank)) phrase += MessageText(*words, language);
  return phrase;
}

std::string PhraseText(const Phrase& words, int language) {
  switch (words.kind) {
    case Phrase::Kind::Message:
      return std::string(MessageText(words.message, language));
    case Phrase::Kind::Claim:
      return ClaimPhrase(words.count, words.claimRank, words.newClaim, language);
    case Phrase::Kind::Name:
      return Cp1251ToUtf8(words.name);
    case Phrase::Kind::GameOfCycle:
      return std::string(MessageText(MsgGameTable, language)) + ": " + std::to_string(words.count) +
             " / " + std::to_string(words.of);
  }
  return {};
}

std::string ClaimPlateHint(const GameState& state, int language) {
  // A network connection and a tournament table play one game each.
  constexpr int SessionGames = 1;
  const int g = state.session.GameNumber;
  std::string hint =
      std::string(MessageText(MsgGeneralNumberOfGame, language)) + " " + std::to_string(g);
  if (!state.network.TourGame) {
    hint += "\n" + Line(MsgRoundInCycle, Position(g, GamesPerCycle), GamesPerCycle, language);
  }
  if (!IsLocalGame(state) || state.session.RatedGame) {
    hint += "\n" + Line(MsgRoundInSession, Position(g, SessionGames), SessionGames, language);
  }
  return hint;
}

}  // namespace fibwick
