// What the back designs share: the card stock and its panel, the two ways a back is made to
// read the same with either end up, and pictures taken from the colour emoji font.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <initializer_list>

namespace fibwick::packgen {

// Designs are drawn on the card in units (96 high, 71 or 61 wide, see artgen/card_back.h).
using BackPainter = void (*)(QPainter& p, const QSizeF& card, int picture);

// Fills the card with its stock colour and returns the panel: the card inset by the border.
QRectF CardStock(QPainter& p, const QSizeF& card, const QColor& stock, double border);

// The white stock with a panel inset 4 units, filled with its ground colour lit from the middle
// (lift: how much lighter there and darker at the edges, in percent); the panel's shape.
QPainterPath LitPanel(QPainter& p, const QSizeF& card, const QColor& ground, int lift);

// Places in rows 8 units apart above the middle line, each row set half of a step of 9 along:
// a strewn pattern that meets its copy in the lower half without a row on the middle line.
void Strew(const QSizeF& card, const std::function<void(const QPointF&)>& place);

// Draws the upper half, then the same drawing mirrored into the lower half.
void Mirrored(QPainter& p, const QSizeF& card, const std::function<void()>& draw);
// Draws the upper half, then the same drawing turned upside down into the lower half, like the
// two heads of a court card.
void Turned(QPainter& p, const QSizeF& card, const std::function<void()>& draw);

// The colour emoji as a picture fitted into the box, centred; false when the emoji font is not
// installed (glyphs from another font would take its place unnoticed).
bool EmojiFontPresent();
void DrawEmoji(QPainter& p, const QRectF& box, const QString& emoji);

QPainterPath Polygon(std::initializer_list<QPointF> points);
QPainterPath Circle(const QPointF& centre, double radius);
// Moves a path drawn around (0, 0) to the centre, scaled and turned by the angle in degrees.
QPainterPath Placed(const QPainterPath& shape, const QPointF& centre, double scale,
                    double degrees = 0);
// The shape filled and outlined.
void Paint(QPainter& p, const QPainterPath& shape, const QBrush& fill, const QColor& line,
           double width);

}  // namespace fibwick::packgen
