// Small drawing helpers shared by the painters.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <functional>

namespace fibwick::artgen {

// A transparent picture of w x h whose painter works in logical units of 1/scale pixel,
// so one drawing serves the small picture and its big twin.
QImage DrawScaled(int w, int h, double scale, const std::function<void(QPainter&)>& draw);
QImage DrawScaled(int w, int h, double scaleX, double scaleY,
                  const std::function<void(QPainter&)>& draw);

// The picture with every pixel made opaque over the given colour.
QImage Flatten(const QImage& image, const QColor& under);

QColor Mix(const QColor& a, const QColor& b, double t);
QColor WithAlpha(const QColor& c, int alpha);

QPainterPath RoundedRect(const QRectF& r, double radius);

// A star of the given number of points, the first pointing straight up.
QPainterPath Star(const QPointF& centre, double outer, double inner, int points);

// A lacquered plate: vertical body gradient, a rim, and a soft reflection on the upper half.
void GlossPlate(QPainter& p, const QRectF& r, double radius, const QColor& body, const QColor& rim,
                double rimWidth);

// 0 at 0, 1 from 1 on, arriving softly.
double EaseOut(double t);

// A four-pointed gold glint with a white heart.
void Sparkle(QPainter& p, const QPointF& at, double size, int alpha);

// Deterministic value noise in [-1, 1], smooth over cells of the given size.
double ValueNoise(double x, double y, double cell, unsigned seed);

}  // namespace fibwick::artgen
