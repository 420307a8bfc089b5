// The built-in back set: seven backs, one per weekday, each a white border around a coloured
// panel with its own pattern and a medallion in the middle.
#pragma once

#include <QPainter>
#include <QSizeF>

namespace fibwick::artgen {

inline constexpr int ClassicBackCount = 7;

// Back 0 (Monday) .. 6 on a card of the given size in units.
void DrawClassicBack(QPainter& p, const QSizeF& card, int back);

}  // namespace fibwick::artgen
