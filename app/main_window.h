#pragma once

#include <QAction>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <array>
#include <filesystem>
#include <vector>

#include "app/club_session.h"
#include "app/intro_screen.h"
#include "app/lan_controller.h"
#include "app/match_controller.h"
#include "app/menu_controller.h"
#include "app/menu_screen.h"
#include "app/online_controller.h"
#include "app/table_screen.h"
#include "app/window_host.h"
#include "game/turn.h"
#include "records/settings.h"
#include "records/settings_file.h"
#include "ui/animated_cursor.h"
#include "ui/card_art.h"
#include "ui/compose.h"
#include "ui/dialogs/dialog_context.h"
#include "ui/hud.h"
#include "ui/layout.h"
#include "ui/packs.h"
#include "ui/recording/window_recording.h"
#include "ui/salute.h"
#include "ui/sound/cue_player.h"
#include "ui/sound/tune_player.h"
#include "ui/text_helpers.h"

namespace fibwick {

// How long the table's waits last and how often the computer moves; tests shorten them.
struct Pacing {
  double pauseFactor = 1.0;  // 1: the challenge shows the turned pile for the full 2500 ms
  int computerTickMs = 200;
  int lanHandshakeMs = 10'000;  // how long a new LAN connection may take to introduce itself
  int lanChatQuietMs = 250;     // how long a LAN chat line may wait for the rest of itself
  // The computer plays the local seat and leaves each ended game for the menu: a side of a game
  // that runs unattended, for tests and demonstrations. A LAN server then starts the game as
  // soon as its client has said hello.
  bool standIn = false;
  QDate today{};  // the calendar's date when valid, for tests and pictures; else the machine's
  FlightClock flightClock{};  // empty: cards fly by the steady clock
};

// The one main window: intro, main menu and game table. It holds the screens, the settings and
// the timer, takes the window's own events and routes the rest to its controllers: the menu's
// buttons, the match at the table and the LAN game.
class MainWindow final : public QWidget, private SessionWindows, private WindowHost {
  Q_OBJECT

 public:
  explicit MainWindow(std::filesystem::path programFolder, Pacing pacing = {},
                      QWidget* parent = nullptr);
  ~MainWindow() override;

  Screen CurrentScreen() const override { return screen_; }
  const GameState& Game() const { return match_.Game(); }
  const Settings& CurrentSettings() const { return settings_; }
  const Layout& CurrentLayout() const { return layout_; }
  // Left edges of the drawn cards of a seat's hand, in the hand control.
  const std::vector<int>& HandPositions(int seat) const { return table_.View().Positions(seat); }
  PixelRect HandRect(int seat) const { return table_.HandRect(seat); }
  PixelRect ClaimPlateRect() const { return table_.ClaimPlateRect(); }
  PixelRect PileRect() const { return table_.PileRect(); }
  // Cards are in flight over the table.
  bool Flying() const { return table_.Flying(); }
  // Whether a seat's hand is drawn face up now.
  bool HandShowsFaces(int seat) const { return table_.View().Faces(seat); }
  // The window's timer runs: the intro and menu animations, or the computer's seat.
  bool TimerRunning() const { return timer1_.isActive(); }
  // Every event of the table has been shown and no input waits.
  bool TableQuiet() const { return match_.Idle(); }
  // The menu's local clock (1) and colour indicator (2).
  const PictureControl& MenuClock(int k) const { return menu_.Clock(k); }
  MenuScreen& Menu() { return menu_; }
  const CuePlayer& Sounds() const { return sounds_; }
  const OnlineSession& Online() const { return service_.Session(); }
  const TunePlayer& Tune() const { return tune_; }

  // The end of the intro, as a click or a key would end it.
  void EndIntro();
  // Starts a match for a club line (1..5) or a new player (6) whose start dialog was confirmed.
  void StartMatch(int slot, const std::string& playerName, const std::string& passwordDigits);
  // Changes the window size mode at once, as the options dialog does.
  void SetWindowSizeMode(int mode);

  // A LAN game as the start dialog sets it up, without the wait window: listens (server; port
  // 0 takes a free one) or connects (client). False when the port cannot be taken.
  bool BeginLan(LanRole role, int slot, const std::string& playerName,
                const std::string& passwordDigits, const std::string& address, quint16 port);
  // The server's player presses "Ok" once the client has said hello: the match starts. False
  // when there is no client to play with.
  bool ConfirmLan();
  quint16 LanPort() const { return lan_.Port(); }
  const MessageStrip& ChatLines() const { return table_.ChatLines(); }

 signals:
  void ScreenChanged(fibwick::Screen screen);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // SessionWindows
  void HideTable() override;
  void ShowEndOfGame(const SessionResult& result) override;
  // The tournament window arrives with the game service.
  void ShowTournamentWindow() override {}
  void ShowMainMenu() override;

  // WindowHost
  QWidget& Window() override { return *this; }
  DialogContext Dialogs() override;
  void ShowNotice(const std::string& text) override;
  bool Confirm(const std::string& question) override;
  void LayoutMainMenu() override;
  void ApplyWindowSize() override;
  void Recaption() override;
  void ApplyCursor() override;
  void UpdateMusic() override;
  void StartTimer(int intervalMs) override;
  void StopTimer() override;

  void StartUp();
  void Timer1Timer();
  void PlaceWindow();
  void TableShown();
  void ShowScreen(Screen screen);
  // The intro and the menu animate only while they can be seen.
  void PauseAnimationsWhileUnseen();

  void ServiceIconClick(const ServiceIcon& icon);
  void StatisticsClick();
  void SpeakCardsAt(const QPoint& p);
  void EnableTableMenu(bool enabled);

  QCursor Cursor(bool hand) const;
  void ShowCursor(bool hand);
  std::filesystem::path SettingsFile() const;

  std::filesystem::path programFolder_;
  Pacing pacing_;
  Settings settings_;
  PackShelf packs_;  // the optional artwork, voices and calendar
  bool likedThisRun_ = false;
  bool clubCheckFailed_ = false;
  bool startedUp_ = false;
  bool animationsPaused_ = false;
  CuePlayer sounds_{settings_, packs_};
  Salute salute_{packs_};
  TunePlayer tune_;
  Screen screen_ = Screen::Intro;
  Layout layout_;
  FontRoles fonts_;
  CardArt art_;
  ArtChoice artChoice_;
  QImage background_;
  IntroScreen intro_;

  QMenu popup_;
  QAction* actCount_ = nullptr;
  QAction* actExit_ = nullptr;
  QAction* actRename_ = nullptr;
  QAction* actSpeed_ = nullptr;

  QTimer timer1_;
  AnimatedCursor handFilm_{CursorFilm::PointingHand,
                           [this](const QCursor& cursor) { setCursor(cursor); }};
  bool handCursor_ = false;
  ClubSession session_;
  MenuScreen menu_;
  TableScreen table_;
  ServiceSession online_;
  OnlineController service_{settings_,
                            [this] { SaveSettings(SettingsFile(), settings_, clubCheckFailed_); }};
  WindowRecording recording_;
  MatchController match_;
  LanController lan_;
  MenuController menuControl_;
};

}  // namespace fibwick
