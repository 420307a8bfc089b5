// A card back is designed once on the card in units, 96 high and as wide as the faces it goes
// with, and drawn from that design into each picture size the table uses.
#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <array>
#include <functional>
#include <string_view>

namespace fibwick::artgen {

enum class BackSize {
  Small,   // 69 x 94 and opaque: the table draws the card's outline around it
  Wide,    // 146 x 198, behind the wide faces
  Narrow,  // 126 x 198, behind the narrow faces
};

inline constexpr std::array<BackSize, 3> BackSizes = {BackSize::Small, BackSize::Wide,
                                                      BackSize::Narrow};

// Picture names of a back set: the first seven follow the weekdays, sets of ten add three.
inline constexpr std::array<std::string_view, 10> BackBaseNames = {
    "Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr",
    "Ob06Su", "Ob07Su", "Ob08XX", "Ob09XX", "Ob10XX"};

// The card a design is drawn on, in units: 71 x 96, or 61 x 96 behind narrow faces.
QSizeF BackCard(BackSize size);
QSize BackPictureSize(BackSize size);
// What the picture name of that size ends with: nothing, "B" or "U".
QString BackSuffix(BackSize size);

using BackDesign = std::function<void(QPainter&, const QSizeF& card)>;

// The picture of the design in that size; the big ones get transparent rounded corners and a
// dark rim like the faces they go with.
QImage DrawBack(BackSize size, const BackDesign& design);

}  // namespace fibwick::artgen
