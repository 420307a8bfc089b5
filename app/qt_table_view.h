#pragma once

#include <QString>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/table_player.h"
#include "ui/flight_overlay.h"
#include "ui/layout.h"

namespace fibwick {

class TableScreen;

// What the table's events ask of the window beyond the table itself.
struct TableViewHooks {
  std::function<void()> tableShown;
  std::function<void(bool exitEnabled, bool countEnabled)> menuSet;
  std::function<void(const std::string&)> notice;
  std::function<void()> gameEnded;
  // The far side of a network game.
  std::function<void(const std::string&)> peerMessage;
  std::function<void()> peerClosed;
  std::function<void()> flightLanded;
  // Starts a cue; returns how long it plays in milliseconds, 0 when it is silent (sound off).
  std::function<int(const std::string& resource)> sound;
  double pauseFactor = 1.0;  // stretches pauses and flights; 0 for tests that must not wait
  FlightClock flightClock;   // empty: the steady clock
};

// The table as the rules' events show it, drawn into the table screen's picture controls.
class QtTableView final : public TableEventSink {
 public:
  QtTableView(TableScreen& screen, TableViewHooks hooks)
      : screen_(screen), hooks_(std::move(hooks)) {}

  const std::vector<int>& Positions(int seat) const {
    return positions_[static_cast<std::size_t>(seat - 1)];
  }
  // The hover hint of a seat's hand: its player's name.
  const QString& HandHint(int seat) const { return handHints_[static_cast<std::size_t>(seat - 1)]; }
  bool Faces(int seat) const { return faces_[static_cast<std::size_t>(seat - 1)]; }
  // The card drawn at position k (from 1) of a seat's hand; EmptyCard for none.
  CardCode HandCard(int seat, int k) const;
  // The pile's cards in the order put while they are shown face up; empty otherwise.
  const std::vector<CardCode>& OpenPile() const { return openPile_; }

  int Show(const TableEvent& event) override;
  void Dispatch(const TableEvent& event) override;

  void operator()(const TableShown& e);
  void operator()(const HandDrawn& e);
  void operator()(const PileDrawn& e);
  void operator()(const TableAreaCleared& e);
  void operator()(const ClaimPlateDrawn& e);
  void operator()(const SpeechShown& e);
  void operator()(const ButtonSet& e);
  void operator()(const ButtonEnabled& e);
  void operator()(const ResultShown& e);
  void operator()(const WaitBannerShown& e);
  void operator()(const HintsSet& e);
  void operator()(const TableMenuSet& e);
  void operator()(const MoveClockShown& e);
  void operator()(const NoticeShown& e);
  // Waits are answered by Show; the outside events never reach the screen.
  template <class Other>
  void operator()(const Other&) {}

 private:
  QString Text(const Phrase& words) const;

  TableScreen& screen_;
  TableViewHooks hooks_;
  std::array<std::vector<int>, SeatCount> positions_;
  std::array<std::vector<int>, SeatCount> positionsBefore_;  // before each hand's last redraw
  std::array<QString, 2> handHints_;
  std::array<bool, SeatCount> faces_{};
  std::array<std::vector<CardCode>, SeatCount> handCards_;
  std::vector<CardCode> openPile_;
};

}  // namespace fibwick
