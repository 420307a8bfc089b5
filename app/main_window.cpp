#include "app/main_window.h"

#include <malloc.h>

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <cstdlib>
#include <utility>

#include "base/round_even.h"
#include "game/turn.h"
#include "online/service_base.h"
#include "records/catalogue.h"
#include "records/club_file.h"
#include "records/phrase_text.h"
#include "records/settings_file.h"
#include "ui/builtin_pictures.h"
#include "ui/dialogs/end_game_dialog.h"
#include "ui/dialogs/notice_dialog.h"
#include "ui/dialogs/question_dialog.h"
#include "ui/dialogs/speed_dialog.h"
#include "ui/dialogs/start_dialog.h"
#include "ui/dialogs/statistics_dialog.h"
#include "ui/skin_button.h"

namespace fibwick {

MainWindow::MainWindow(std::filesystem::path programFolder, Pacing pacing, QWidget* parent)
    : QWidget(parent),
      programFolder_(std::move(programFolder)),
      pacing_(pacing),
      packs_(QString::fromStdString(programFolder_.string()),
             QCoreApplication::applicationDirPath()),
      session_(programFolder_, [this](const std::string& text) { ShowNotice(text); }),
      menu_(*this, ScreenKit{layout_, background_, art_, fonts_, settings_}, session_, packs_,
            MenuActions{.clubLine = [this](int line) { menuControl_.ClubButtonClick(line); },
                        .newPlayer = [this] { menuControl_.NewPlayerClick(); },
                        .topTen = [this] { menuControl_.TopTenClick(); },
                        .history = [this] { menuControl_.HistoryClick(); },
                        .options = [this] { menuControl_.OptionsClick(); },
                        .mode = [this] { menuControl_.ModeClick(); },
                        .exit = [this] { close(); },
                        .caption = [this] { menuControl_.CaptionClick(); },
                        .serviceIcon = [this](const ServiceIcon& icon) { ServiceIconClick(icon); },
                        .readStatistics = [this](auto done) { service_.ReadTotals(done); }},
            pacing.today),
      table_(
          *this, ScreenKit{layout_, background_, art_, fonts_, settings_},
          TableViewHooks{.tableShown = [this] { TableShown(); },
                         .menuSet =
                             [this](bool exitEnabled, bool countEnabled) {
                               actExit_->setEnabled(exitEnabled);
                               actCount_->setEnabled(countEnabled);
                             },
                         .notice = [this](const std::string& text) { ShowNotice(text); },
                         .gameEnded = [this] { match_.GameEnded(); },
                         .peerMessage = [this](const std::string& text) { lan_.Peer().Send(text); },
                         .peerClosed =
                             [this] {
                               lan_.Peer().Close();
                               table_.EnableChat(false);
                             },
                         .flightLanded = [this] { match_.Player().Resume(); },
                         .sound = [this](const std::string& cue) { return sounds_.Play(cue); },
                         .pauseFactor = pacing.pauseFactor,
                         .flightClock = pacing.flightClock}),
      recording_(*this, {.background = background_,
                         .fonts = fonts_,
                         .settings = settings_,
                         .programFolder = programFolder_,
                         .notice =
                             [this](const std::string& text) {
                               match_.Player().Input([this, text] { ShowNotice(text); });
                             }}),
      match_(*this,
             MatchKit{.settings = settings_,
                      .sounds = sounds_,
                      .salute = salute_,
                      .session = session_,
                      .online = online_,
                      .service = service_,
                      .table = table_,
                      .recording = recording_,
                      .windows = *this},
             MatchPace{.computerTickMs = pacing.computerTickMs, .standIn = pacing.standIn}),
      lan_(*this,
           LanKit{.match = match_,
                  .table = table_,
                  .sounds = sounds_,
                  .settings = settings_,
                  .session = session_},
           {.handshakeMs = pacing.lanHandshakeMs, .chatQuietMs = pacing.lanChatQuietMs},
           pacing.standIn),
      menuControl_(*this, settings_, sounds_, session_, menu_, match_.Game(),
                   MenuRoutes{.localMatch =
                                  [this](int slot, const std::string& playerName,
                                         const std::string& passwordDigits) {
                                    StartMatch(slot, playerName, passwordDigits);
                                  },
                              .lanWait =
                                  [this](int slot, const LanSetup& setup) {
                                    return lan_.WaitForPartner(slot, setup);
                                  },
                              .lanConfirmed = [this] { lan_.StartConfirmed(); }}) {
  setObjectName("Form1");
  setFixedSize(BaseWidth, BaseHeight);
  move(0, 0);
  setMouseTracking(true);
  QPalette silver = palette();
  silver.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(silver);
  setAutoFillBackground(true);

  for (const ActionButton button :
       {ActionButton::Challenge, ActionButton::Put, ActionButton::Pass}) {
    connect(table_.Button(button), &QAbstractButton::clicked, this,
            [this, button] { match_.ActionClicked(button); });
  }

  connect(table_.ChatEdit(), &QLineEdit::returnPressed, this, [this] { lan_.SendChat(); });
  connect(table_.SendButton(), &QAbstractButton::clicked, this, [this] { lan_.SendChat(); });
  table_.SendButton()->installEventFilter(this);

  const auto addAction = [this](const char* name, auto handler) {
    auto* action = new QAction(this);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    popup_.addAction(action);
    return action;
  };
  actCount_ = addAction("ActGeneralScore", [this] { match_.GeneralScoreClick(); });
  actExit_ = addAction("ActExitToMenu", [this] { match_.AbandonClick(); });
  actRename_ = addAction("ActChangeName", [this] { match_.ChangeNameClick(); });
  actSpeed_ = addAction("ActSpeed", [this] {
    DialogContext context = Dialogs();
    ChooseFlightSpeed(this, context);
  });
  Recaption();
  EnableTableMenu(false);

  connect(&timer1_, &QTimer::timeout, this, [this] { Timer1Timer(); });
  // The start-up sequence runs once the window is on screen, as its first paint would.
  QTimer::singleShot(0, this, [this] { StartUp(); });
}

MainWindow::~MainWindow() = default;

// The window's own texts in the current language; the menu's are set as it is laid out.
void MainWindow::Recaption() {
  setWindowTitle(Catalogue(MsgWindowTitle));
  actCount_->setText(Catalogue(MsgGeneralScore));
  actExit_->setText(Catalogue(MsgExitToMenu));
  actRename_->setText(Catalogue(MsgToChangeAName));
  actSpeed_->setText(Catalogue(MsgSpeed));
}

std::filesystem::path MainWindow::SettingsFile() const {
  return programFolder_ / "Fibwick.ini";
}

void MainWindow::StartUp() {
  if (startedUp_) return;
  startedUp_ = true;
  settings_ = LoadSettings(SettingsFile(), nullptr);
  SetLanguage(settings_.Language);
  std::string edition;
  for (const bool network : {false, true}) {
    const auto file = session_.ClubFile(network);
    const ClubCheck check = CheckClubFile(file);
    if (check.outcome != ClubCheckOutcome::Valid) {
      clubCheckFailed_ = true;
      ShowNotice(ClubCheckMessage(check.outcome, file));
      close();
      return;
    }
    if (check.attributeWarning) ShowNotice(AttributeWarningMessage(file));
    if (!network) edition = check.editionMarker;
  }
  service_.StartUp(edition);
  Recaption();
  setCursor(Cursor(false));
  intro_.Load();
  ShowScreen(Screen::Intro);
  timer1_.start(20);
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) PauseAnimationsWhileUnseen();
  QWidget::changeEvent(event);
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  PauseAnimationsWhileUnseen();
}

void MainWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  PauseAnimationsWhileUnseen();
}

void MainWindow::PauseAnimationsWhileUnseen() {
  // At the table the timer moves the computer's seat, which must go on.
  if (screen_ == Screen::Table) return;
  if (isMinimized() || !isVisible()) {
    if (!timer1_.isActive()) return;
    timer1_.stop();
    animationsPaused_ = true;
  } else if (std::exchange(animationsPaused_, false)) {
    timer1_.start(screen_ == Screen::Menu ? MenuScreen::TickMs : 20);
  }
}

void MainWindow::ShowScreen(Screen screen) {
  screen_ = screen;
  menu_.SetVisible(screen == Screen::Menu);
  table_.SetVisible(screen == Screen::Table);
  update();
  UpdateMusic();
  emit ScreenChanged(screen);
}

// The tune loops while the intro or the menu is shown and the player wants music.
void MainWindow::UpdateMusic() {
  tune_.SetPlaying(settings_.MusicOn && screen_ != Screen::Table);
}

void MainWindow::Timer1Timer() {
  switch (screen_) {
    case Screen::Intro:
      intro_.Tick();
      update();
      break;
    case Screen::Menu:
      menu_.Tick();
      break;
    case Screen::Table:
      match_.Tick();
      break;
  }
}

