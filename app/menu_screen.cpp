#include "app/menu_screen.h"

#include <QCursor>
#include <QFontMetrics>
#include <QPainter>
#include <QRegion>
#include <QTime>
#include <QTimer>
#include <QToolTip>
#include <QWidget>
#include <algorithm>

#include "app/club_session.h"
#include "app/indicator_reading.h"
#include "base/cp1251.h"
#include "records/club_file.h"
#include "records/club_list.h"
#include "ui/balloon_hint.h"
#include "ui/builtin_pictures.h"
#include "ui/caption_tint.h"
#include "ui/hud.h"
#include "ui/skin_button.h"
#include "ui/text_helpers.h"

namespace fibwick {
namespace {

constexpr int CalendarTurnMs = 10'000;
// The animated pictures turn a frame every other tick: each frame repaints two large pictures.
constexpr int TicksPerFrame = 2;
// The calendar timer's first ticks of a day redraw the menu for the new date.
constexpr int NewDaySeconds = 30;

// Where a picture is not wholly transparent.
QRect CoveredRect(const QImage& picture) {
  const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
  int left = argb.width(), top = argb.height(), right = -1, bottom = -1;
  for (int y = 0; y < argb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x) {
      if (qAlpha(row[x]) == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

void Skin(SkinButton* button, TColorSB colour, QColor font, const QString& text,
          const QFont& face) {
  button->SetColorSB(colour);
  button->SetFontColour(font);
  button->SetColorMouse(QColor(255, 255, 0));
  button->SetLightFont(true);
  button->setFont(face);
  button->setText(text);
}

}  // namespace

MenuScreen::MenuScreen(QWidget& window, ScreenKit kit, const ClubSession& session,
                       const PackShelf& packs, MenuActions actions, QDate fixedToday)
    : window_(window),
      kit_(kit),
      session_(session),
      packs_(packs),
      fixedToday_(fixedToday),
      actions_(std::move(actions)),
      calendarTimer_(new QTimer(&window)) {
  calendarTimer_->setInterval(CalendarTurnMs);
  QObject::connect(calendarTimer_, &QTimer::timeout, &window_, [this] { CalendarTimer(); });
  for (int line = 1; line <= 5; ++line) {
    const std::string name = "Button" + std::to_string(line);
    SkinButton* button = Button(name.c_str());
    clubLines_[static_cast<std::size_t>(line - 1)] = button;
    QObject::connect(button, &QAbstractButton::clicked, &window_,
                     [this, line] { actions_.clubLine(line); });
  }
  newPlayer_ = Button("Button6");
  topTen_ = Button("Button9");
  options_ = Button("Button10");
  exit_ = Button("Button11");
  history_ = Button("BHistory");
  mode_ = Button("BMode");
  listHeader_ = Button("Panel4");
  listHeader_->setEnabled(false);
  listHeader_->SetGrayDis(false);
  const std::pair<SkinButton*, std::function<void()>*> clicks[] = {
      {newPlayer_, &actions_.newPlayer}, {topTen_, &actions_.topTen},
      {options_, &actions_.options},     {exit_, &actions_.exit},
      {history_, &actions_.history},     {mode_, &actions_.mode}};
  for (const auto& [button, action] : clicks) {
    QObject::connect(button, &QAbstractButton::clicked, &window_, [action] { (*action)(); });
  }
  topTen_->OnMouseEnter = [this](SkinButton& button) { ShowTopTenBalloon(button); };
  controls_ = {&title_,      &caption_, &elite_,  &lampBoardLeft_, &lampBoardRight_, &animation1_,
               &animation2_, &clock1_,  &clock2_, &calendarLeft_,  &calendarRight_};
}

SkinButton* MenuScreen::Button(const char* name) {
  return MakeWindowButton(window_, name);
}

void MenuScreen::Layout() {
  const fibwick::Layout& l = kit_.layout;
  const QImage& background = kit_.background;
  const Settings& settings = kit_.settings;
  BuildCalendar();
  const MenuGeometry g = LayoutMenuGeometry(l, calendar_.has_value());
  const bool purple = settings.MenuDesign == 1;
  const QFont bigFont =
      RoleFont(kit_.fonts, FontRole::Decor, MainButtonFontHeight(l, kit_.fonts), true);
  const QColor menuFont = purple ? QColor(200, 175, 50) : QColor(255, 255, 255);

  title_.rect = g.title;
  ComposeOverBackground(title_, background, LoadBuiltinPicture("GTitle"));
  caption_.rect = g.caption;
  elite_.rect = g.elite;
  const QString code = QString::fromUtf8(LanguageSuffix(CurrentLanguage()));
  ComposeOverBackground(caption_, background,
                        TintPicture(LoadBuiltinPicture("Cap" + code), settings.CaptionTint));
  const QString elite = settings.NetworkGame ? "Net__" : "Elite";
  ComposeOverBackground(elite_, background,
                        TintPicture(LoadBuiltinPicture(elite + code), settings.CaptionTint));

  for (std::size_t k = 0; k < clubLines_.size(); ++k) PlaceButton(clubLines_[k], g.clubLines[k]);
  PlaceButton(listHeader_, g.listHeader);
  PlaceButton(newPlayer_, g.newPlayer);
  PlaceButton(topTen_, g.topTen);
  PlaceButton(history_, g.history);
  PlaceButton(options_, g.options);
  PlaceButton(mode_, g.mode);
  PlaceButton(exit_, g.exit);

  Skin(newPlayer_, purple ? TColorSB::DCards : TColorSB::DNavy,
       purple ? menuFont : QColor(0, 255, 255), Catalogue(MsgNewPlayer), bigFont);
  const std::pair<SkinButton*, Message> menuButtons[] = {{topTen_, MsgTopTen},
                                                         {history_, MsgHistory},
                                                         {options_, MsgOptions},
                                                         {mode_, MsgMode},
                                                         {exit_, MsgExit}};
  for (const auto& [button, message] : menuButtons) {
    Skin(button, purple ? TColorSB::DCards : TColorSB::DRed, menuFont, Catalogue(message), bigFont);
  }

  lampBoardLeft_.rect = g.lampBoardLeft;
  lampBoardRight_.rect = g.lampBoardRight;
  // The boards have no picture of their own: the lamps stand on the background.
  FillWithBackground(lampBoardLeft_, background);
  FillWithBackground(lampBoardRight_, background);
  DrawLampFrames(g);

  // The two animated pictures: frame 0 is the still one.
  animation1_.rect = g.animationLeft;
  animation2_.rect = g.animationRight;
  for (std::size_t a = 0; a < animationFrames_.size(); ++a) {
    auto& frames = animationFrames_[a];
    PictureControl& animation = a == 0 ? animation1_ : animation2_;
    frames.clear();
    for (int f = 0;; ++f) {
      const QImage picture =
          LoadBuiltinPicture(QString("GifMenu%1_%2").arg(a + 1).arg(f, 2, 10, QChar('0')));
      if (picture.isNull()) break;
      ComposeOverBackground(animation, background, picture);
      // Kept composed, but only where the picture covers the background: two thirds of the
      // memory of whole frames, and a frame is still two copies.
      const QRect covered = picture.size() == animation.buffer.size() ? CoveredRect(picture)
                                                                      : animation.buffer.rect();
      frames.push_back({covered.topLeft(), animation.buffer.copy(covered)});
    }
    ShowAnimationFrame(a, 0);
  }

  // The icons of the online services, at their own size in two columns.
  struct IconKind {
    const char* picture;
    Message hint;
  };
  static constexpr IconKind IconKinds[] = {{"AdvGiftR", MsgCouldNotConnectToServer},
                                           {"Android", MsgCouldNotConnectToServer},
                                           {"GHelp48", MsgHelp},
                                           {"GTour48", MsgOnlineTournament},
                                           {"AdvGiftG", MsgCouldNotConnectToServer},
                                           {"Earth48", MsgCouldNotConnectToServer},
                                           {"Stats", MsgStatistics},
                                           {"Account48", MsgYouAreNotLoggedIn}};
  icons_.clear();
  for (std::size_t i = 0; i < std::size(IconKinds); ++i) {
    ServiceIcon icon;
    icon.control.rect = g.serviceIcons[i];
    icon.picture = IconKinds[i].picture;
    icon.hint = IconKinds[i].hint;
    ComposeOverBackground(icon.control, background, LoadBuiltinPicture(icon.picture));
    icons_.push_back(std::move(icon));
  }
  const HudKit kit{l, background, kit_.fonts};
  ShowAccountState(kit, icons_.back().control, 1);

  calendarLeft_.rect = g.calendarLeft;
  calendarRight_.rect = g.calendarRight;
  if (calendar_) {
    ComposeOverBackground(calendarLeft_, background, calendar_->page);
    ShowCalendarPicture(0);
  }
  calendarLeft_.visible = calendarRight_.visible = visible_ && calendar_;

  if (MenuClocksVisible(l)) {
    clock1_.rect = g.clockLeft;
    clock2_.rect = g.clockRight;
    DrawLocalClock(kit, clock1_, QTime::currentTime());
    clockFace_ = -1;
    ShowIndicator(IndicatorStyleForMinute(QTime::currentTime().minute(), false));
  }
  DrawClubList();
}

// Each board's three lamps are one rectangle, drawn once per pattern over the background: a
// step of the lamps is a copy of one picture per board, with nothing composed.
void MenuScreen::DrawLampFrames(const MenuGeometry& g) {
  // The lamp pictures of the six lamps, left board first, for each pattern.
  static constexpr int Patterns[LampPatterns][6] = {{0, 1, 2, 2, 0, 3}, {1, 2, 3, 1, 5, 0},
                                                    {2, 3, 4, 0, 1, 4}, {3, 4, 5, 5, 4, 1},
                                                    {4, 5, 0, 4, 2, 5}, {5, 0, 1, 3, 3, 2}};
  std::array<QImage, 6> lamps;
  for (std::size_t i = 0; i < lamps.size(); ++i) {
    lamps[i] = LoadBuiltinPicture(QString("GMenuLamp%1").arg(i));
  }
  for (std::size_t board = 0; board < lampAreas_.size(); ++board) {
    const auto lamp = [&](std::size_t k) { return AsQRect(g.lamps[board * 3 + k]); };
    lampAreas_[board] = lamp(0) | lamp(1) | lamp(2);
    for (std::size_t pattern = 0; pattern < LampPatterns; ++pattern) {
      const QRect& area = lampAreas_[board];
      PictureControl frame;
      frame.rect = {area.left(), area.top(), area.width(), area.height()};
      FillWithBackground(frame, kit_.background);
      QPainter painter(&frame.buffer);
      for (std::size_t k = 0; k < 3; ++k) {
        const QImage& picture = lamps[static_cast<std::size_t>(Patterns[pattern][board * 3 + k])];
        painter.drawImage(lamp(k).translated(-area.topLeft()), picture);
      }
      lampFrames_[board][pattern] = std::move(frame.buffer);
    }
  }
}

void MenuScreen::DrawClubList() {
  const Settings& settings = kit_.settings;
  const bool purple = settings.MenuDesign == 1;
  const QFont listFont = ClubListFont(kit_.layout, kit_.fonts);
  // Names are shortened by their width in the small window's font at every size, so a larger
  // window never shows less of a name than the small one.
  const QFontMetrics metrics(ClubListMeasureFont(kit_.fonts));
  const auto width = [&](std::string_view text) {
    return metrics.horizontalAdvance(QString::fromStdString(Cp1251ToUtf8(text)));
  };
  const auto list =
      ReadClubList(session_.ClubFile(settings.NetworkGame), settings.ClubListMode, width);
  const auto lines = ReadClubFile(session_.ClubFile(settings.NetworkGame));
  for (std::size_t k = 0; k < clubLines_.size(); ++k) {
    const std::string text = list ? list->buttons[k] : std::string();
    Skin(clubLines_[k], purple ? TColorSB::DCards : TColorSB::DNavy,
         purple ? QColor(200, 175, 50) : QColor(0, 255, 255),
         QString::fromStdString(Cp1251ToUtf8(text)), listFont);
    // A free line cannot be chosen, so it does not light up under the pointer.
    clubLines_[k]->SetLightFont(lines && k < lines->size() && !IsFreeMemberLine((*lines)[k]));
  }
  Skin(listHeader_, purple ? TColorSB::DCards : TColorSB::DBlue,
       purple ? QColor(128, 50, 50)
              : (settings.NewButtons ? QColor(0, 0, 255) : QColor(200, 255, 255)),
       Catalogue(ClubListHeader(settings.ClubListMode)), listFont);
  listHeader_->SetKLightSB(purple ? 50 : 0);
}

void MenuScreen::SetVisible(bool visible) {
  visible_ = visible;
  for (PictureControl* c : controls_) c->visible = visible;
  clock1_.visible = clock2_.visible = visible && MenuClocksVisible(kit_.layout);
  calendarLeft_.visible = calendarRight_.visible = visible && calendar_;
  for (SkinButton* b : clubLines_) b->setVisible(visible);
  for (SkinButton* b : {newPlayer_, topTen_, options_, exit_, history_, mode_, listHeader_})
    b->setVisible(visible);
}

void MenuScreen::Update(const PictureControl& control) {
  window_.update(AsQRect(control.rect));
}

// Only what moves is drawn again; the rest of the menu stays as composed.
void MenuScreen::Tick() {
  ++ticks_;
  lampPattern_ = ticks_ % static_cast<int>(LampPatterns);
  for (const QRect& area : lampAreas_) window_.update(area);
  if (kit_.settings.GifAnimation && ticks_ % TicksPerFrame == 0) {
    for (std::size_t a = 0; a < animationFrames_.size(); ++a) {
      ShowAnimationFrame(a, static_cast<std::size_t>(ticks_ / TicksPerFrame));
    }
  }
  if (!clock1_.visible) return;
  const QTime now = QTime::currentTime();
  // The clock's face changes twice a second, with the colon: drawn only then.
  const int face = (now.hour() * 60 + now.minute()) * 2 + (now.msec() > 500 ? 1 : 0);
  if (face != clockFace_) {
    clockFace_ = face;
    DrawLocalClock(HudKit{kit_.layout, kit_.background, kit_.fonts}, clock1_, now);
    Update(clock1_);
  }
  // The indicator turns to the next figure once a minute, at its first second.
  if (now.second() != 1) {
    indicatorTurned_ = false;
  } else if (!indicatorTurned_) {
    indicatorTurned_ = true;
    ShowIndicator(IndicatorStyleForMinute(now.minute(), false));
  }
}

void MenuScreen::ShowAnimationFrame(std::size_t animation, std::size_t index) {
  const auto& frames = animationFrames_[animation];
  if (frames.empty()) return;
  const AnimationFrame& frame = frames[index % frames.size()];
  PictureControl& control = animation == 0 ? animation1_ : animation2_;
  FillWithBackground(control, kit_.background);
  QPainter(&control.buffer).drawImage(frame.at, frame.piece);
  Update(control);
}

// Built whenever the menu is laid out: the language, the background or the day may have changed.
void MenuScreen::BuildCalendar() {
  const QDate date = fixedToday_.isValid() ? fixedToday_ : QDate::currentDate();
  const Calendar today =
      fibwick::BuildCalendar({date.day(), date.month(), date.year()}, CurrentLanguage());
  calendar_ = DrawCalendar(today, packs_, RoleFont(kit_.fonts, FontRole::Serif, 16, false));
  calendarPicture_ = 0;
  if (calendar_) {
    calendarTimer_->start();
  } else {
    calendarTimer_->stop();
  }
}

void MenuScreen::ShowCalendarPicture(std::size_t index) {
  if (!calendar_ || calendar_->pictures.empty()) return;
  calendarPicture_ = index % calendar_->pictures.size();
  ComposeOverBackground(calendarRight_, kit_.background, calendar_->pictures[calendarPicture_]);
  if (!calendarRight_.visible) return;
  Update(calendarRight_);
  // A hint open over the picture names the one now shown.
  const QPoint pointer = QCursor::pos();
  if (QToolTip::isVisible() &&
      AsQRect(calendarRight_.rect).contains(window_.mapFromGlobal(pointer))) {
    QToolTip::showText(pointer, calendar_->hints[calendarPicture_], &window_);
  }
}

void MenuScreen::CalendarTimer() {
  if (!visible_) return;
  if (QTime(0, 0).secsTo(QTime::currentTime()) <= NewDaySeconds && !fixedToday_.isValid()) {
    Layout();
    window_.update();
    return;
  }
  ShowCalendarPicture(calendarPicture_ + 1);
}

void MenuScreen::ShowIndicator(int style) {
  if (style != indicatorStyle_) {
    indicatorStyle_ = style;
    indicatorAnswered_ = false;
  }
  DrawIndicatorClock();
  if (clock2_.visible) Update(clock2_);
  const unsigned ticket = ++indicatorTicket_;
  if (!ReadsStatistics(style)) return IndicatorRead(ticket, std::nullopt);
  actions_.readStatistics([this, ticket, style](const std::optional<TNuvStat>& totals) {
    IndicatorRead(ticket, totals ? std::optional(StatisticsReading(style, *totals)) : std::nullopt);
  });
}

void MenuScreen::IndicatorRead(unsigned ticket, const std::optional<IndicatorReading>& reading) {
  // An answer for a style the indicator has turned from is stale.
  if (ticket != indicatorTicket_) return;
  indicatorAnswered_ = true;
  indicatorReading_ = reading;
  if (!MenuClocksVisible(kit_.layout)) return;
  DrawIndicatorClock();
  if (clock2_.visible) Update(clock2_);
}

// Until the service has answered for this style the face shows no figure.
void MenuScreen::DrawIndicatorClock() {
  const IndicatorReading reading =
      indicatorAnswered_ ? indicatorReading_.value_or(UnconnectedReading()) : IndicatorReading{};
  DrawIndicator(HudKit{kit_.layout, kit_.background, kit_.fonts}, clock2_, indicatorStyle_,
                reading);
  const bool connected = !indicatorAnswered_ || indicatorReading_.has_value();
  indicatorHint_ = IndicatorHint(indicatorStyle_, QString(), connected, !indicatorAnswered_);
}

void MenuScreen::ShowTopTenBalloon(SkinButton& button) {
  if (!visible_) return;
  BalloonHint::ShowText(Catalogue(MsgGamesInCycle) + ":", QString::number(GamesPerCycle), &button,
                        QPoint(button.width() / 2, 0), BalloonIcon::Information, BalloonStyle{},
                        5000);
}

void MenuScreen::PaintExtras(QPainter& painter, const QRect& damaged,
                             const std::function<void(const PictureControl&)>& drawControl) const {
  for (const ServiceIcon& icon : icons_) drawControl(icon.control);
  for (std::size_t board = 0; board < lampAreas_.size(); ++board) {
    if (!lampAreas_[board].intersects(damaged)) continue;
    painter.drawImage(lampAreas_[board].topLeft(),
                      lampFrames_[board][static_cast<std::size_t>(lampPattern_)]);
  }
}

void MenuScreen::Click(const QPoint& p) {
  if (AsQRect(caption_.rect).contains(p)) actions_.caption();
  for (const ServiceIcon& icon : icons_) {
    if (AsQRect(icon.control.rect).contains(p)) return actions_.serviceIcon(icon);
  }
}

MenuHover MenuScreen::HoverAt(const QPoint& p) const {
  MenuHover hover;
  for (const ServiceIcon& icon : icons_) {
    if (!AsQRect(icon.control.rect).contains(p)) continue;
    hover.hand = true;
    hover.hints.push_back(Catalogue(icon.hint));
  }
  if (clock2_.visible && AsQRect(clock2_.rect).contains(p)) hover.hints.push_back(indicatorHint_);
  if (calendar_ && calendarLeft_.visible) {
    if (AsQRect(calendarLeft_.rect).contains(p)) hover.hints.push_back(calendar_->pageHint);
    if (AsQRect(calendarRight_.rect).contains(p) && calendarPicture_ < calendar_->hints.size()) {
      hover.hints.push_back(calendar_->hints[calendarPicture_]);
    }
  }
  return hover;
}

}  // namespace fibwick
