#pragma once

#include <QDate>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "app/screen_kit.h"
#include "online/statistics.h"
#include "records/catalogue.h"
#include "ui/calendar_pictures.h"
#include "ui/hud.h"

class QPainter;
class QRegion;
class QTimer;
class QWidget;

namespace fibwick {

class ClubSession;
class PackShelf;
class SkinButton;

// An icon of the online services on the main menu.
struct ServiceIcon {
  PictureControl control;
  const char* picture = "";
  Message hint = MsgHelp;
};

// What the menu's buttons and pictures ask of the window.
struct MenuActions {
  std::function<void(int line)> clubLine;
  std::function<void()> newPlayer;
  std::function<void()> topTen;
  std::function<void()> history;
  std::function<void()> options;
  std::function<void()> mode;
  std::function<void()> exit;
  std::function<void()> caption;
  std::function<void(const ServiceIcon&)> serviceIcon;
  // Asks the service for its statistics totals; the answer comes later on the window's thread.
  std::function<void(std::function<void(const std::optional<TNuvStat>&)>)> readStatistics;
};

// What the pointer is over on the menu: a hint to show and whether it points at something.
struct MenuHover {
  bool hand = false;
  std::vector<QString> hints;
};

// The main menu: the club list and its buttons, the captions, the lamp boards, the animations,
// the service icons and the clocks, drawn into the window.
class MenuScreen {
 public:
  // The calendar shows fixedToday when it is a valid date, else the machine's date.
  MenuScreen(QWidget& window, ScreenKit kit, const ClubSession& session, const PackShelf& packs,
             MenuActions actions, QDate fixedToday = {});

  // Places and composes everything for the current layout and settings.
  void Layout();
  void DrawClubList();
  void SetVisible(bool visible);
  // The window's timer on the menu: ten ticks a second. Fifty, as the lamps once ran, cost the
  // idle menu three times the processor time for a shimmer the eye does not follow.
  static constexpr int TickMs = 100;
  // A step of the lamps and the clocks, and every other tick a frame of the animations.
  void Tick();

  // Opaque pictures the window draws from their buffers, then the extras over the background.
  const std::vector<PictureControl*>& Controls() const { return controls_; }
  void PaintExtras(QPainter& painter, const QRect& damaged,
                   const std::function<void(const PictureControl&)>& drawControl) const;
  void Click(const QPoint& p);
  MenuHover HoverAt(const QPoint& p) const;

  const PictureControl& Clock(int k) const { return k == 1 ? clock1_ : clock2_; }
  // The colour indicator turns to a style: the figure last read for it at once, the service's
  // answer when it comes. The window's thread never waits for the service.
  void ShowIndicator(int style);
  // The calendar's date page (k = 1) and its turning picture (k = 2).
  const PictureControl& CalendarImage(int k) const {
    return k == 1 ? calendarLeft_ : calendarRight_;
  }
  bool CalendarShown() const { return calendar_.has_value(); }
  // What the calendar timer does every ten seconds: the next picture, or a new day's calendar.
  void CalendarTimer();

 private:
  SkinButton* Button(const char* name);
  void DrawIndicatorClock();
  void IndicatorRead(unsigned ticket, const std::optional<IndicatorReading>& reading);
  void ShowTopTenBalloon(SkinButton& button);
  void Update(const PictureControl& control);
  void ShowAnimationFrame(std::size_t animation, std::size_t index);
  void DrawLampFrames(const MenuGeometry& g);
  void BuildCalendar();
  void ShowCalendarPicture(std::size_t index);

  QWidget& window_;
  ScreenKit kit_;
  const ClubSession& session_;
  const PackShelf& packs_;
  QDate fixedToday_;
  MenuActions actions_;
  bool visible_ = false;

  PictureControl title_, caption_, elite_, lampBoardLeft_, lampBoardRight_;
  PictureControl clock1_, clock2_, animation1_, animation2_, calendarLeft_, calendarRight_;
  std::vector<PictureControl*> controls_;
  std::vector<ServiceIcon> icons_;
  // A frame of an animated picture over the background, cut to where it covers it.
  struct AnimationFrame {
    QPoint at;
    QImage piece;
  };
  std::array<std::vector<AnimationFrame>, 2> animationFrames_;
  static constexpr std::size_t LampPatterns = 6;
  std::array<QRect, 2> lampAreas_;  // the three lamps of each board
  std::array<std::array<QImage, LampPatterns>, 2> lampFrames_;
  int lampPattern_ = 0;
  int ticks_ = 0;
  bool indicatorTurned_ = false;  // the indicator has turned in this minute
  int clockFace_ = -1;            // the time the local clock shows, in half seconds of the day
  int indicatorStyle_ = 0;
  unsigned indicatorTicket_ = 0;  // the read whose answer the indicator waits for
  bool indicatorAnswered_ = false;
  std::optional<IndicatorReading> indicatorReading_;  // nothing: the read failed
  QString indicatorHint_;
  std::optional<CalendarArt> calendar_;
  std::size_t calendarPicture_ = 0;  // the one ImCalR shows
  QTimer* calendarTimer_;

  // Skinned buttons, named as the window's controls.
  std::array<SkinButton*, 5> clubLines_{};
  SkinButton* newPlayer_;
  SkinButton* topTen_;
  SkinButton* options_;
  SkinButton* exit_;
  SkinButton* history_;
  SkinButton* mode_;
  SkinButton* listHeader_;
};

}  // namespace fibwick
