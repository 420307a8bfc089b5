#pragma once

#include <QString>
#include <array>
#include <vector>

#include "game/table_view.h"
#include "ui/layout.h"

namespace fibwick {

class TForm1;

// The table as the rules see it, drawn into the main window's picture controls.
class QtTableView final : public TableView {
 public:
  explicit QtTableView(TForm1& form) : form_(form) {}

  const std::vector<int>& Positions(int seat) const {
    return positions_[static_cast<std::size_t>(seat - 1)];
  }
  // The hover hint of a seat's hand: its player's name.
  const QString& HandHint(int seat) const { return handHints_[static_cast<std::size_t>(seat - 1)]; }

  void ShowTable(const GameState& state) override;
  void RedrawHand(const GameState& state, int seat, bool faces) override;
  void DrawPile(const GameState& state, bool faces, bool markLastPut) override;
  void RedrawTableArea(const GameState& state) override;
  void RedrawClaimLabel(char claimRank) override;
  void ShowSpeech(int seat, std::string_view text, SpeechColour colour) override;
  void FlyCards(std::span<const Flight> flights) override;
  void PlaySound(std::string_view resource) override;
  void Pause(int milliseconds) override;
  void SetButton(ActionButton button, std::string_view caption, bool enabled,
                 bool visible) override;
  void SetButtonEnabled(ActionButton button, bool enabled) override;
  char ChooseClaimRank() override;
  void ShowResult(std::string_view text) override;
  void ShowWaitBanner(std::string_view text) override;
  void SetHints(std::string_view seat1Hand, std::string_view seat2Hand,
                std::string_view claimPlate) override;
  void SetTableMenu(bool exitEnabled, bool countEnabled) override;
  void ShowMoveClock(int seat, int seconds) override;
  void ShowNotice(std::string_view title, std::string_view text) override;

 private:
  TForm1& form_;
  std::array<std::vector<int>, SeatCount> positions_;
  std::array<QString, 2> handHints_;
};

}  // namespace fibwick
