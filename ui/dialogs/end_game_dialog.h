#pragma once

#include <QColor>
#include <QString>
#include <vector>

#include "ui/dialogs/dialog_frame.h"

// The end of a playing cycle: whether the score entered the top ten, and at which place.
namespace fibwick {

enum class GameKind { Computer, Network, RatedOnline };

struct EndGameInput {
  int place = 0;  // 0 not in the top ten, 1..10 the place; a rated online place may be higher
  int score = 0;
  GameKind kind = GameKind::Computer;
  int reward = 0;  // Nuvs for a rated online result; 0 when none
};

enum class LineColour { Plain, Green, Red };

struct EndGameLine {
  QString text;
  LineColour colour = LineColour::Plain;
};

struct EndGameView {
  QString animation;  // "GEndBest", "GEndGood", "GEndBads"
  bool loops = false;
  int stillFrame = 0;  // shown instead of the animation when animations are off
  QString sound;
  std::vector<EndGameLine> lines;  // top to bottom
  bool medal = false;
  QString placePicture;  // "GPlace01".."GPlace10" over the medal
  bool rewardShown = false;
  EndGameLine reward;
};

EndGameView ChooseEndGameView(const EndGameInput& input);

class EndGameDialog : public DialogFrame {
  Q_OBJECT

 public:
  EndGameDialog(DialogContext& context, const EndGameInput& input, QWidget* parent);

  const EndGameView& View() const { return view_; }
  SkinButton* OkButton() const { return ok_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  EndGameInput input_;
  EndGameView view_;
  SkinButton* ok_ = nullptr;
};

// Modal, with the sound of the outcome.
void ShowEndOfGame(QWidget* parent, DialogContext& context, const EndGameInput& input);

}  // namespace fibwick
