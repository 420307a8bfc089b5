// The painters of the back sets in the pack. Each draws picture 0.. of its set on a card of the
// given size in units; the pictures of a set differ in colour or in motif.
#pragma once

#include <QPainter>
#include <QSizeF>

namespace fibwick::packgen {

// A field of a heraldic tincture strewn with fleurs-de-lis, a rose in a quatrefoil.
void DrawHeraldicBack(QPainter& p, const QSizeF& card, int picture);
// Vellum inside an illuminated border with a vine scroll, a rose window in the middle.
void DrawIlluminatedBack(QPainter& p, const QSizeF& card, int picture);
// A knotted rug: fringes, guard stripes, a border band, a stepped medallion on the field.
void DrawCarpetBack(QPainter& p, const QSizeF& card, int picture);
// One kind of cross a day, large in the middle and small over the field.
void DrawCrossBack(QPainter& p, const QSizeF& card, int picture);
// A chequered board with one chess piece a day.
void DrawChessBack(QPainter& p, const QSizeF& card, int picture);
// Harlequin lozenges around a cut gem.
void DrawDiamondBack(QPainter& p, const QSizeF& card, int picture);
// Chain mail behind a helm and a shield with one heraldic division a day.
void DrawKnightlyBack(QPainter& p, const QSizeF& card, int picture);
// Khokhloma (gold and red on black, red or gold) and Gzhel (cobalt on white) flowers.
void DrawRussianBack(QPainter& p, const QSizeF& card, int picture);

// One picture of the colour emoji font a back, in a cartouche, in the ten-picture sets.
void DrawAnimalBack(QPainter& p, const QSizeF& card, int picture);
void DrawFlowerBack(QPainter& p, const QSizeF& card, int picture);
void DrawPlaceBack(QPainter& p, const QSizeF& card, int picture);
void DrawOtherBack(QPainter& p, const QSizeF& card, int picture);

}  // namespace fibwick::packgen
