#pragma once

#include <cstdint>
#include <iterator>
#include <string>
#include <variant>
#include <vector>

#include "base/message_ids.h"
#include "rules/cards.h"

// What the table must show and play after a rule, in order. A rule changes the state at once and
// returns these; the window plays them (animated or not) while it queues new input. Each event
// carries what it shows, so it can be drawn later without looking at the state.
namespace fibwick {

// Speech strip colours, by the letter the strip pictures are chosen with.
enum class SpeechColour : char { Blue = 'b', Green = 'g', Red = 'r', Yellow = 'y', Violet = 'o' };

enum class ActionButton { Challenge, Put, Pass };

// Words still untranslated: the window turns them into text in its own language.
struct Phrase {
  enum class Kind : std::uint8_t { Message, Claim, Name, GameOfCycle };
  Kind kind = Kind::Message;
  Message message = MsgHelp;
  int count = 0;             // Claim: cards put; GameOfCycle: the game's number
  int of = 0;                // GameOfCycle: games in the cycle
  char claimRank = NoClaim;  // Claim
  bool newClaim = false;     // Claim: "I put" rather than "I put still"
  std::string name;          // Name: a player's name in Windows-1251

  static Phrase Of(Message m) {
    Phrase p;
    p.message = m;
    return p;
  }
  static Phrase Claim(int count, char rank, bool isNew) {
    Phrase p;
    p.kind = Kind::Claim;
    p.count = count;
    p.claimRank = rank;
    p.newClaim = isNew;
    return p;
  }
  static Phrase Name(std::string name) {
    Phrase p;
    p.kind = Kind::Name;
    p.name = std::move(name);
    return p;
  }
  static Phrase GameOf(int game, int cycle) {
    Phrase p;
    p.kind = Kind::GameOfCycle;
    p.count = game;
    p.of = cycle;
    return p;
  }
  friend bool operator==(const Phrase&, const Phrase&) = default;
};

// One end of a card flight.
struct FlightPoint {
  enum class Kind { HandPosition, HandMiddle, PilePlace, OffTable };
  Kind kind = Kind::OffTable;
  int seat = 0;
  int position = 0;  // hand position or pile place, 1-based

  friend bool operator==(const FlightPoint&, const FlightPoint&) = default;
};

struct Flight {
  CardCode face;  // BackCard flies face down
  FlightPoint from;
  FlightPoint to;

  friend bool operator==(const Flight&, const Flight&) = default;
};

// Menu music off, table laid out, the areas of seats 1 and 2 shown, clocks hidden but in a
// tournament, chat cleared.
struct TableShown {
  bool tournament = false;
};
// A hand in its (already normalised) order; `faces` false shows backs.
struct HandDrawn {
  int seat = 0;
  bool faces = false;
  std::vector<CardCode> cards;
  std::uint64_t selected = 0;  // bit p-1 set: position p is raised
};
struct PileDrawn {
  std::vector<CardCode> cards;
  bool faces = false;
  int marked = 0;  // the last put, which the player may want marked; 0 for none
};
struct TableAreaCleared {};
// NoClaim draws the empty frame.
struct ClaimPlateDrawn {
  char claimRank = NoClaim;
};
struct SpeechShown {
  int seat = 0;
  Phrase words;
  SpeechColour colour = SpeechColour::Yellow;
};
// Cards flying together; the next event waits until they have landed.
struct CardsFlown {
  std::vector<Flight> flights;
};
struct SoundPlayed {
  std::string resource;
  bool wait = false;  // the next event waits for the end of the sound
};
// The table stays as it is for this long; input meanwhile is queued.
struct Paused {
  int milliseconds = 0;
};
struct ButtonSet {
  ActionButton button = ActionButton::Put;
  Phrase caption;
  bool enabled = false;
  bool visible = true;
};
struct ButtonEnabled {
  ActionButton button = ActionButton::Put;
  bool enabled = false;
};
// The result written large across the pile area.
struct ResultShown {
  Phrase words;
};
// "Expectation of the server..." across seat 1's hand area.
struct WaitBannerShown {
  Phrase words;
};
struct HintsSet {
  Phrase seat1Hand;
  Phrase seat2Hand;
  Phrase claimPlate;
};
// The table menu items "Exit to menu" and "General score".
struct TableMenuSet {
  bool exitEnabled = false;
  bool countEnabled = false;
};
// The move clock of a seat; seconds -1 clears it.
struct MoveClockShown {
  int seat = 0;
  int seconds = 0;
};
struct NoticeShown {
  Phrase title;
  Phrase text;
};
// For the far side of a network game; sent at once, not after the events before it have played.
struct PeerMessage {
  std::string text;
};
struct PeerClosed {};
// The game has just ended and been scored: the general count is out of date.
struct GameEnded {};

using TableEvent = std::variant<TableShown, HandDrawn, PileDrawn, TableAreaCleared, ClaimPlateDrawn,
                                SpeechShown, CardsFlown, SoundPlayed, Paused, ButtonSet,
                                ButtonEnabled, ResultShown, WaitBannerShown, HintsSet, TableMenuSet,
                                MoveClockShown, NoticeShown, PeerMessage, PeerClosed, GameEnded>;
using TableEvents = std::vector<TableEvent>;

inline void Append(TableEvents& to, TableEvents&& more) {
  to.insert(to.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

}  // namespace fibwick
