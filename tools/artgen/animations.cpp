// The animated pictures of the menu and the dialogs, stored frame by frame, and the six
// running lamps of the menu's lamp boards.
#include <QLinearGradient>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>

#include "paint_kit.h"
#include "painters.h"
#include "palette.h"
#include "symbols.h"

namespace fibwick::artgen {

namespace {

constexpr double Pi = std::numbers::pi;

using FrameDraw = std::function<void(QPainter&, double phase, int frame)>;

// phase runs from 0 up to (not including) 1 over a looping film, and reaches 1 on the last
// frame of a film that plays once.
void AddFilm(ArtSet& set, const QString& name, int w, int h, int frames, bool loops,
             const FrameDraw& draw) {
  for (int frame = 0; frame < frames; ++frame) {
    const double phase = loops ? double(frame) / frames : double(frame) / (frames - 1);
    set.Add(FrameName(name, frame),
            DrawScaled(w, h, 1.0, [&](QPainter& p) { draw(p, phase, frame); }));
  }
}

const std::array<const char*, 4> Suits{"\u2660", "\u2665", "\u2663", "\u2666"};

QColor SuitInk(int suit) {
  return suit % 2 ? palette::Crimson : palette::Ink;
}

// A card of w x h centred on the painter's origin, face or back.
void Card(QPainter& p, double w, double h, bool face, int suit) {
  const QRectF card(-w / 2, -h / 2, w, h);
  p.setPen(QPen(palette::GraphiteDark, 1.2));
  if (face) {
    p.setBrush(palette::Cream);
    p.drawRoundedRect(card, w / 10, w / 10);
    SuitGlyph(p, QString::fromUtf8(Suits[suit]), QPointF(0, 0), w * 0.5, SuitInk(suit));
    SuitGlyph(p, QString::fromUtf8(Suits[suit]), QPointF(-w * 0.32, -h * 0.36), w * 0.15,
              SuitInk(suit));
    SuitGlyph(p, QString::fromUtf8(Suits[suit]), QPointF(w * 0.32, h * 0.36), w * 0.15,
              SuitInk(suit));
    return;
  }
  QLinearGradient back(card.topLeft(), card.bottomRight());
  back.setColorAt(0, palette::Crimson.lighter(125));
  back.setColorAt(1, palette::Burgundy);
  p.setBrush(back);
  p.drawRoundedRect(card, w / 10, w / 10);
  const QRectF inner = card.adjusted(w / 9, w / 9, -w / 9, -w / 9);
  p.setPen(QPen(palette::Gold, w / 40));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(inner, w / 20, w / 20);
  p.save();
  p.setClipRect(inner);
  p.setPen(QPen(WithAlpha(palette::GoldLight, 70), w / 60));
  for (double d = -h; d < h; d += w / 7) {
    p.drawLine(QPointF(-w, d), QPointF(w, d + 2 * w));
    p.drawLine(QPointF(w, d), QPointF(-w, d + 2 * w));
  }
  p.restore();
  SuitGlyph(p, QString::fromUtf8("\u2666"), QPointF(0, 0), w * 0.3, palette::GoldLight);
}

// A gold plinth under the menu pictures, so they stand on the table like ornaments.
void Plinth(QPainter& p, const QRectF& r) {
  GlossPlate(p, r, r.height() / 2, palette::Gold, palette::GoldDark, 1.2);
}

void TurningCard(QPainter& p, double phase, int) {
  const double angle = 2 * Pi * phase;
  const double squeeze = std::cos(angle);
  Plinth(p, QRectF(28, 178, 104, 16));
  QRadialGradient shadow(QPointF(80, 178), 50);
  shadow.setColorAt(0, WithAlpha(Qt::black, 90));
  shadow.setColorAt(1, WithAlpha(Qt::black, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shadow);
  p.drawEllipse(QPointF(80, 176), 50 * std::max(std::abs(squeeze), 0.2), 6);
  p.save();
  p.translate(80, 96 - 6 * std::sin(angle * 2));
  p.scale(std::max(std::abs(squeeze), 0.02), 1);
  Card(p, 100, 140, squeeze < 0, 0);
  p.restore();
  for (int i = 0; i < 3; ++i) {
    const double t = std::fmod(phase * 2 + i / 3.0, 1.0);
    Sparkle(p,
            QPointF(24 + 112 * std::fmod(i * 0.41 + 0.2, 1.0), 30 + 120 * std::fmod(i * 0.67, 1.0)),
            10 * std::sin(Pi * t), static_cast<int>(255 * std::sin(Pi * t)));
  }
}

void SuitRing(QPainter& p, const QPointF& c, double radius, double phase, double glyph) {
  p.setPen(QPen(palette::Gold, radius / 18));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, radius, radius);
  p.setPen(QPen(WithAlpha(palette::GoldLight, 140), radius / 50));
  p.drawEllipse(c, radius * 0.9, radius * 0.9);
  for (int i = 0; i < 4; ++i) {
    const double a = 2 * Pi * (phase + i / 4.0) - Pi / 2;
    const QPointF at = c + QPointF(radius * std::cos(a), radius * std::sin(a));
    p.setPen(QPen(palette::GoldDark, radius / 40));
    p.setBrush(palette::Cream);
    p.drawEllipse(at, glyph * 0.75, glyph * 0.75);
    SuitGlyph(p, QString::fromUtf8(Suits[i]), at, glyph, SuitInk(i));
  }
}

void SuitCarousel(QPainter& p, double phase, int) {
  Plinth(p, QRectF(28, 178, 104, 16));
  SuitRing(p, QPointF(80, 92), 56, phase, 22);
  const double pulse = 1 + 0.06 * std::sin(2 * Pi * phase);
  p.save();
  p.translate(80, 92);
  p.scale(pulse * 0.5, pulse * 0.5);
  p.translate(-50, -50);
  Medallion(p, palette::Crimson, QuestionSymbol);
  p.restore();
  p.setPen(QPen(palette::Gold, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(80, 152), QPointF(80, 178));
}

void MenuLamp(QPainter& p, const QColor& colour) {
  QRadialGradient halo(QPointF(10, 10), 10);
  halo.setColorAt(0, WithAlpha(colour.lighter(150), 150));
  halo.setColorAt(1, WithAlpha(colour, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(halo);
  p.drawEllipse(QPointF(10, 10), 10, 10);
  QRadialGradient glass(QPointF(8, 7), 9);
  glass.setColorAt(0, Qt::white);
  glass.setColorAt(0.25, colour.lighter(150));
  glass.setColorAt(1, colour.darker(150));
  p.setPen(QPen(colour.darker(230), 0.8));
  p.setBrush(glass);
  QPainterPath bulb;
  bulb.moveTo(6.5, 19);
  bulb.cubicTo(1.5, 15, 2, 3, 10, 3);
  bulb.cubicTo(18, 3, 18.5, 15, 13.5, 19);
  bulb.closeSubpath();
  p.drawPath(bulb);
  QLinearGradient screw(6, 0, 14, 0);
  screw.setColorAt(0, palette::GraphiteLight);
  screw.setColorAt(0.4, palette::Steel);
  screw.setColorAt(1, palette::GraphiteDark);
  p.setPen(QPen(palette::GraphiteDark, 0.6));
  p.setBrush(screw);
  p.drawRoundedRect(QRectF(6, 19, 8, 8), 1.5, 1.5);
  p.setPen(QPen(palette::GraphiteDark, 0.7));
  p.drawLine(QPointF(6.5, 21.5), QPointF(13.5, 22.5));
  p.drawLine(QPointF(6.5, 24), QPointF(13.5, 25));
  p.setBrush(palette::GraphiteDark);
  p.drawEllipse(QRectF(8.5, 27, 3, 2));
}

void GoldCup(QPainter& p, const QPointF& centre, double size) {
  p.save();
  p.translate(centre);
  p.scale(size / 100, size / 100);
  p.translate(-50, -50);
  p.translate(3, 3);
  CupSymbol(p, WithAlpha(Qt::black, 90));
  p.translate(-3, -3);
  CupSymbol(p, palette::GoldDark);
  p.translate(2, 0);
  p.scale(0.96, 0.97);
  CupSymbol(p, palette::Gold);
  p.restore();
  p.save();
  p.translate(centre);
  p.scale(size / 100, size / 100);
  QPainterPath shine;
  shine.moveTo(-14, -30);
  shine.cubicTo(-14, -12, -10, -2, -4, 4);
  p.strokePath(shine, QPen(WithAlpha(palette::GoldLight, 220), 5, Qt::SolidLine, Qt::RoundCap));
  SuitGlyph(p, QString::fromUtf8("\u2605"), QPointF(2, -18), 22, palette::GoldLight);
  p.restore();
}

void Rays(QPainter& p, const QPointF& c, double radius, double turn, int alpha) {
  for (int i = 0; i < 12; ++i) {
    const double a = 2 * Pi * (i / 12.0 + turn);
    QPainterPath ray;
    ray.moveTo(c);
    ray.lineTo(c + QPointF(radius * std::cos(a - 0.1), radius * std::sin(a - 0.1)));
    ray.lineTo(c + QPointF(radius * std::cos(a + 0.1), radius * std::sin(a + 0.1)));
    ray.closeSubpath();
    QRadialGradient fade(c, radius);
    fade.setColorAt(0, WithAlpha(palette::GoldLight, alpha));
    fade.setColorAt(1, WithAlpha(palette::GoldLight, 0));
    p.fillPath(ray, fade);
  }
}

void EndBest(QPainter& p, double phase, int) {
  const double grow = EaseOut(phase * 2);
  Rays(p, QPointF(80, 76), 80, phase / 3, static_cast<int>(200 * EaseOut(phase * 1.6 - 0.3)));
  GoldCup(p, QPointF(80, 84 + 40 * (1 - grow)), 20 + 124 * grow);
  for (int i = 0; i < 5; ++i) {
    const double t = std::clamp(phase * 1.6 - 0.4 - i * 0.08, 0.0, 1.0);
    const double a = 2 * Pi * i / 5 - Pi / 2;
    Sparkle(p, QPointF(80 + 66 * std::cos(a), 80 + 62 * std::sin(a)),
            9 * std::sin(Pi * (0.5 + t / 2)) + 3 * t, static_cast<int>(255 * std::min(1.0, t * 3)));
  }
}

void EndGood(QPainter& p, double phase, int) {
  const double leaves = EaseOut(phase * 1.5);
  p.save();
  p.setOpacity(leaves);
  for (int i = 0; i < 7; ++i) {
    if (i > leaves * 7) break;
    for (const double side : {-1.0, 1.0}) {
      const double a = Pi / 2 + side * (0.35 + i * 0.33);
      const QPointF at(80 + 58 * std::cos(a), 84 + 56 * std::sin(a));
      p.save();
      p.translate(at);
      p.rotate(a * 180 / Pi + side * 60);
      QLinearGradient leaf(0, -4, 0, 4);
      leaf.setColorAt(0, palette::GoldLight);
      leaf.setColorAt(1, palette::GoldDark);
      p.setPen(QPen(palette::GoldDark.darker(160), 0.6));
      p.setBrush(leaf);
      p.drawEllipse(QPointF(0, 0), 11, 4.5);
      p.restore();
    }
  }
  p.restore();
  const double rise = EaseOut(phase * 1.25);
  p.save();
  p.translate(80, 84 + 50 * (1 - rise));
  p.rotate(180 * (1 - rise));
  p.scale(0.3 + 0.5 * rise, 0.3 + 0.5 * rise);
  p.translate(-50, -53);
  p.translate(3, 3);
  StarSymbol(p, WithAlpha(Qt::black, 80));
  p.translate(-3, -3);
  StarSymbol(p, palette::GoldDark);
  p.translate(6, 6.6);
  p.scale(0.88, 0.88);
  StarSymbol(p, palette::Gold);
  p.restore();
  Sparkle(p, QPointF(124, 40), 10 * rise, static_cast<int>(255 * rise));
}

void EndBads(QPainter& p, double phase, int) {
  for (int i = 0; i < 7; ++i) {
    const double t = std::fmod(phase + i * 0.37, 1.0);
    const QPointF at(44 + i * 12, 94 + 54 * t);
    QPainterPath drop;
    drop.moveTo(at + QPointF(0, -6));
    drop.cubicTo(at + QPointF(4, 0), at + QPointF(3, 4), at + QPointF(0, 4));
    drop.cubicTo(at + QPointF(-3, 4), at + QPointF(-4, 0), at + QPointF(0, -6));
    p.fillPath(drop, WithAlpha(QColor(120, 170, 255), static_cast<int>(230 * (1 - t * 0.6))));
  }
  QPainterPath cloud;
  for (const auto& [x, y, r] : {std::tuple{50.0, 76.0, 22.0},
                                {78.0, 62.0, 30.0},
                                {108.0, 72.0, 24.0},
                                {80.0, 84.0, 22.0}}) {
    cloud.addEllipse(QPointF(x, y), r, r);
  }
  cloud.setFillRule(Qt::WindingFill);
  cloud = cloud.simplified();
  const double sway = 3 * std::sin(2 * Pi * phase);
  cloud.translate(sway, 0);
  QLinearGradient grey(0, 30, 0, 106);
  grey.setColorAt(0, palette::Steel);
  grey.setColorAt(1, palette::GraphiteLight);
  p.setPen(QPen(palette::Graphite, 1.5));
  p.setBrush(grey);
  p.drawPath(cloud);
  p.setPen(QPen(palette::GraphiteDark, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(68 + sway, 76, 24, 14), 20 * 16, 140 * 16);
  p.setBrush(palette::GraphiteDark);
  p.drawEllipse(QPointF(70 + sway, 70), 2.4, 2.4);
  p.drawEllipse(QPointF(90 + sway, 70), 2.4, 2.4);
}

// The pictures that tell a game's kind stand on a small plinth under a 60 x 60 picture.
void ClubFrame(QPainter& p, const std::function<void(QPainter&)>& art) {
  Plinth(p, QRectF(8, 63, 44, 10));
  p.save();
  art(p);
  p.restore();
}

void Globe(QPainter& p, double phase) {
  QRadialGradient sea(QPointF(24, 22), 34);
  sea.setColorAt(0, palette::Royal.lighter(170));
  sea.setColorAt(1, palette::Navy);
  p.setPen(QPen(palette::Navy.darker(150), 1));
  p.setBrush(sea);
  p.drawEllipse(QPointF(30, 32), 26, 26);
  p.save();
  QPainterPath clip;
  clip.addEllipse(QPointF(30, 32), 26, 26);
  p.setClipPath(clip);
  p.setPen(QPen(WithAlpha(palette::Cream, 170), 1.2));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 4; ++i) {
    const double a = Pi * (phase + i / 4.0);
    const double rx = 26 * std::abs(std::cos(a));
    p.drawEllipse(QPointF(30, 32), rx, 26);
  }
  for (const double y : {19.0, 32.0, 45.0}) p.drawLine(QPointF(4, y), QPointF(56, y));
  p.restore();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 70));
  p.drawEllipse(QRectF(14, 11, 24, 14));
}

void RatedStar(QPainter& p, double phase) {
  const double pulse = 1 + 0.08 * std::sin(2 * Pi * phase);
  p.translate(30, 32);
  p.scale(0.58 * pulse, 0.58 * pulse);
  p.translate(-50, -53);
  StarSymbol(p, palette::GoldDark);
  p.translate(6, 6.6);
  p.scale(0.88, 0.88);
  StarSymbol(p, palette::Gold);
  p.resetTransform();
  Sparkle(p, QPointF(50, 12), 7 * std::abs(std::sin(2 * Pi * phase)), 230);
}

void ComputerScreen(QPainter& p, double phase, int frame, const QRectF& r) {
  p.save();
  p.translate(r.topLeft());
  p.scale(r.width() / 100, r.height() / 100);
  QLinearGradient glass(0, 21, 0, 65);
  glass.setColorAt(0, palette::FeltLight);
  glass.setColorAt(1, palette::FeltDark);
  p.fillRect(QRectF(15, 21, 70, 44), glass);
  MonitorSymbol(p, palette::Graphite);
  p.restore();
  (void)phase;
  const int suit = (frame / 3) % 4;
  SuitGlyph(p, QString::fromUtf8(Suits[suit]), r.center() - QPointF(0, r.height() * 0.07),
            r.width() * 0.26, suit % 2 ? palette::Crimson.lighter(140) : palette::Cream);
}

void Crest(QPainter& p, int frame) {
  QPainterPath shield;
  shield.moveTo(8, 6);
  shield.lineTo(52, 6);
  shield.lineTo(52, 30);
  shield.cubicTo(52, 46, 40, 54, 30, 60);
  shield.cubicTo(20, 54, 8, 46, 8, 30);
  shield.closeSubpath();
  QLinearGradient fill(0, 6, 0, 60);
  fill.setColorAt(0, palette::Crimson.lighter(130));
  fill.setColorAt(1, palette::Burgundy);
  p.setPen(QPen(palette::Gold, 2.5));
  p.setBrush(fill);
  p.drawPath(shield);
  const int suit = (frame / 3) % 4;
  const double turn = std::abs(std::cos(Pi * (frame % 3) / 3.0 / 2));
  p.translate(30, 30);
  p.scale(std::max(turn, 0.3), 1);
  SuitGlyph(p, QString::fromUtf8(Suits[suit]), QPointF(0, 0), 26, palette::GoldLight);
}

void Linked(QPainter& p, double phase) {
  ComputerScreen(p, phase, 0, QRectF(0, 14, 26, 26));
  ComputerScreen(p, phase, 6, QRectF(34, 14, 26, 26));
  const double t = 0.5 - 0.5 * std::cos(2 * Pi * phase);
  p.setPen(QPen(palette::Gold, 1.2, Qt::DashLine));
  p.drawLine(QPointF(13, 46), QPointF(47, 46));
  p.save();
  p.translate(13 + 34 * t, 46 - 14 * std::sin(Pi * t));
  p.rotate(360 * t);
  Card(p, 10, 14, false, 0);
  p.restore();
}

void TourCup(QPainter& p, double phase) {
  GoldCup(p, QPointF(30, 32), 56);
  const double x = -10 + 80 * phase;
  QLinearGradient sweep(x - 8, 0, x + 8, 0);
  sweep.setColorAt(0, QColor(255, 255, 255, 0));
  sweep.setColorAt(0.5, QColor(255, 255, 255, 150));
  sweep.setColorAt(1, QColor(255, 255, 255, 0));
  p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
  p.fillRect(QRectF(0, 0, 60, 60), sweep);
}

void Padlock(QPainter& p, double phase) {
  p.save();
  p.translate(3, 3);
  p.scale(0.74, 0.74);
  p.translate(3, 3);
  PadlockSymbol(p, WithAlpha(Qt::black, 80));
  p.translate(-3, -3);
  PadlockSymbol(p, palette::GoldDark);
  p.translate(2, 2);
  p.scale(0.96, 0.96);
  PadlockSymbol(p, palette::Gold);
  p.restore();
  const double x = -20 + 120 * phase;
  QLinearGradient sweep(x - 10, 0, x + 10, 0);
  sweep.setColorAt(0, QColor(255, 255, 255, 0));
  sweep.setColorAt(0.5, QColor(255, 255, 255, 170));
  sweep.setColorAt(1, QColor(255, 255, 255, 0));
  p.save();
  p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
  p.fillRect(QRectF(0, 0, 80, 80), sweep);
  p.restore();
  const double glow = 0.5 + 0.5 * std::sin(2 * Pi * phase);
  QRadialGradient hole(QPointF(40, 53), 9);
  hole.setColorAt(0, WithAlpha(palette::Amber.lighter(150), static_cast<int>(230 * glow)));
  hole.setColorAt(1, WithAlpha(palette::Amber, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(hole);
  p.drawEllipse(QPointF(40, 53), 9, 9);
}

struct ClubFilm {
  const char* name;
  std::function<void(QPainter&, double, int)> art;
};

}  // namespace

void AddAnimations(ArtSet& set) {
  set.SetGroup("Menu lamps (20 x 30, picked by the lamp pattern)");
  const std::array<QColor, 6> lampColours{QColor(236, 32, 24),  QColor(250, 140, 20),
                                          QColor(250, 214, 30), QColor(40, 200, 60),
                                          QColor(40, 120, 255), QColor(170, 70, 230)};
  for (int i = 0; i < 6; ++i) {
    set.Add(QString("GMenuLamp%1").arg(i),
            DrawScaled(20, 30, 1.0, [&](QPainter& p) { MenuLamp(p, lampColours[i]); }));
  }
  set.SetGroup("Animated menu pictures (160 x 200, 16 frames)");
  AddFilm(set, "GifMenu1", 160, 200, 16, true, TurningCard);
  AddFilm(set, "GifMenu2", 160, 200, 16, true, SuitCarousel);
  set.SetGroup("End of game (160 x 160): best 26 frames, good 25, bad 12 looping");
  AddFilm(set, "GEndBest", 160, 160, 26, false, EndBest);
  AddFilm(set, "GEndGood", 160, 160, 25, false, EndGood);
  AddFilm(set, "GEndBads", 160, 160, 12, true, EndBads);
  set.SetGroup("Game kind (60 x 75, 12 frames)");
  const std::array<ClubFilm, 6> clubs{{
      {"GClubA", [](QPainter& p, double phase, int) { Globe(p, phase); }},
      {"GClubB", [](QPainter& p, double phase, int) { RatedStar(p, phase); }},
      {"GClubC", [](QPainter& p, double phase,
                    int frame) { ComputerScreen(p, phase, frame, QRectF(0, 2, 60, 60)); }},
      {"GClubE", [](QPainter& p, double phase, int) { TourCup(p, phase); }},
      {"GClubF", [](QPainter& p, double, int frame) { Crest(p, frame); }},
      {"GClubG", [](QPainter& p, double phase, int) { Linked(p, phase); }},
  }};
  for (const auto& club : clubs) {
    AddFilm(set, club.name, 60, 75, 12, true, [&](QPainter& p, double phase, int frame) {
      ClubFrame(p, [&](QPainter& q) { club.art(q, phase, frame); });
    });
  }
  set.SetGroup("Start dialog (80 x 80) and wait window (48 x 48), 12 frames");
  AddFilm(set, "GPw", 80, 80, 12, true, [](QPainter& p, double phase, int) { Padlock(p, phase); });
  AddFilm(set, "GWait", 48, 48, 12, true,
          [](QPainter& p, double phase, int) { SuitRing(p, QPointF(24, 24), 17, phase, 9); });
}

}  // namespace fibwick::artgen
