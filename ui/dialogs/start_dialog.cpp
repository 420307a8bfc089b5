#include "ui/dialogs/start_dialog.h"

#include <QDesktopServices>
#include <QPointer>
#include <QProxyStyle>
#include <QShowEvent>
#include <QUrl>

#include "base/cp1251.h"
#include "base/fixed_field.h"
#include "records/club_members.h"
#include "ui/dialogs/film_view.h"
#include "ui/dialogs/fixed_texts.h"
#include "ui/dialogs/notice_dialog.h"

namespace fibwick {
namespace {

constexpr int Width = 440;
constexpr int LocalHeight = 296;
constexpr int NetworkHeight = 494;
constexpr int Left = 20;
constexpr int BoxHeight = 32;
constexpr int LabelHeight = 28;
// The two password labels leave room for the padlock on their right.
constexpr int SecretLabelWidth = 310;
// The network layout stands in two columns; the name of at most 9 characters leaves the right one
// of its rows to the role choice.
constexpr int ColumnWidth = 200;
constexpr int RightColumn = 230;
constexpr int RightColumnWidth = Width - Left - RightColumn;
constexpr int ControlHeight = 28;
constexpr int NetworkTop = 206;
constexpr int OwnAddressTop = 338;
constexpr int OwnAddressHeight = 24;
// Where the status line stands; the buttons follow it.
constexpr int LocalStatusTop = 208;
constexpr int NetworkStatusTop = 414;
constexpr int AddressLimit = 20;
constexpr int PortLimit = 5;
constexpr int MaxGames = 30;

constexpr const char* RouterHelpAddress = "https://en.wikipedia.org/wiki/Port_forwarding";

// Typed passwords show as "#".
class HashMaskStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return '#';
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

QString FromFile(const std::string& cp1251) {
  return QString::fromStdString(Cp1251ToUtf8(cp1251));
}

std::string ToFile(const QString& text) {
  return Utf8ToCp1251(text.toStdString());
}

}  // namespace

StartDialog::StartDialog(DialogContext& context, StartDialogInput input, QWidget* parent,
                         LanStarter startLan)
    : DialogFrame(context, PicturesOf(DialogArt::Login), MsgWelcome,
                  QSize(Width, input.networkGame ? NetworkHeight : LocalHeight), parent),
      input_(std::move(input)),
      startLan_(std::move(startLan)),
      network_(input_.networkGame) {
  auto* mask = new HashMaskStyle;
  mask->setParent(this);
  const auto box = [&](int y, int width, int limit) {
    auto* edit = new QLineEdit(Content());
    edit->setGeometry(Left, y, width, BoxHeight);
    edit->setMaxLength(limit);
    edit->setFont(LabelFont());
    return edit;
  };
  const int nameWidth = network_ ? ColumnWidth : Width - 2 * Left;
  nameLabel_ = AddLabel({}, QRect(Left, 6, nameWidth, LabelHeight));
  name_ = box(34, nameWidth, LocalNameLimit);
  passwordLabel_ = AddLabel({}, QRect(Left, 74, SecretLabelWidth, LabelHeight));
  password_ = box(102, 160, PasswordLimit);
  confirmationLabel_ = AddLabel({}, QRect(Left, 142, SecretLabelWidth, LabelHeight));
  confirmation_ = box(170, 160, PasswordLimit);
  for (QLineEdit* secret : {password_, confirmation_}) {
    secret->setStyle(mask);
    secret->setEchoMode(QLineEdit::Password);
  }
  auto* padlock = new FilmView(context.sources.builtin, "GPw", true, context.settings.GifAnimation,
                               1, Content());
  padlock->move(Width - Left - padlock->width(), 98);
  const int statusTop = network_ ? NetworkStatusTop : LocalStatusTop;
  status_ = AddLabel({}, QRect(Left, statusTop, Width - 2 * Left, LabelHeight), Qt::AlignCenter);
  ok_ = AddButton(OkText, QRect(Left, statusTop + 40, 190, 36));
  cancel_ = AddButton({}, QRect(Width - Left - 190, statusTop + 40, 190, 36));
  connect(ok_, &QAbstractButton::clicked, this, &StartDialog::Confirm);
  connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);
  BuildNetworkControls();

  const StartOpening opening = OpenStart(input_);
  name_->setMaxLength(std::max<int>(opening.nameLimit, static_cast<int>(opening.name.size())));
  name_->setText(FromFile(opening.name));
  for (QWidget* widget :
       {static_cast<QWidget*>(name_), static_cast<QWidget*>(nameLabel_),
        static_cast<QWidget*>(confirmation_), static_cast<QWidget*>(confirmationLabel_)}) {
    widget->setEnabled(!opening.member);
  }
  openingFocus_ = opening.focus;
  Box(openingFocus_)->setFocus();
  if (network_) {
    ChooseRole(LanRole::Server);
    port_->setText(FromFile(context.settings.ServerPort));
  }
  status_->hide();
}

