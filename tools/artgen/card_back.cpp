#include "card_back.h"

#include "paint_kit.h"
#include "palette.h"

namespace fibwick::artgen {

namespace {

constexpr double CardH = 96;
constexpr int BigH = 198;
constexpr double BigRadius = 7.0;

}  // namespace

QSizeF BackCard(BackSize size) {
  return {size == BackSize::Narrow ? 61.0 : 71.0, CardH};
}

QSize BackPictureSize(BackSize size) {
  switch (size) {
    case BackSize::Small:
      return {69, 94};
    case BackSize::Wide:
      return {146, BigH};
    case BackSize::Narrow:
      return {126, BigH};
  }
  return {};
}

QString BackSuffix(BackSize size) {
  switch (size) {
    case BackSize::Small:
      return {};
    case BackSize::Wide:
      return QStringLiteral("B");
    case BackSize::Narrow:
      return QStringLiteral("U");
  }
  return {};
}

QImage DrawBack(BackSize size, const BackDesign& design) {
  const QSizeF card = BackCard(size);
  const auto draw = [&](QPainter& p) { design(p, card); };
  if (size == BackSize::Small) {
    // The card at its own size, less the outermost ring of pixels where the table's outline goes.
    const auto whole =
        DrawScaled(static_cast<int>(card.width()), static_cast<int>(card.height()), 1.0, draw);
    return Flatten(whole.copy(1, 1, 69, 94), palette::Ink);
  }
  const QSize picture = BackPictureSize(size);
  const int w = picture.width(), h = picture.height();
  const auto art = DrawScaled(w, h, w / card.width(), h / card.height(), draw);
  return DrawScaled(w, h, 1.0, [&](QPainter& p) {
    const auto shape = RoundedRect(QRectF(0, 0, w, h), BigRadius);
    p.setClipPath(shape);
    p.drawImage(0, 0, art);
    p.setClipping(false);
    p.setPen(QPen(palette::Ink, 2.0));
    p.drawPath(RoundedRect(QRectF(1, 1, w - 2, h - 2), BigRadius - 1));
  });
}

}  // namespace fibwick::artgen
