#pragma once

#include <QString>
#include <array>

#include "rules/cards.h"
#include "ui/dialogs/dialog_frame.h"

// The rank chooser opened when the player's put opens a new claim.
namespace fibwick {

struct RankChoice {
  const char* digits;  // the face value, or nullptr for a catalogue letter
  Message letter;
  RankIndex rank;  // NoRank: not in the 24-card deck, so never offered
};
inline constexpr int RankButtonCount = 9;
const std::array<RankChoice, RankButtonCount>& RankButtons();
QString RankButtonText(const RankChoice& choice);

class ClaimRankDialog : public DialogFrame {
  Q_OBJECT

 public:
  ClaimRankDialog(DialogContext& context, QWidget* parent);

  SkinButton* Button(int index) const { return buttons_[index]; }
  // The claim character of the rank chosen; NoClaim until a button was pressed.
  char ChosenRank() const { return chosen_; }

  // Only a rank closes the dialog: Esc and the window's close box do nothing.
  void reject() override {}

 protected:
  void closeEvent(QCloseEvent* event) override;
  void Recaption() override;

 private:
  std::array<SkinButton*, RankButtonCount> buttons_{};
  QLabel* prompt_ = nullptr;
  char chosen_ = NoClaim;
};

// Modal; returns the claim character of the chosen rank.
char ChooseClaimRank(QWidget* parent, DialogContext& context);

}  // namespace fibwick
