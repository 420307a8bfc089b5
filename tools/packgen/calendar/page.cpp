// "R_BASE": a tear-off calendar's page. The menu writes the day at y 22 and the month at y 42
// and draws a holiday's picture on a copy at (3, 27), so everything of the page's own lies above
// y 21: the red binding with its two rings, and the line of holes the sheet tears along.
#include <QLinearGradient>

#include "calendar_art.h"
#include "paint_kit.h"
#include "palette.h"
#include "records/calendar.h"

namespace fibwick::packgen {
namespace {

using namespace artgen;

constexpr double BindingBottom = 16.5;
constexpr double TearLine = 19.5;

void DrawSheet(QPainter& p, const QRectF& sheet) {
  // The pages still to come show as thin edges below this one.
  for (int under = 2; under >= 1; --under) {
    p.fillRect(sheet.translated(under * 0.5, under * 0.7), Mix(palette::CreamShade, Qt::gray, 0.3));
  }
  QLinearGradient paper(sheet.topLeft(), sheet.bottomLeft());
  paper.setColorAt(0, QColor(255, 255, 252));
  paper.setColorAt(1, QColor(248, 244, 232));
  p.fillRect(sheet, paper);
  p.setPen(QPen(QColor(0, 0, 0, 70), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawRect(sheet);
}

void DrawBinding(QPainter& p, const QRectF& sheet) {
  const QRectF band(sheet.left(), sheet.top(), sheet.width(), BindingBottom - sheet.top());
  QLinearGradient red(band.topLeft(), band.bottomLeft());
  red.setColorAt(0, Mix(palette::Crimson, Qt::white, 0.15));
  red.setColorAt(0.7, palette::Crimson);
  red.setColorAt(1, palette::Burgundy);
  p.fillRect(band, red);
  p.setPen(QPen(palette::Gold, 1));
  p.drawLine(QPointF(band.left(), band.bottom() - 0.5), QPointF(band.right(), band.bottom() - 0.5));
  p.setPen(QPen(WithAlpha(palette::GoldLight, 160), 0.6));
  p.drawLine(QPointF(band.left() + 2.5, band.top() + 2.5),
             QPointF(band.right() - 2.5, band.top() + 2.5));

  // Two wire rings come out of holes in the binding and run over its top edge.
  for (const double x : {16.0, 43.0}) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 8, 12));
    p.drawEllipse(QPointF(x, 10.5), 2.6, 1.9);
    QPainterPath ring;
    ring.moveTo(x - 1.2, 10.6);
    ring.cubicTo(x - 2.4, 4, x - 1.5, 0.2, x, 0.2);
    ring.cubicTo(x + 1.5, 0.2, x + 2.4, 4, x + 1.2, 10.6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 70, 80), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(ring);
    p.setPen(QPen(QColor(226, 228, 236), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(ring.translated(-0.3, 0));
  }
}

void DrawTearLine(QPainter& p, const QRectF& sheet) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 140, 120, 150));
  for (double x = sheet.left() + 2.5; x < sheet.right() - 1; x += 3) {
    p.drawEllipse(QPointF(x, TearLine), 0.7, 0.7);
  }
}

}  // namespace

bool AddPage(PackWriter& pack) {
  QImage page(PageSize, QImage::Format_ARGB32_Premultiplied);
  page.fill(Qt::transparent);
  {
    QPainter p(&page);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet(0.5, 0.5, PageSize.width() - 2.0, PageSize.height() - 2.0);
    DrawSheet(p, sheet);
    DrawBinding(p, sheet);
    DrawTearLine(p, sheet);
  }
  pack.AddPng(QString::fromLatin1(CalendarPagePicture.data(), CalendarPagePicture.size()), page);
  return true;
}

}  // namespace fibwick::packgen