void StartDialog::BuildNetworkControls() {
  const QFont font = ControlFont();
  const auto label = [&](const QRect& rect) {
    QLabel* made = AddLabel({}, rect);
    made->setFont(font);
    return made;
  };
  const auto edit = [&](const QRect& rect, int limit) {
    auto* made = new QLineEdit(Content());
    made->setGeometry(rect);
    made->setMaxLength(limit);
    made->setFont(font);
    return made;
  };

  roleChoice_ = new QGroupBox(Content());
  roleChoice_->setGeometry(RightColumn, 0, RightColumnWidth, 70);
  roleChoice_->setFont(font);
  roleChoice_->setPalette(nameLabel_->palette());
  serverItem_ = new QRadioButton(roleChoice_);
  serverItem_->setGeometry(10, 22, RightColumnWidth - 14, 22);
  clientItem_ = new QRadioButton(roleChoice_);
  clientItem_->setGeometry(10, 44, RightColumnWidth - 14, 22);
  for (QRadioButton* item : {serverItem_, clientItem_}) item->setCursor(Context().handCursor);
  connect(serverItem_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) ChooseRole(LanRole::Server);
  });
  connect(clientItem_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) ChooseRole(LanRole::Client);
  });

  serverAddressLabel_ = label(QRect(Left, NetworkTop, ColumnWidth, 24));
  serverAddress_ = edit(QRect(Left, NetworkTop + 24, ColumnWidth, ControlHeight), AddressLimit);
  connect(serverAddress_, &QLineEdit::textChanged, this, &StartDialog::FilterServerAddressBox);
  portLabel_ = label(QRect(RightColumn, NetworkTop, RightColumnWidth, 24));
  port_ = edit(QRect(RightColumn, NetworkTop + 24, 90, ControlHeight), PortLimit);
  connect(port_, &QLineEdit::textChanged, this, &StartDialog::FilterPortBox);

  const int thirdRow = NetworkTop + 58;
  const int fourthRow = thirdRow + 36;
  gamesLabel_ = label(QRect(Left, thirdRow, 130, ControlHeight));
  games_ = new QSpinBox(Content());
  games_->setGeometry(Left + 134, thirdRow, ColumnWidth - 134, ControlHeight);
  games_->setFont(font);
  games_->setRange(1, MaxGames);
  games_->setValue(1);
  games_->setEnabled(false);
  gamesLabel_->setEnabled(false);
  addressButton_ = AddButton({}, QRect(Left, fourthRow, Width - 2 * Left - 48, 32));
  connect(addressButton_, &QAbstractButton::clicked, this, &StartDialog::ShowOwnAddresses);
  help_ = AddButton(HelpMarkText, QRect(Width - Left - 40, fourthRow, 40, 32));
  connect(help_, &QAbstractButton::clicked, this,
          [] { QDesktopServices::openUrl(QUrl(RouterHelpAddress)); });

  for (int i = 0; i < OwnAddressBoxCount; ++i) {
    const int column = i / 3;
    const int row = i % 3;
    QLineEdit* box =
        edit(QRect(Left + column * (ColumnWidth + 10), OwnAddressTop + row * (OwnAddressHeight + 1),
                   ColumnWidth - 5, OwnAddressHeight),
             AddressLimit);
    box->setReadOnly(true);
    box->hide();
    ownAddresses_[static_cast<std::size_t>(i)] = box;
  }

  if (network_) return;
  for (QWidget* widget :
       std::initializer_list<QWidget*>{roleChoice_, serverAddressLabel_, serverAddress_, portLabel_,
                                       port_, gamesLabel_, games_, addressButton_, help_}) {
    widget->hide();
  }
}

void StartDialog::ChooseRole(LanRole role) {
  role_ = role;
  const bool client = role == LanRole::Client;
  (client ? clientItem_ : serverItem_)->setChecked(true);
  serverAddress_->setEnabled(client);
  serverAddressLabel_->setEnabled(client);
  serverAddress_->setText(client ? FromFile(Context().settings.ServerIp) : QString());
}

void StartDialog::FilterServerAddressBox() {
  Settings& settings = Context().settings;
  const FilteredBox box = FilterServerAddress(ToFile(serverAddress_->text()), settings.ServerIp,
                                              role_ == LanRole::Client);
  settings.ServerIp = box.remembered;
  if (FromFile(box.text) != serverAddress_->text()) serverAddress_->setText(FromFile(box.text));
  status_->hide();
}

void StartDialog::FilterPortBox() {
  Settings& settings = Context().settings;
  const FilteredBox box = FilterPort(ToFile(port_->text()), settings.ServerPort);
  if (FromFile(box.text) != port_->text()) port_->setText(FromFile(box.text));
  settings.ServerPort = box.remembered;
}

