#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <QWidget>
#include <vector>

// The captions of a window's own controls fitted to their controls in every language: a long
// caption steps its font down, never below the readable floor, and a label or a tab that is
// still too long at the floor takes a second line.
namespace fibwick {

// A caption and the room its control gives it.
struct CaptionSpot {
  QWidget* control = nullptr;
  QString text;
  QFont font;  // as drawn now
  QSize room;
  bool wraps = false;  // drawn broken at blanks
};

// Labels, switches, group titles, choosers, tab labels and grid headings under `root`. Skinned
// buttons fit their captions themselves as they paint.
std::vector<CaptionSpot> CaptionSpots(QWidget& root);

// Fits every caption under `root`, each from the font its control had when first fitted (or the
// one `Refit` gave it since), so that a shorter text in another language grows back.
void FitCaptions(QWidget& root);

// The font a control's caption starts from, for a change of the fonts.
QFont BaseFont(const QWidget& control);
void SetBaseFont(QWidget& control, const QFont& font);

}  // namespace fibwick