void MainWindow::EndIntro() {
  if (screen_ != Screen::Intro || !startedUp_) return;
  timer1_.stop();
  intro_.Release();
  ApplyWindowSize();
  LayoutMainMenu();
  timer1_.start(MenuScreen::TickMs);
}

void MainWindow::ApplyWindowSize() {
  const QRect work = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
  layout_ = MakeLayout(settings_.WindowSizeMode, work.width(), work.height(), layout_.wideCards);
  if (layout_.windowSizeMode == FullScreenMode) {
    setGeometry(work);
  }
  setFixedSize(layout_.tableWidth, layout_.tableHeight);
  fonts_ = FontRolesOf(settings_);
  artChoice_.faceSet = settings_.FaceSet;
  artChoice_.backSet = settings_.BackSet;
  artChoice_.backgroundStyle = settings_.BackgroundStyle;
  artChoice_.backgroundColour = settings_.BackgroundColour;
  artChoice_.alwaysOneBack = settings_.AlwaysOneBack;
  artChoice_.menuDesign = settings_.MenuDesign;
  artChoice_.tableDesign = settings_.TableDesign;
  std::vector<Notice> notices;
  const ArtSources sources{.packs = &packs_};
  LoadBackground(background_, layout_, artChoice_, settings_.MenuDesign == 1, sources, notices);
  LoadFaceSet(art_, layout_, artChoice_, sources, notices);
  settings_.FaceSet = artChoice_.faceSet;
  settings_.BackSet = artChoice_.backSet;
  for (const Notice& notice : notices) ShowNotice(NoticeText(notice).toStdString());
  QPalette colour = palette();
  colour.setColor(QPalette::Window, WindowColour(artChoice_));
  setPalette(colour);
}

// Full screen fills the work area; every fixed size stands in its middle.
void MainWindow::PlaceWindow() {
  if (layout_.windowSizeMode == FullScreenMode) return;
  const QRect work = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
  const QSize frame =
      frameGeometry().size() - geometry().size() + QSize(layout_.tableWidth, layout_.tableHeight);
  move(work.left() + RoundEven((work.width() - frame.width()) / 2.0),
       work.top() + RoundEven((work.height() - frame.height()) / 2.0));
}

void MainWindow::LayoutMainMenu() {
  PlaceWindow();
  EnableTableMenu(false);
  menu_.Layout();
  ShowScreen(Screen::Menu);
}

void MainWindow::TableShown() {
  table_.Layout(!IsLocalGame(match_.Game()));
  ShowScreen(Screen::Table);
  EnableTableMenu(true);
  // Its first frame is the table once the new game's hands and buttons are drawn.
  match_.Player().Input([this] { recording_.GameStarted(); });
}

void MainWindow::EnableTableMenu(bool enabled) {
  for (QAction* action : {actCount_, actExit_, actRename_}) action->setEnabled(enabled);
}

void MainWindow::SetWindowSizeMode(int mode) {
  settings_.WindowSizeMode = mode;
  ApplyWindowSize();
  if (screen_ == Screen::Menu) LayoutMainMenu();
}

