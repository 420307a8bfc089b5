// The intro picture and the title pictures of the main menu. The menu titles are drawn in
// red only: the menu recolours them to its caption tint, and its rules expect a red source.
#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>
#include <array>
#include <cmath>

#include "paint_kit.h"
#include "painters.h"
#include "palette.h"
#include "symbols.h"

namespace fibwick::artgen {

namespace {

struct LanguageTitles {
  const char* code;
  const char* tagline;  // under the name on the caption
  const char* elite;    // heading of the club of games against the computer
  const char* network;  // heading of the club of network games
};

// Japanese and Korean menus use the English pictures.
const std::array<LanguageTitles, 8> Languages{{
    {"Eng", "a card game of bluff", "Elite Club", "Network Club"},
    {"Rus", "карточная игра-блеф", "Элитный клуб", "Сетевой клуб"},
    {"Deu", "ein Kartenspiel voller Bluff", "Elite-Club", "Netzwerk-Club"},
    {"Fra", "un jeu de cartes et de bluff", "Club d'élite", "Club réseau"},
    {"Spa", "un juego de cartas de farol", "Club de élite", "Club en red"},
    {"Chi", "虚张声势纸牌游戏", "精英俱乐部", "网络俱乐部"},
    {"Ita", "un gioco di carte e di bluff", "Club d'élite", "Club di rete"},
    {"Cze", "karetní hra plná blafování", "Elitní klub", "Síťový klub"},
}};

const QColor RedLight{255, 96, 84};
const QColor Red{214, 20, 28};
const QColor RedDark{120, 0, 8};
const QColor RedEdge{60, 0, 4};

QFont TitleFont(int pixels, bool serif = true) {
  QFont font(serif ? "DejaVu Serif" : "DejaVu Sans");
  font.setPixelSize(pixels);
  font.setBold(true);
  return font;
}

QLinearGradient RedFill(double top, double bottom) {
  QLinearGradient fill(0, top, 0, bottom);
  fill.setColorAt(0, RedLight);
  fill.setColorAt(0.45, Red);
  fill.setColorAt(1, RedDark);
  return fill;
}

void RedDiamond(QPainter& p, double x, double y, double size) {
  const QPointF shape[] = {{x, y - size}, {x + size * 0.7, y}, {x, y + size}, {x - size * 0.7, y}};
  p.setPen(QPen(RedEdge, 0.8));
  p.setBrush(Red);
  p.drawPolygon(shape, 4);
}

void Caption(QPainter& p, const LanguageTitles& titles) {
  OutlinedText(p, QRectF(0, 2, 400, 46), "Fibwick", TitleFont(46), RedFill(6, 46), RedEdge, 3.5);
  const QRectF line(0, 49, 400, 19);
  OutlinedText(p, line, QString::fromUtf8(titles.tagline), TitleFont(15, false), QBrush(Red),
               RedEdge, 2.2);
  for (const double side : {-1.0, 1.0}) {
    p.setPen(QPen(Red, 1.6));
    p.drawLine(QPointF(200 + side * 112, 26), QPointF(200 + side * 150, 26));
    RedDiamond(p, 200 + side * 156, 26, 5);
  }
}

void ClubHeading(QPainter& p, const QString& text) {
  OutlinedText(p, QRectF(0, 2, 350, 36), text, TitleFont(27), RedFill(8, 34), RedEdge, 3);
  for (const double x : {14.0, 336.0}) RedDiamond(p, x, 21, 6);
}

// Five cards in a fan between two gold sprays: the menu's emblem above the club.
void CardFan(QPainter& p, const QPointF& pivot, double cardW, double cardH, double spread) {
  const char* const suits[] = {"\u2663", "\u2665", "\u2660", "\u2666", "\u2660"};
  for (int i = 0; i < 5; ++i) {
    p.save();
    p.translate(pivot);
    p.rotate((i - 2) * spread);
    const QRectF card(-cardW / 2, -cardH - cardH * 0.35, cardW, cardH);
    p.setPen(QPen(palette::GraphiteDark, cardW / 40));
    if (i == 2) {
      QLinearGradient back(card.topLeft(), card.bottomRight());
      back.setColorAt(0, palette::Crimson.lighter(120));
      back.setColorAt(1, palette::Burgundy);
      p.setBrush(back);
      p.drawRoundedRect(card, cardW / 10, cardW / 10);
      p.setPen(QPen(palette::Gold, cardW / 30));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(card.adjusted(cardW / 9, cardW / 9, -cardW / 9, -cardW / 9), cardW / 16,
                        cardW / 16);
      SuitGlyph(p, "?", card.center(), cardW * 0.5, palette::GoldLight);
    } else {
      p.setBrush(palette::Cream);
      p.drawRoundedRect(card, cardW / 10, cardW / 10);
      const QColor ink = (i % 2) ? palette::Crimson : palette::Ink;
      SuitGlyph(p, QString::fromUtf8(suits[i]), card.center(), cardW * 0.5, ink);
      SuitGlyph(p, QString::fromUtf8(suits[i]), card.topLeft() + QPointF(cardW * 0.17, cardW * 0.2),
                cardW * 0.18, ink);
    }
    p.restore();
  }
}

void Spray(QPainter& p, const QPointF& root, double direction, double length) {
  QPainterPath stem;
  stem.moveTo(root);
  stem.quadTo(root + QPointF(direction * length * 0.5, -length * 0.05),
              root + QPointF(direction * length, -length * 0.3));
  p.strokePath(stem, QPen(palette::Gold, length / 40, Qt::SolidLine, Qt::RoundCap));
  for (int i = 1; i <= 5; ++i) {
    const double t = i / 6.0;
    const QPointF at = root + QPointF(direction * length * t, -length * 0.3 * t * t);
    for (const double side : {-1.0, 1.0}) {
      p.save();
      p.translate(at);
      p.rotate(direction * (side * 50 - 20));
      QLinearGradient leaf(0, -length / 20, 0, length / 20);
      leaf.setColorAt(0, palette::GoldLight);
      leaf.setColorAt(1, palette::GoldDark);
      p.setPen(Qt::NoPen);
      p.setBrush(leaf);
      p.drawEllipse(QPointF(direction * length / 14, 0), length / 13, length / 34);
      p.restore();
    }
  }
}

void Title(QPainter& p) {
  Spray(p, QPointF(112, 80), -1, 100);
  Spray(p, QPointF(188, 80), 1, 100);
  CardFan(p, QPointF(150, 100), 40, 56, 15);
}

void Logo(QPainter& p) {
  QRadialGradient cloth(QPointF(380, 210), 520);
  cloth.setColorAt(0, palette::FeltLight);
  cloth.setColorAt(0.55, palette::Felt);
  cloth.setColorAt(1, palette::FeltDark.darker(140));
  p.fillRect(QRectF(0, 0, 760, 500), cloth);
  // A faint weave so the cloth does not look like plastic.
  for (int y = 0; y < 500; y += 2) {
    for (int x = 0; x < 760; x += 2) {
      const double n = ValueNoise(x, y, 3, 41) * 0.6 + ValueNoise(x, y, 40, 7) * 0.4;
      p.fillRect(QRectF(x, y, 2, 2), n > 0 ? QColor(255, 255, 255, static_cast<int>(n * 14))
                                           : QColor(0, 0, 0, static_cast<int>(-n * 20)));
    }
  }
  p.setPen(QPen(palette::Gold, 3));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(14, 14, 732, 472), 18, 18);
  p.setPen(QPen(WithAlpha(palette::GoldLight, 120), 1));
  p.drawRoundedRect(QRectF(21, 21, 718, 458), 13, 13);

