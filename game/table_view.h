#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "game/cards.h"
#include "game/game_state.h"

// What the rules ask of the screen and the speakers. The Qt table implements it; tests record it.
// Every text passed here is UTF-8.
namespace fibwick {

// Speech strip colours, by the letter the strip pictures are chosen with.
enum class SpeechColour : char { Blue = 'b', Green = 'g', Red = 'r', Yellow = 'y', Violet = 'o' };

enum class ActionButton { Challenge, Put, Pass };

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

class TableView {
 public:
  virtual ~TableView() = default;

  // Menu music off, table laid out, hand/speech/pile areas of seats 1 and 2 shown and 3 and 4
  // hidden, clocks hidden (shown in a tournament), chat cleared.
  virtual void ShowTable(const GameState& state) = 0;
  // Draws a hand in its (already normalised) order; `faces` false shows backs.
  virtual void RedrawHand(const GameState& state, int seat, bool faces) = 0;
  virtual void DrawPile(const GameState& state, bool faces, bool markLastPut) = 0;
  virtual void RedrawTableArea(const GameState& state) = 0;
  // The claim plate for `claimRank`; NoClaim draws the empty frame.
  virtual void RedrawClaimLabel(char claimRank) = 0;
  virtual void ShowSpeech(int seat, std::string_view text, SpeechColour colour) = 0;
  // Cards flying together; the view returns when they have landed.
  virtual void FlyCards(std::span<const Flight> flights) = 0;
  virtual void PlaySound(std::string_view resource) = 0;
  // Blocks for the given time with the table as it is.
  virtual void Pause(int milliseconds) = 0;
  virtual void SetButton(ActionButton button, std::string_view caption, bool enabled,
                         bool visible) = 0;
  virtual void SetButtonEnabled(ActionButton button, bool enabled) = 0;
  // The modal rank chooser: returns the chosen rank character.
  virtual char ChooseClaimRank() = 0;
  // The result written large across the pile area.
  virtual void ShowResult(std::string_view text) = 0;
  // "Expectation of the server..." across seat 1's hand area.
  virtual void ShowWaitBanner(std::string_view text) = 0;
  virtual void SetHints(std::string_view seat1Hand, std::string_view seat2Hand,
                        std::string_view claimPlate) = 0;
  // The table menu items "Exit to menu" and "General score".
  virtual void SetTableMenu(bool exitEnabled, bool countEnabled) = 0;
  // The move clock of a seat; seconds -1 clears it.
  virtual void ShowMoveClock(int seat, int seconds) = 0;
  virtual void ShowNotice(std::string_view title, std::string_view text) = 0;
};

}  // namespace fibwick
