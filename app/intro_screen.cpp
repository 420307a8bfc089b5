#include "app/intro_screen.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "records/catalogue.h"
#include "ui/builtin_pictures.h"
#include "ui/layout.h"
#include "ui/text_helpers.h"

namespace fibwick {

void IntroScreen::Load() {
  picture_ = LoadBuiltinPicture("Logo");
}

void IntroScreen::Paint(QPainter& painter, const QRect& all) const {
  if (!picture_.isNull()) {
    painter.drawImage(all, picture_);
  } else {
    QLinearGradient felt(all.topLeft(), all.bottomLeft());
    felt.setColorAt(0, QColor(20, 90, 50));
    felt.setColorAt(1, QColor(5, 45, 25));
    painter.fillRect(all, felt);
  }
  // The title drifts in from the right and settles in the bare band the picture keeps for it,
  // between the cards and the line under them (y 262..346 of the 760 x 500 picture).
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(all.width() / double(BaseWidth), all.height() / double(BaseHeight));
  const QRectF band(0, 262, BaseWidth, 84);
  QFont font("DejaVu Serif");
  font.setBold(true);
  font.setPixelSize(80);
  QPainterPath title;
  title.addText(0, 0, font, Catalogue(MsgWindowTitle));
  const QRectF bounds = title.boundingRect();
  // A longer title in another language shrinks to the band.
  const double fit =
      std::min({1.0, (band.width() - 40) / bounds.width(), band.height() / bounds.height()});
  title = QTransform().scale(fit, fit).map(title);
  const int settle = std::max(0, 120 - frame_);
  title.translate(band.center() - title.boundingRect().center() + QPointF(settle * 6, 0));
  const QColor goldLight(252, 230, 150), gold(214, 172, 64), goldDark(128, 90, 22);
  painter.fillPath(title.translated(4, 5), QColor(0, 0, 0, 120));
  painter.strokePath(title,
                     QPen(goldDark.darker(200), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QLinearGradient fill(0, band.top(), 0, band.bottom());
  fill.setColorAt(0, goldLight);
  fill.setColorAt(0.5, gold);
  fill.setColorAt(1, goldDark);
  painter.fillPath(title, fill);
}

}  // namespace fibwick
