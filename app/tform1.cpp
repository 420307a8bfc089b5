#include "app/tform1.h"

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

#include "base/cp1251.h"
#include "base/fixed_field.h"
#include "base/round_even.h"
#include "game/buttons.h"
#include "game/claim.h"
#include "game/computer.h"
#include "game/round_end.h"
#include "game/start_game.h"
#include "game/turn.h"
#include "online/service_base.h"
#include "records/catalogue.h"
#include "records/club_file.h"
#include "records/phrase_text.h"
#include "records/settings_file.h"
#include "ui/builtin_pictures.h"
#include "ui/caption_tint.h"
#include "ui/dialogs/count_dialog.h"
#include "ui/dialogs/end_game_dialog.h"
#include "ui/dialogs/history_dialog.h"
#include "ui/dialogs/notice_dialog.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/password_dialog.h"
#include "ui/dialogs/question_dialog.h"
#include "ui/dialogs/rank_dialog.h"
#include "ui/dialogs/speed_dialog.h"
#include "ui/dialogs/stat_dialog.h"
#include "ui/dialogs/top_ten_dialog.h"
#include "ui/skin_button.h"

namespace fibwick {

TForm1::TForm1(std::filesystem::path programFolder, Pacing pacing, QWidget* parent)
    : QWidget(parent),
      programFolder_(std::move(programFolder)),
      pacing_(pacing),
      packs_(QString::fromStdString(programFolder_.string()),
             QCoreApplication::applicationDirPath()),
      session_(programFolder_, [this](const std::string& text) { ShowNotice(text); }),
      menu_(*this, ScreenKit{layout_, background_, art_, fonts_, settings_}, session_, packs_,
            MenuActions{.clubLine = [this](int line) { ClubButtonClick(line); },
                        .newPlayer = [this] { NewPlayerClick(); },
                        .topTen = [this] { TopTenClick(); },
                        .history = [this] { HistoryClick(); },
                        .options = [this] { OptionsClick(); },
                        .mode = [this] { ModeClick(); },
                        .exit = [this] { close(); },
                        .caption = [this] { CaptionClick(); },
                        .serviceIcon = [this](const ServiceIcon& icon) { ServiceIconClick(icon); },
                        .readStatistics = [this](auto done) { service_.ReadTotals(done); }},
            pacing.today),
      table_(*this, ScreenKit{layout_, background_, art_, fonts_, settings_},
             TableViewHooks{.tableShown = [this] { TableShown(); },
                            .menuSet =
                                [this](bool exitEnabled, bool countEnabled) {
                                  actExit_->setEnabled(exitEnabled);
                                  actCount_->setEnabled(countEnabled);
                                },
                            .notice = [this](const std::string& text) { ShowNotice(text); },
                            .gameEnded =
                                [this] {
                                  session_.RefreshGeneralCount(state_);
                                  // Saved once the game's last events have been shown.
                                  player_.Input([this] { recording_.GameLeft(); });
                                },
                            .peerMessage = [this](const std::string& text) { Peer().Send(text); },
                            .peerClosed =
                                [this] {
                                  Peer().Close();
                                  table_.EnableChat(false);
                                },
                            .flightLanded = [this] { player_.Resume(); },
                            .sound = [this](const std::string& cue) { return sounds_.Play(cue); },
                            .pauseFactor = pacing.pauseFactor,
                            .flightClock = pacing.flightClock}),
      player_(table_.View()),
      recording_(*this, {.background = background_,
                         .fonts = fonts_,
                         .settings = settings_,
                         .programFolder = programFolder_,
                         .notice =
                             [this](const std::string& text) {
                               player_.Input([this, text] { ShowNotice(text); });
                             }}),
      lan_({.connected = [this] { LanConnected(); },
            .received = [this](const std::string& message) { LanReceived(message); },
            .gone = [this](PeerEnd end) { LanGone(end); },
            .failed = [this] { LanFailed(); }},
           {.handshakeMs = pacing.lanHandshakeMs, .chatQuietMs = pacing.lanChatQuietMs}) {
  setObjectName("Form1");
  setFixedSize(BaseWidth, BaseHeight);
  move(0, 0);
  setMouseTracking(true);
  QPalette silver = palette();
  silver.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(silver);
  setAutoFillBackground(true);

  // A button's meaning is read when its turn in the line comes, not when it was clicked.
  connect(table_.Button(ActionButton::Challenge), &QAbstractButton::clicked, this,
          [this] { player_.Input([this] { TableButtonClick(ChallengeButtonCommand(state_)); }); });
  connect(table_.Button(ActionButton::Put), &QAbstractButton::clicked, this,
          [this] { player_.Input([this] { TableButtonClick(PutButtonCommand(state_)); }); });
  connect(table_.Button(ActionButton::Pass), &QAbstractButton::clicked, this,
          [this] { player_.Input([this] { TableButtonClick(PassButtonCommand(state_)); }); });

  connect(table_.ChatEdit(), &QLineEdit::returnPressed, this, [this] { SendChat(); });
  connect(table_.SendButton(), &QAbstractButton::clicked, this, [this] { SendChat(); });
  table_.SendButton()->installEventFilter(this);

  const auto addAction = [this](const char* name, auto handler) {
    auto* action = new QAction(this);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    popup_.addAction(action);
    return action;
  };
  actCount_ = addAction("ActGeneralScore", [this] { GeneralScoreClick(); });
  actExit_ = addAction("ActExitToMenu", [this] { AbandonClick(); });
  actRename_ = addAction("ActChangeName", [this] { ChangeNameClick(); });
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

TForm1::~TForm1() = default;

// The window's own texts in the current language; the menu's are set as it is laid out.
void TForm1::Recaption() {
  setWindowTitle(Catalogue(MsgWindowTitle));
  actCount_->setText(Catalogue(MsgGeneralScore));
  actExit_->setText(Catalogue(MsgExitToMenu));
  actRename_->setText(Catalogue(MsgToChangeAName));
  actSpeed_->setText(Catalogue(MsgSpeed));
}

std::filesystem::path TForm1::SettingsFile() const {
  return programFolder_ / "Fibwick.ini";
}

void TForm1::StartUp() {
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

void TForm1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) PauseAnimationsWhileUnseen();
  QWidget::changeEvent(event);
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  PauseAnimationsWhileUnseen();
}

void TForm1::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  PauseAnimationsWhileUnseen();
}

