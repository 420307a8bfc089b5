#pragma once

#include <QString>
#include <array>
#include <vector>

#include "app/table_player.h"
#include "ui/layout.h"

namespace fibwick {

class TForm1;

// The table as the rules' events show it, drawn into the main window's picture controls.
class QtTableView final : public TableEventSink {
 public:
  explicit QtTableView(TForm1& form) : form_(form) {}

  const std::vector<int>& Positions(int seat) const {
    return positions_[static_cast<std::size_t>(seat - 1)];
  }
  // The hover hint of a seat's hand: its player's name.
  const QString& HandHint(int seat) const { return handHints_[static_cast<std::size_t>(seat - 1)]; }
  bool Faces(int seat) const { return faces_[static_cast<std::size_t>(seat - 1)]; }

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

  TForm1& form_;
  std::array<std::vector<int>, SeatCount> positions_;
  std::array<QString, 2> handHints_;
  std::array<bool, SeatCount> faces_{};
};

}  // namespace fibwick
