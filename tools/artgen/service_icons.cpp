// Icons of the online services, the still icons of the dialogs, the small pictures of the
// popup menu, the news and chat sirens, the radio and music-player pictures.
#include <QLinearGradient>
#include <QRadialGradient>
#include <array>

#include "paint_kit.h"
#include "painters.h"
#include "palette.h"
#include "symbols.h"

namespace fibwick::artgen {

namespace {

struct Icon {
  const char* name;
  QColor body;
  Symbol symbol;
};

QImage MedallionIcon(int size, const QColor& body, Symbol symbol) {
  return DrawScaled(size, size, size / 100.0, [&](QPainter& p) { Medallion(p, body, symbol); });
}

// Small pictures stand alone on any menu colour: the ink with a dark halo.
QImage SmallIcon(const QColor& ink, Symbol symbol) {
  return DrawScaled(16, 16, 0.16, [&](QPainter& p) {
    p.save();
    p.translate(50, 50);
    p.scale(0.92, 0.92);
    p.translate(-50, -50);
    for (const auto& [dx, dy] : {std::pair{-6.0, 0.0}, {6.0, 0.0}, {0.0, -6.0}, {0.0, 6.0}}) {
      p.translate(dx, dy);
      symbol(p, WithAlpha(palette::GraphiteDark, 150));
      p.translate(-dx, -dy);
    }
    symbol(p, ink);
    p.restore();
  });
}

void Siren(QPainter& p, const QColor& colour, bool lit) {
  if (lit) {
    QRadialGradient halo(QPointF(15, 13), 15);
    halo.setColorAt(0, WithAlpha(colour.lighter(160), 200));
    halo.setColorAt(1, WithAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(15, 13), 15, 15);
  }
  QPainterPath dome;
  dome.moveTo(7, 23);
  dome.lineTo(7, 14);
  dome.cubicTo(7, 4, 23, 4, 23, 14);
  dome.lineTo(23, 23);
  dome.closeSubpath();
  QLinearGradient glass(7, 0, 23, 0);
  const QColor body = lit ? colour.lighter(112) : colour.darker(190);
  glass.setColorAt(0, body.darker(130));
  glass.setColorAt(0.35, body.lighter(lit ? 135 : 160));
  glass.setColorAt(1, body.darker(160));
  p.setPen(QPen(colour.darker(260), 0.8));
  p.setBrush(glass);
  p.drawPath(dome);
  GlossPlate(p, QRectF(4, 22, 22, 6.5), 2, palette::Graphite, palette::GraphiteDark, 0.8);
}

// Round glossy buttons of the music player, gold pictogram on graphite.
void PlayerButton(QPainter& p, Symbol symbol) {
  QRadialGradient body(QPointF(24, 18), 40);
  body.setColorAt(0, palette::GraphiteLight);
  body.setColorAt(0.6, palette::Graphite);
  body.setColorAt(1, palette::GraphiteDark);
  p.setPen(QPen(palette::Gold, 2.2));
  p.setBrush(body);
  p.drawEllipse(QPointF(30, 30), 27.5, 27.5);
  p.save();
  p.translate(15, 15);
  p.scale(0.3, 0.3);
  symbol(p, palette::GoldLight);
  p.restore();
  QLinearGradient shine(0, 5, 0, 30);
  shine.setColorAt(0, QColor(255, 255, 255, 110));
  shine.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shine);
  p.drawEllipse(QRectF(13, 5, 34, 22));
}

// The plate the radio and the news pictures sit on in big windows.
void ServicePanel(QPainter& p) {
  const QRectF r(0.5, 0.5, 219, 124);
  GlossPlate(p, r, 12, palette::Graphite, palette::GoldDark, 2.5);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(WithAlpha(palette::Gold, 180), 1.0));
  p.drawPath(RoundedRect(r.adjusted(6, 6, -6, -6), 8));
}