void TForm1::PauseAnimationsWhileUnseen() {
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

void TForm1::ShowScreen(Screen screen) {
  screen_ = screen;
  menu_.SetVisible(screen == Screen::Menu);
  table_.SetVisible(screen == Screen::Table);
  update();
  UpdateMusic();
  emit ScreenChanged(screen);
}

// The tune loops while the intro or the menu is shown and the player wants music.
void TForm1::UpdateMusic() {
  tune_.SetPlaying(settings_.MusicOn && screen_ != Screen::Table);
}

void TForm1::Timer1Timer() {
  switch (screen_) {
    case Screen::Intro:
      intro_.Tick();
      update();
      break;
    case Screen::Menu:
      menu_.Tick();
      break;
    case Screen::Table:
      player_.Tick([this] {
        auto outcome = ComputerTick(state_, random_, Flights());
        if (!outcome && pacing_.standIn) outcome = StandInTick(state_, random_, Flights());
        if (outcome) return player_.Play(std::move(outcome->events));
        if (pacing_.standIn && state_.round.RoundOver && state_.round.TableActive)
          StandInGameOver();
      });
      break;
  }
}

void TForm1::StandInGameOver() {
  if (std::exchange(standInLeaving_, true)) return;
  if (const char* shots = std::getenv("FIBWICK_SCREENSHOTS")) {
    const char* side = state_.network.NetRole == LanRole::Client ? "client" : "server";
    const auto file = std::filesystem::path(shots) / ("stand-in-" + std::string(side) + ".png");
    std::filesystem::create_directories(file.parent_path());
    grab().save(QString::fromStdString(file.string()));
  }
  QTimer::singleShot(1000, this, [this] {
    player_.Input([this] {
      // Unless the game was left meanwhile.
      if (std::exchange(standInLeaving_, false)) TableButtonClick(PutButtonCommand(state_));
    });
  });
}

void TForm1::TableButtonClick(TableCommand command) {
  switch (command) {
    case TableCommand::None:
      return;
    case TableCommand::Challenge:
      return player_.Play(
          Play(state_, Seat::Local, Move::Challenge(state_.claim.ClaimRank), Flights()).events);
    case TableCommand::Pass:
      return player_.Play(
          Play(state_, Seat::Local, Move::Pass(state_.claim.ClaimRank), Flights()).events);
    case TableCommand::Put: {
      DialogContext context = Dialogs();
      const char claim =
          state_.claim.NewClaim ? ChooseClaimRank(this, context) : state_.claim.ClaimRank;
      return player_.Play(Play(state_, Seat::Local, SelectedPut(state_, claim), Flights()).events);
    }
    case TableCommand::NextGame:
      return player_.Play(StartGame(state_, random_, session_, true));
    case TableCommand::ExitToMenu: {
      TableEvents events;
      const SessionResult ending = SessionResultOf(state_);
      if (ExitToMenu(state_, Session(), events)) service_.ReportGameEnd(ending);
      return player_.Play(std::move(events));
    }
  }
}

CardFlights TForm1::Flights() const {
  return settings_.FlyCards ? CardFlights::On : CardFlights::Off;
}

void TForm1::CardClick(int position) {
  if (settings_.SaluteCards) salute_.Play();
  player_.Input([this, position] { player_.Play(ToggleCardSelection(state_, position)); });
}

// Leaving is handled between two events of the table, never inside a rule: what has not been
// shown yet is dropped with the game.
void TForm1::LeaveTable() {
  recording_.GameLeft();
  player_.Clear();
  table_.StopFlights();
  TableEvents events;
  LeaveRunningGame(state_, Session(), events);
  player_.Play(std::move(events));
}

// A finished game is kept as "Exit to menu" keeps it; a running one is lost, and only when the
// player agrees. False when the player wants to stay.
bool TForm1::LeaveTableForClosing() {
  if (screen_ != Screen::Table) return true;
  if (state_.round.RoundOver) {
    // What the ended game still had to show is dropped with the window.
    recording_.GameLeft();
    player_.Clear();
    table_.StopFlights();
    TableButtonClick(PutButtonCommand(state_));
    return true;
  }
  const std::string question =
      std::string(MessageText(MsgLeaveGame)) + " " + std::string(MessageText(MsgAllDataWillBeLost));
  if (!Confirm(question)) return false;
  LeaveTable();
  return true;
}

void TForm1::AbandonClick() {
  if (screen_ != Screen::Table || !state_.round.TableActive) return;
  sounds_.Play("WOpenFo");
  const std::string question = std::string(MessageText(MsgLeaveToMainMenu)) + "\n" +
                               std::string(MessageText(MsgAllDataWillBeLost));
  if (!Confirm(question)) return;
  LeaveTable();
  ShowMainMenu();
}

void TForm1::EndIntro() {
  if (screen_ != Screen::Intro || !startedUp_) return;
  timer1_.stop();
  intro_.Release();
  ApplyWindowSize();
  LayoutMainMenu();
  timer1_.start(MenuScreen::TickMs);
}

void TForm1::ApplyWindowSize() {
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
void TForm1::PlaceWindow() {
  if (layout_.windowSizeMode == FullScreenMode) return;
  const QRect work = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
  const QSize frame =
      frameGeometry().size() - geometry().size() + QSize(layout_.tableWidth, layout_.tableHeight);
  move(work.left() + RoundEven((work.width() - frame.width()) / 2.0),
       work.top() + RoundEven((work.height() - frame.height()) / 2.0));
}

void TForm1::LayoutMainMenu() {
  PlaceWindow();
  EnableTableMenu(false);
  menu_.Layout();
  ShowScreen(Screen::Menu);
}

void TForm1::TableShown() {
  table_.Layout(!IsLocalGame(state_));
  ShowScreen(Screen::Table);
  EnableTableMenu(true);
  // Its first frame is the table once the new game's hands and buttons are drawn.
  player_.Input([this] { recording_.GameStarted(); });
}

void TForm1::EnableTableMenu(bool enabled) {
  for (QAction* action : {actCount_, actExit_, actRename_}) action->setEnabled(enabled);
}

void TForm1::SetWindowSizeMode(int mode) {
  settings_.WindowSizeMode = mode;
  ApplyWindowSize();
  if (screen_ == Screen::Menu) LayoutMainMenu();
}

void TForm1::paintEvent(QPaintEvent* event) {
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

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
  if (screen_ == Screen::Intro) {
    EndIntro();
    return;
  }
  const QPoint p = event->position().toPoint();
  if (screen_ == Screen::Menu) return menu_.Click(p);
  if (event->button() == Qt::RightButton) return SpeakCardsAt(p);
  if (event->button() != Qt::LeftButton) return;
  if (const int k = table_.LocalCardAt(p)) CardClick(k);
}

// The card the player sees under the pointer is spoken: of the own hand, or of the pile while it
// lies turned over, where every card under the pointer speaks in the order put and each cuts
// off the one before, so the topmost is heard.
void TForm1::SpeakCardsAt(const QPoint& p) {
  if (const int k = table_.LocalCardAt(p)) {
    sounds_.SpeakCard(table_.View().HandCard(2, k));
    return;
  }
  const std::vector<CardCode>& pile = table_.View().OpenPile();
  for (const int k : table_.PileCardsAt(p, static_cast<int>(pile.size()))) {
    sounds_.SpeakCard(pile[static_cast<std::size_t>(k)]);
  }
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
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
  ShowCursor(k != 0 && CanChooseCard(state_, k));
  if (const int seat = table_.HandAt(p)) {
    QToolTip::showText(event->globalPosition().toPoint(), table_.View().HandHint(seat), this);
  }
  if (table_.OverClaimPlate(p) && !IsLanClientWaiting(state_)) {
    const QString hint = "<b>" + Catalogue(MsgCurrentGame) + "</b><br>" +
                         QString::fromStdString(ClaimPlateHint(state_, settings_.Language))
                             .toHtmlEscaped()
                             .replace("\n", "<br>");
    QToolTip::showText(event->globalPosition().toPoint(), hint, this);
  }
}

void TForm1::keyReleaseEvent(QKeyEvent* event) {
  if (screen_ == Screen::Intro) EndIntro();
  QWidget::keyReleaseEvent(event);
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
  // No popup over the cards.
  if (screen_ == Screen::Table && table_.OverCards(event->pos())) return;
  popup_.exec(event->globalPos());
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (!LeaveTableForClosing()) {
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

void TForm1::HideTable() {
  timer1_.stop();
  table_.SetVisible(false);
  update();
}

void TForm1::ShowMainMenu() {
  LayoutMainMenu();
  timer1_.start(MenuScreen::TickMs);
  // A game's pictures and flights leave freed memory behind; the menu gives it back.
  malloc_trim(0);
}

bool TForm1::Confirm(const std::string& question) {
  DialogContext context = Dialogs();
  return AskQuestion(this, context, QString::fromStdString(question));
}

void TForm1::ShowNotice(const std::string& text) {
  DialogContext context = Dialogs();
  fibwick::ShowNotice(this, context, QString::fromStdString(text));
}

void TForm1::ShowEndOfGame(const SessionResult& result) {
  DialogContext context = Dialogs();
  fibwick::ShowEndOfGame(
      this, context,
      EndGameInput{.place = result.topTenPlace,
                   .score = result.topTenScore,
                   .kind = result.network ? GameKind::Network : GameKind::Computer,
                   .reward = 0});
}

void TForm1::StartMatch(int slot, const std::string& playerName,
                        const std::string& passwordDigits) {
  state_.network.NetworkGame = false;
  state_.network.TourGame = false;
  state_.session.RatedGame = false;
  state_.network.NetRole = LanRole::None;
  state_.session.PlayerSlot = slot;
  state_.session.PlayerName = playerName;
  session_.SetNewPlayerPassword(passwordDigits);
  DealNewGame();
}

void TForm1::DealNewGame() {
  standInLeaving_ = false;
  timer1_.stop();
  player_.Clear();
  table_.StopFlights();
  player_.Play(StartGame(state_, random_, session_, false));
  timer1_.start(pacing_.computerTickMs);
}

DialogContext TForm1::Dialogs() {
  DialogContext context(settings_, ArtSources{.packs = &packs_}, programFolder_);
  context.arrowCursor = Cursor(false);
  context.handCursor = Cursor(true);
  context.downloadFolder = AddressesUnder(service_.Session().ServiceBase()).files;
  context.ipEchoAddress = AddressesUnder(service_.Session().ServiceBase()).ip;
  context.playSound = [this](std::string_view resource) { sounds_.Play(resource); };
  context.salute = [this] { salute_.Play(); };
  return context;
}

// The program's own cursors, or the system's when the player turned them off; dialogs get the
// hand's first frame.
QCursor TForm1::Cursor(bool hand) const {
  return hand ? FilmCursor(CursorFilm::PointingHand, 0, settings_.RedCursor)
              : ArrowCursor(settings_.RedCursor);
}

void TForm1::ShowCursor(bool hand) {
  if (hand == handCursor_) return;
  handCursor_ = hand;
  ApplyCursor();
}

void TForm1::ApplyCursor() {
  if (handCursor_) {
    handFilm_.Start(settings_.RedCursor);
  } else {
    handFilm_.Stop();
    setCursor(Cursor(false));
  }
}

void TForm1::ClubButtonClick(int line) {
  const auto lines = ReadClubFile(session_.ClubFile(settings_.NetworkGame));
  if (!lines || IsFreeMemberLine((*lines)[static_cast<std::size_t>(line - 1)])) return;
  sounds_.Play("WOpenFo");
  OpenStartDialog(line);
}

void TForm1::NewPlayerClick() {
  sounds_.Play("WOpenFo");
  OpenStartDialog(SlotNewPlayer);
}

void TForm1::OpenStartDialog(int slot) {
  DialogContext context = Dialogs();
  const StartDialogInput input{.playerSlot = slot,
                               .networkGame = settings_.NetworkGame,
                               .tableActive = false,
                               .playerName = state_.session.PlayerName,
                               .lastPlayerName = settings_.LastPlayerName,
                               .clubFile = session_.ClubFile(settings_.NetworkGame)};
  StartDialogResult result;
  const LanStarter startLan = [this, slot](const LanSetup& setup) {
    return WaitForLanPartner(slot, setup);
  };
  if (!RunStartDialog(this, context, input, result, startLan)) return;
  // A LAN client's match began with the server's welcome; a server's begins now.
  if (!settings_.NetworkGame) return StartMatch(slot, result.playerName, result.passwordDigits);
  if (state_.network.NetRole == LanRole::Server && !ConfirmLan()) {
    lan_.Close();
    state_.round.TurnState = Turn::Idle;
  }
}

void TForm1::OptionsClick() {
  sounds_.Play("WOpenFo");
  DialogContext context = Dialogs();
  OptionsHooks hooks;
  hooks.languageChanged = [this] {
    SetLanguage(settings_.Language);
    Recaption();
    if (screen_ == Screen::Menu) LayoutMainMenu();
  };
  hooks.windowSizeChanged = [this] { SetWindowSizeMode(settings_.WindowSizeMode); };
  hooks.networkGameChanged = [this] { LayoutMainMenu(); };
  hooks.gifAnimationChanged = [this] { LayoutMainMenu(); };
  hooks.newButtonsChanged = [this] { LayoutMainMenu(); };
  hooks.openSpeed = [this, &context] { ChooseFlightSpeed(this, context); };
  hooks.musicChanged = [this] { UpdateMusic(); };
  // Backs, background, designs and fonts are all read as the window takes its size.
  const auto redrawArt = [this] {
    ApplyWindowSize();
    if (screen_ == Screen::Menu) LayoutMainMenu();
  };
  hooks.faceSetChanged = redrawArt;
  hooks.backSetChanged = redrawArt;
  hooks.fontsChanged = redrawArt;
  hooks.backgroundChanged = redrawArt;
  hooks.designChanged = redrawArt;
  hooks.cursorsChanged = [this] { ApplyCursor(); };
  ShowOptions(this, context, hooks);
}

void TForm1::TopTenClick() {
  sounds_.Play("WOpenFo");
  DialogContext context = Dialogs();
  ShowTopTen(this, context);
}

void TForm1::HistoryClick() {
  sounds_.Play("WOpenFo");
  DialogContext context = Dialogs();
  ShowHistory(this, context, historySelection_);
}

void TForm1::GeneralScoreClick() {
  session_.RefreshGeneralCount(state_);
  DialogContext context = Dialogs();
  ShowCount(this, context, session_.Count(), state_.session.PlayerName, 1,
            state_.network.NetworkGame ? HistoryKind::Network : HistoryKind::Local);
}

void TForm1::ChangeNameClick() {
  DialogContext context = Dialogs();
  const auto entered = RunChangeName(this, context, state_.session.PlayerName);
  if (!entered) return;
  const auto line = session_.ChangeMemberName(state_.session.PlayerSlot, state_.network.NetworkGame,
                                              entered->playerName, entered->password);
  if (!line) return;
  state_.session.PlayerSlot = *line;
  state_.session.PlayerName = entered->playerName;
  state_.session.Seat2Name = std::string(TrimRight(entered->playerName));
  session_.SetNewPlayerPassword(entered->passwordDigits);
  fibwick::ShowNotice(
      this, context,
      Catalogue(MsgNameOrPasswordChanged) + FromUtf8(Cp1251ToUtf8(state_.session.Seat2Name)));
}

void TForm1::ModeClick() {
  sounds_.Play("WOpenFo");
  settings_.ClubListMode = settings_.ClubListMode == 1 ? 2 : 1;
  menu_.DrawClubList();
}

void TForm1::ServiceIconClick(const ServiceIcon& icon) {
  sounds_.Play("WOpenFo");
  if (std::string_view(icon.picture) == "Stats") return StatisticsClick();
  // The other online services arrive later; until then a click says so instead of doing nothing.
  const bool tournament = std::string_view(icon.picture) == "GTour48";
  ShowNotice(
      std::string(MessageText(tournament ? MsgLogInToYourAccount : MsgCouldNotConnectToServer)));
}

void TForm1::StatisticsClick() {
  StatHooks hooks;
  hooks.saveSettings = [this] { SaveSettings(SettingsFile(), settings_, clubCheckFailed_); };
  service_.ShowStatistics(
      this, [this] { return Dialogs(); }, likedThisRun_, hooks);
}

void TForm1::CaptionClick() {
  settings_.CaptionTint = NextCaptionTint(settings_.CaptionTint);
  LayoutMainMenu();
}

}  // namespace fibwick
