#include "deck_cards.h"

#include <QHash>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <queue>
#include <vector>

#include "paint_kit.h"
#include "palette.h"

namespace fibwick::artgen {
namespace {

// Our stock under a small card is rounded enough that the pixel on the outline's cut corner
// stays dark like the outline.
constexpr double SmallStockRadius = 5.0;
constexpr double BigRadius = 7.0;  // matches the round-corner mask of scaled cards

// An ace is cut at several times the size of the biggest symbol, so the pip shrinks cleanly.
constexpr int AceWorkWidth = 240;
// How far (sum over red, green and blue) a colour must be from the paper to be part of the pip.
constexpr int InkDistance = 60;

// The card fitted into w x h with the deck's own proportions, centred.
QRectF FitCard(const QRectF& bounds, double w, double h) {
  const double scale = std::min(w / bounds.width(), h / bounds.height());
  const double cw = bounds.width() * scale;
  const double ch = bounds.height() * scale;
  return QRectF((w - cw) / 2, (h - ch) / 2, cw, ch);
}

int ColourDistance(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
         std::abs(qBlue(a) - qBlue(b));
}

// The colour that covers most of an ace, rounded to five bits a channel: its paper.
QRgb PaperColour(const QImage& ace) {
  QHash<QRgb, int> counts;
  QRgb paper = qRgb(255, 255, 255);
  int most = 0;
  for (int y = 0; y < ace.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(ace.constScanLine(y));
    for (int x = 0; x < ace.width(); ++x) {
      if (qAlpha(line[x]) < 255) continue;
      const QRgb key = line[x] & 0xFFF8F8F8;
      if (const int n = ++counts[key]; n > most) {
        most = n;
        paper = key;
      }
    }
  }
  return paper;
}

// The pixels of the pip that holds the ace's middle, or lies nearest to it.
std::optional<std::vector<bool>> MiddlePip(const QImage& ace, QRect& box) {
  const QRgb paper = PaperColour(ace);
  const auto isInk = [&](int x, int y) {
    const QRgb c = ace.pixel(x, y);
    return qAlpha(c) > 128 && ColourDistance(c, paper) > InkDistance;
  };
  const int w = ace.width(), h = ace.height();
  std::optional<QPoint> start;
  for (int ring = 0; ring < w / 5 && !start; ++ring) {
    for (int dy = -ring; dy <= ring && !start; ++dy) {
      for (int dx = -ring; dx <= ring; ++dx) {
        if (std::max(std::abs(dx), std::abs(dy)) == ring && isInk(w / 2 + dx, h / 2 + dy)) {
          start = QPoint(w / 2 + dx, h / 2 + dy);
          break;
        }
      }
    }
  }
  if (!start) return std::nullopt;

  std::vector<bool> pip(static_cast<size_t>(w * h), false);
  std::queue<QPoint> open;
  open.push(*start);
  pip[static_cast<size_t>(start->y() * w + start->x())] = true;
  box = QRect(*start, *start);
  while (!open.empty()) {
    const QPoint p = open.front();
    open.pop();
    box |= QRect(p, p);
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const int x = p.x() + dx, y = p.y() + dy;
        if (x < 0 || y < 0 || x >= w || y >= h) continue;
        const auto at = static_cast<size_t>(y * w + x);
        if (pip[at] || !isInk(x, y)) continue;
        pip[at] = true;
        open.push({x, y});
      }
    }
  }
  return pip;
}

}  // namespace

QString CardId(CardIds naming, const DeckRank& rank, const DeckSuit& suit) {
  return naming == CardIds::RankFirst ? QString("%1_%2").arg(rank.id, suit.id)
                                      : QString("%1_%2").arg(suit.id, rank.id);
}

QImage SmallFace(QSvgRenderer& deck, const QString& id) {
  const QSize outlined = SmallFaceSize + QSize(2, 2);
  QImage card(outlined, QImage::Format_ARGB32_Premultiplied);
  card.fill(Qt::transparent);
  QPainter p(&card);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillPath(RoundedRect(QRectF(QPointF(), outlined), SmallStockRadius), Qt::white);
  deck.render(&p, id, FitCard(deck.boundsOnElement(id), outlined.width(), outlined.height()));
  p.end();
  // Corner pixels left by the rounding turn dark like the outline around them.
  return Flatten(card.copy(QRect(QPoint(1, 1), SmallFaceSize)), palette::Ink);
}

QImage BigFace(QSvgRenderer& deck, const QString& id, int width) {
  return DrawScaled(width, BigFaceHeight, 1.0, [&](QPainter& p) {
    const QRectF card(0, 0, width, BigFaceHeight);
    const auto shape = RoundedRect(card, BigRadius);
    p.fillPath(shape, Qt::white);
    p.setClipPath(shape);
    deck.render(&p, id, FitCard(deck.boundsOnElement(id), width, BigFaceHeight));
    p.setClipping(false);
    p.setPen(QPen(palette::Ink, 2.0));
    p.drawPath(RoundedRect(card.adjusted(1, 1, -1, -1), BigRadius - 1));
  });
}

QImage ElementSymbol(QSvgRenderer& deck, const QString& id, SymbolSize size) {
  return DrawScaled(size.side, size.side, 1.0, [&](QPainter& p) {
    const double inner = size.side - 2 * size.margin;
    const auto fit = FitCard(deck.boundsOnElement(id), inner, inner);
    deck.render(&p, id, fit.translated(size.margin, size.margin));
  });
}

QImage AcePipSymbol(QSvgRenderer& deck, const QString& aceId, SymbolSize size) {
  const QRectF bounds = deck.boundsOnElement(aceId);
  const int height = qRound(AceWorkWidth * bounds.height() / bounds.width());
  const QImage ace = DrawScaled(AceWorkWidth, height, 1.0, [&](QPainter& p) {
    deck.render(&p, aceId, QRectF(0, 0, AceWorkWidth, height));
  });
  QRect box;
  const std::optional<std::vector<bool>> pip = MiddlePip(ace, box);
  if (!pip) return {};

  QImage cut = ace.copy(box);
  for (int y = 0; y < cut.height(); ++y) {
    for (int x = 0; x < cut.width(); ++x) {
      if (!(*pip)[static_cast<size_t>((box.y() + y) * AceWorkWidth + box.x() + x)]) {
        cut.setPixel(x, y, 0);
      }
    }
  }
  const double inner = size.side - 2 * size.margin;
  const QImage shrunk =
      cut.convertToFormat(QImage::Format_ARGB32_Premultiplied)
          .scaled(qRound(inner), qRound(inner), Qt::KeepAspectRatio, Qt::SmoothTransformation);
  return DrawScaled(size.side, size.side, 1.0, [&](QPainter& p) {
    p.drawImage(QPointF((size.side - shrunk.width()) / 2.0, (size.side - shrunk.height()) / 2.0),
                shrunk);
  });
}

QImage KeyedSymbol(const QImage& symbol) {
  return Flatten(symbol, palette::SilverKey);
}

}  // namespace fibwick::artgen