const std::array<Icon, 9> ServiceIcons{{
    {"AdvGiftR", palette::Crimson, GiftSymbol},
    {"AdvGiftG", palette::Emerald, GiftSymbol},
    {"Android", palette::Emerald, PhoneSymbol},
    {"GHelp48", palette::Royal, QuestionSymbol},
    {"GTour48", palette::Amber, CupSymbol},
    {"GooglePlay", palette::Violet, BagSymbol},
    {"Earth48", palette::Royal, GlobeSymbol},
    {"Stats", palette::Violet, BarsSymbol},
    {"Windows", palette::Navy, MonitorSymbol},
}};

const std::array<Icon, 13> DialogIcons{{
    {"GStill48Speed", palette::Burgundy, GaugeSymbol},
    {"GStill48Opt", palette::Burgundy, GearSymbol},
    {"GStill48History", palette::Burgundy, BookSymbol},
    {"GStill48WT", palette::Burgundy, CupSymbol},
    {"GStill48Pass", palette::Burgundy, CardIdSymbol},
    {"GStill48Acc", palette::Burgundy, PersonSymbol},
    {"GStill48Count", palette::Burgundy, TallySymbol},
    {"GStill48Tour", palette::Burgundy, StarSymbol},
    {"GStill48Chat", palette::Burgundy, BubbleSymbol},
    {"GStill48Stat", palette::Burgundy, BarsSymbol},
    {"GStill48Pw", palette::Burgundy, PadlockSymbol},
    {"GStill48About", palette::Burgundy, InfoSymbol},
    {"GNotice48", palette::Amber, ExclamationSymbol},
}};

const std::array<Icon, 8> PopupIcons{{
    {"GPopCount", palette::GoldLight, TallySymbol},
    {"GPopMenu", palette::Cream, DoorSymbol},
    {"GPopName", palette::Amber, PencilSymbol},
    {"GPopSpeed", palette::Steel, GaugeSymbol},
    {"GPopHelp", QColor(120, 170, 255), QuestionSymbol},
    {"GPopAbout", QColor(120, 170, 255), InfoSymbol},
    {"GPopRadio", palette::Steel, RadioSymbol},
    {"GPopChat", palette::Cream, BubbleSymbol},
}};

const std::array<Icon, 3> NewsIcons{{
    {"GNews48", palette::Royal, NewsSymbol},
    {"GChat48", palette::Crimson, BubbleSymbol},
    {"GRadio48", palette::Graphite, RadioSymbol},
}};

}  // namespace

void AddServiceIcons(ArtSet& set) {
  set.SetGroup("Online services (48 x 48)");
  for (const auto& icon : ServiceIcons)
    set.Add(icon.name, MedallionIcon(48, icon.body, icon.symbol));
  set.SetGroup("Still dialog icons and the notice (48 x 48)");
  for (const auto& icon : DialogIcons)
    set.Add(icon.name, MedallionIcon(48, icon.body, icon.symbol));
  set.SetGroup("Popup menu (16 x 16)");
  for (const auto& icon : PopupIcons) set.Add(icon.name, SmallIcon(icon.body, icon.symbol));
  set.SetGroup("News, chat and radio");
  for (const auto& icon : NewsIcons) set.Add(icon.name, MedallionIcon(48, icon.body, icon.symbol));
  set.Add("GPanel220", DrawScaled(220, 125, 1.0, ServicePanel));
  const std::array<std::pair<const char*, QColor>, 2> sirens{
      {{"GSirenB", QColor(40, 110, 255)}, {"GSirenR", QColor(236, 32, 24)}}};
  for (const auto& [name, colour] : sirens) {
    for (const bool lit : {false, true}) {
      set.Add(FrameName(name, lit ? 1 : 0),
              DrawScaled(30, 30, 1.0, [&](QPainter& p) { Siren(p, colour, lit); }));
    }
  }
  set.SetGroup("Music player (60 x 60)");
  const std::array<std::pair<const char*, Symbol>, 4> playerButtons{{{"MP_Play", PlaySymbol},
                                                                     {"MP_Pause", PauseSymbol},
                                                                     {"MP_Next", NextSymbol},
                                                                     {"MP_Volume", SpeakerSymbol}}};
  for (const auto& [name, symbol] : playerButtons) {
    set.Add(name, DrawScaled(60, 60, 1.0, [&](QPainter& p) { PlayerButton(p, symbol); }));
  }
}

}  // namespace fibwick::artgen