void MainWindow::paintEvent(QPaintEvent* event) {
  if (screen_ == Screen::Intro) {
    QPainter painter(this);
    intro_.Paint(painter, rect());
    return;
  }
  // Only the damaged part is drawn: the menu lamps change fifty times a second.
  QPainter painter(this);
  const QRegion damaged = event->region();
  const QRect bounds = damaged.boundingRect();
  const auto draw = [&](const QImage& picture, const QRect& at) {
    if (picture.isNull() || !damaged.intersects(at)) return;
    for (const QRect& piece : damaged) {
      const QRect part = at.intersected(piece);
      if (!part.isEmpty()) painter.drawImage(part, picture, part.translated(-at.topLeft()));
    }
  };
  // Picture controls are opaque and already hold the background under them.
  QRegion uncovered = damaged;
  const auto cover = [&](const PictureControl& c) {
    if (c.visible && !c.buffer.isNull()) uncovered -= AsQRect(c.rect);
  };
  for (const auto* controls : {&menu_.Controls(), &table_.Controls()}) {
    for (const PictureControl* c : *controls) cover(*c);
  }
  for (const QRect& piece : uncovered) {
    if (!background_.isNull()) painter.drawImage(piece, background_, piece);
  }
  const auto drawControl = [&](const PictureControl& c) {
    if (c.visible) draw(c.buffer, AsQRect(c.rect));
  };
  for (const auto* controls : {&menu_.Controls(), &table_.Controls()}) {
    for (const PictureControl* c : *controls) drawControl(*c);
  }
  if (screen_ == Screen::Menu) menu_.PaintExtras(painter, bounds, drawControl);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (screen_ == Screen::Intro) {
    EndIntro();
    return;
  }
  const QPoint p = event->position().toPoint();
  if (screen_ == Screen::Menu) return menu_.Click(p);
  if (event->button() == Qt::RightButton) return SpeakCardsAt(p);
  if (event->button() != Qt::LeftButton) return;
  if (const int k = table_.LocalCardAt(p)) match_.CardClick(k);
}

// The card the player sees under the pointer is spoken: of the own hand, or of the pile while it
// lies turned over, where every card under the pointer speaks in the order put and each cuts
// off the one before, so the topmost is heard.
void MainWindow::SpeakCardsAt(const QPoint& p) {
  if (const int k = table_.LocalCardAt(p)) {
    sounds_.SpeakCard(table_.View().HandCard(2, k));
    return;
  }
  const std::vector<CardCode>& pile = table_.View().OpenPile();
  for (const int k : table_.PileCardsAt(p, static_cast<int>(pile.size()))) {
    sounds_.SpeakCard(pile[static_cast<std::size_t>(k)]);
  }
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (screen_ == Screen::Menu) {
    const MenuHover hover = menu_.HoverAt(p);
    for (const QString& hint : hover.hints)
      QToolTip::showText(event->globalPosition().toPoint(), hint, this);
    ShowCursor(hover.hand);
    return;
  }
  if (screen_ != Screen::Table) return;
  const int k = table_.LocalCardAt(p);
  ShowCursor(k != 0 && CanChooseCard(match_.Game(), k));
  if (const int seat = table_.HandAt(p)) {
    QToolTip::showText(event->globalPosition().toPoint(), table_.View().HandHint(seat), this);
  }
  if (table_.OverClaimPlate(p) && !IsLanClientWaiting(match_.Game())) {
    const QString hint = "<b>" + Catalogue(MsgCurrentGame) + "</b><br>" +
                         QString::fromStdString(ClaimPlateHint(match_.Game(), settings_.Language))
                             .toHtmlEscaped()
                             .replace("\n", "<br>");
    QToolTip::showText(event->globalPosition().toPoint(), hint, this);
  }
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
  if (screen_ == Screen::Intro) EndIntro();
  QWidget::keyReleaseEvent(event);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  // No popup over the cards.
  if (screen_ == Screen::Table && table_.OverCards(event->pos())) return;
  popup_.exec(event->globalPos());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!match_.LeaveTableForClosing()) {
    event->ignore();
    return;
  }
  recording_.GameLeft();
  recording_.WaitForFile();
  timer1_.stop();
  if (SaveSettings(SettingsFile(), settings_, clubCheckFailed_) == SaveSettingsResult::Failed) {
    ShowNotice(std::string(MessageText(MsgCantSaveOptions)));
  }
  event->accept();
}

void MainWindow::StartTimer(int intervalMs) {
  timer1_.start(intervalMs);
}

void MainWindow::StopTimer() {
  timer1_.stop();
}