  p.save();
  p.setOpacity(0.35);
  p.translate(6, 8);
  CardFan(p, QPointF(380, 250), 96, 136, 15);
  p.restore();
  CardFan(p, QPointF(380, 250), 96, 136, 15);

  // The band y 262..346 stays bare cloth: the intro's moving title comes to rest there.
  OutlinedText(p, QRectF(0, 350, 760, 30), "a card game of bluff", TitleFont(24, false),
               QBrush(palette::Cream), palette::FeltDark, 4);
  Spray(p, QPointF(368, 410), -1, 160);
  Spray(p, QPointF(392, 410), 1, 160);
}

}  // namespace

void AddTitles(ArtSet& set) {
  set.SetGroup("Intro picture");
  set.Add("Logo", DrawScaled(760, 500, 1.0, Logo), FileKind::Jpeg);
  set.SetGroup("Menu titles (red; the menu tints them)");
  set.Add("GTitle", DrawScaled(300, 90, 1.0, Title));
  for (const auto& titles : Languages) {
    set.Add(QString("Cap") + titles.code,
            DrawScaled(400, 70, 1.0, [&](QPainter& p) { Caption(p, titles); }));
  }
  for (const auto& titles : Languages) {
    set.Add(QString("Elite") + titles.code, DrawScaled(350, 40, 1.0, [&](QPainter& p) {
              ClubHeading(p, QString::fromUtf8(titles.elite));
            }));
    set.Add(QString("Net__") + titles.code, DrawScaled(350, 40, 1.0, [&](QPainter& p) {
              ClubHeading(p, QString::fromUtf8(titles.network));
            }));
  }
}

}  // namespace fibwick::artgen