void StartDialog::ShowOwnAddresses() {
  const std::vector<QString> local = ListInterfaceAddresses();
  FillOwnAddresses(ShapeOwnAddresses(local, std::nullopt, {}));
  const std::string& echo = Context().ipEchoAddress;
  if (echo.empty() || !Context().askExternalAddress) return;
  const QString site = QUrl(QString::fromStdString(echo)).host();
  // The answer may come after the dialog has closed.
  Context().askExternalAddress(
      echo, [dialog = QPointer<StartDialog>(this), local, site](const std::string& reply) {
        if (dialog) dialog->FillOwnAddresses(ShapeOwnAddresses(local, reply, site));
      });
}

void StartDialog::FillOwnAddresses(const std::vector<ShownAddress>& shown) {
  for (std::size_t i = 0; i < ownAddresses_.size(); ++i) {
    QLineEdit* box = ownAddresses_[i];
    const bool filled = i < shown.size();
    box->setText(filled ? shown[i].text : QString());
    box->setToolTip(filled ? shown[i].hint : QString());
    box->setVisible(filled);
  }
}

void StartDialog::showEvent(QShowEvent* event) {
  DialogFrame::showEvent(event);
  Box(openingFocus_)->setFocus();
}

QLineEdit* StartDialog::Box(StartField field) const {
  switch (field) {
    case StartField::Password:
      return password_;
    case StartField::Confirmation:
      return confirmation_;
    case StartField::Name:
      break;
  }
  return name_;
}

void StartDialog::Recaption() {
  nameLabel_->setText(Catalogue(MsgEnterYourName));
  passwordLabel_->setText(Catalogue(MsgEnterYourPassword));
  confirmationLabel_->setText(Catalogue(MsgAndOnceAgainForCheck));
  cancel_->setText(Catalogue(MsgCancel));
  serverAddressLabel_->setText(Catalogue(MsgEnterIPOfServer));
  portLabel_->setText(Catalogue(MsgEnterPortOfServer));
  gamesLabel_->setText(Catalogue(MsgNumberGames));
  roleChoice_->setTitle(Catalogue(MsgServerClient));
  serverItem_->setText(Catalogue(MsgServerCreateTheGame));
  clientItem_->setText(Catalogue(MsgClientEntersToGame));
  addressButton_->setText(Catalogue(MsgToReceiveTheIPAddresses));
}

void StartDialog::Confirm() {
  const StartCheck check = CheckStart(
      input_, {ToFile(name_->text()), ToFile(password_->text()), ToFile(confirmation_->text())});
  if (check.lastPlayerName) Context().settings.LastPlayerName = *check.lastPlayerName;
  if (!check.error.empty()) {
    Refuse(QString::fromStdString(check.error), Box(check.focus));
    return;
  }
  const StartDialogResult player{check.playerName, check.password, check.passwordDigits};
  if (network_ && startLan_ && !StartLan(player)) return;
  result_ = player;
  accept();
}

bool StartDialog::StartLan(const StartDialogResult& player) {
  const std::string address = ToFile(serverAddress_->text());
  const std::string port = ToFile(port_->text());
  const bool client = role_ == LanRole::Client;
  if (client && !CheckServerAddress(address)) {
    Refuse(Catalogue(MsgIncorrectIPAddress), serverAddress_);
    return false;
  }
  if (port.empty()) {
    Refuse(Catalogue(MsgIncorrectPort), port_);
    return false;
  }
  status_->hide();
  Settings& settings = Context().settings;
  if (client) settings.ServerIp = address;
  settings.ServerPort = port;
  return startLan_({role_, client ? address : std::string(), port, player});
}

void StartDialog::Refuse(const QString& message, QLineEdit* focus) {
  status_->setText(message);
  QPalette palette = status_->palette();
  palette.setColor(QPalette::WindowText, Design() == 3 ? QColor(255, 96, 96) : QColor(176, 0, 0));
  status_->setPalette(palette);
  status_->show();
  focus->setFocus();
}

bool RunStartDialog(QWidget* parent, DialogContext& context, const StartDialogInput& input,
                    StartDialogResult& result, const LanStarter& startLan) {
  StartDialog dialog(context, input, parent, startLan);
  dialog.exec();
  if (!dialog.Result()) return false;
  result = *dialog.Result();
  return true;
}

std::optional<StartDialogResult> RunChangeName(QWidget* parent, DialogContext& context,
                                               const std::string& playerName) {
  StartDialogInput input;
  input.playerSlot = 6;  // the form of a new player
  input.networkGame = context.settings.NetworkGame;
  input.tableActive = true;
  input.playerName = playerName;
  input.lastPlayerName = context.settings.LastPlayerName;
  input.clubFile = ClubFileInUse(context);
  StartDialogResult entered;
  if (!RunStartDialog(parent, context, input, entered)) return std::nullopt;
  return entered;
}

}  // namespace fibwick