// Keys typed while the send button has the focus spell the open-cards code.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_.SendButton()) {
    switch (event->type()) {
      case QEvent::FocusIn:
      case QEvent::FocusOut:
        match_.OpenCardsFocusChanged();
        break;
      case QEvent::KeyPress: {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() == 1 && typed[0].unicode() < 128) {
          const char key = static_cast<char>(typed[0].unicode());
          match_.OpenCardsKey(key);
        }
        break;
      }
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::HideTable() {
  timer1_.stop();
  table_.SetVisible(false);
  update();
}

void MainWindow::ShowMainMenu() {
  LayoutMainMenu();
  timer1_.start(MenuScreen::TickMs);
  // A game's pictures and flights leave freed memory behind; the menu gives it back.
  malloc_trim(0);
}

bool MainWindow::Confirm(const std::string& question) {
  DialogContext context = Dialogs();
  return AskQuestion(this, context, QString::fromStdString(question));
}

void MainWindow::ShowNotice(const std::string& text) {
  DialogContext context = Dialogs();
  fibwick::ShowNotice(this, context, QString::fromStdString(text));
}

void MainWindow::ShowEndOfGame(const SessionResult& result) {
  DialogContext context = Dialogs();
  fibwick::ShowEndOfGame(
      this, context,
      EndGameInput{.place = result.topTenPlace,
                   .score = result.topTenScore,
                   .kind = result.network ? GameKind::Network : GameKind::Computer,
                   .reward = 0});
}

bool MainWindow::BeginLan(LanRole role, int slot, const std::string& playerName,
                          const std::string& passwordDigits, const std::string& address,
                          quint16 port) {
  return lan_.BeginLan(role, slot, playerName, passwordDigits, address, port);
}

bool MainWindow::ConfirmLan() {
  return lan_.ConfirmLan();
}

void MainWindow::StartMatch(int slot, const std::string& playerName,
                            const std::string& passwordDigits) {
  match_.StartMatch(slot, playerName, passwordDigits);
}

DialogContext MainWindow::Dialogs() {
  DialogContext context(settings_, ArtSources{.packs = &packs_}, programFolder_);
  context.arrowCursor = Cursor(false);
  context.handCursor = Cursor(true);
  context.downloadFolder = AddressesUnder(service_.Session().ServiceBase()).files;
  context.ipEchoAddress = AddressesUnder(service_.Session().ServiceBase()).ip;
  context.downloadPack = [this](const std::string& folder, const std::string& pack,
                                const std::filesystem::path& target, DownloadProgress progress,
                                std::function<void(DownloadOutcome)> done) {
    service_.Session().DownloadPack(folder, pack, target, std::move(progress), std::move(done));
  };
  context.askExternalAddress = [this](const std::string& echo, auto answer) {
    service_.Session().ReadExternalAddress(echo, std::move(answer));
  };
  context.playSound = [this](std::string_view resource) { sounds_.Play(resource); };
  context.salute = [this] { salute_.Play(); };
  return context;
}

// The program's own cursors, or the system's when the player turned them off; dialogs get the
// hand's first frame.
QCursor MainWindow::Cursor(bool hand) const {
  return hand ? FilmCursor(CursorFilm::PointingHand, 0, settings_.RedCursor)
              : ArrowCursor(settings_.RedCursor);
}

void MainWindow::ShowCursor(bool hand) {
  if (hand == handCursor_) return;
  handCursor_ = hand;
  ApplyCursor();
}

void MainWindow::ApplyCursor() {
  if (handCursor_) {
    handFilm_.Start(settings_.RedCursor);
  } else {
    handFilm_.Stop();
    setCursor(Cursor(false));
  }
}

void MainWindow::ServiceIconClick(const ServiceIcon& icon) {
  sounds_.Play("WOpenFo");
  if (std::string_view(icon.picture) == "Stats") return StatisticsClick();
  // The other online services arrive later; until then a click says so instead of doing nothing.
  const bool tournament = std::string_view(icon.picture) == "GTour48";
  ShowNotice(
      std::string(MessageText(tournament ? MsgLogInToYourAccount : MsgCouldNotConnectToServer)));
}

void MainWindow::StatisticsClick() {
  StatHooks hooks;
  hooks.saveSettings = [this] { SaveSettings(SettingsFile(), settings_, clubCheckFailed_); };
  service_.ShowStatistics(
      this, [this] { return Dialogs(); }, likedThisRun_, hooks);
}

}  // namespace fibwick
