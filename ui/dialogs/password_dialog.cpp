#include "ui/dialogs/password_dialog.h"

#include <QProxyStyle>
#include <QShowEvent>

#include "base/cp1251.h"
#include "base/fixed_field.h"
#include "records/club_members.h"
#include "ui/dialogs/film_view.h"
#include "ui/dialogs/fixed_texts.h"
#include "ui/dialogs/notice_dialog.h"

namespace fibwick {
namespace {

constexpr int Width = 440;
constexpr int Left = 20;
constexpr int BoxHeight = 32;
constexpr int LabelHeight = 28;
// The two password labels leave room for the padlock on their right.
constexpr int SecretLabelWidth = 310;

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

TFormPassword::TFormPassword(DialogContext& context, StartDialogInput input, QWidget* parent)
    : DialogFrame(context, {"GCap300", "GLenta280x090", "GFormPw", "GFormPwL", "", ""}, MsgWelcome,
                  QSize(Width, 296), parent),
      input_(std::move(input)) {
  auto* mask = new HashMaskStyle;
  mask->setParent(this);
  const auto box = [&](int y, int width, int limit) {
    auto* edit = new QLineEdit(Content());
    edit->setGeometry(Left, y, width, BoxHeight);
    edit->setMaxLength(limit);
    edit->setFont(LabelFont());
    connect(edit, &QLineEdit::returnPressed, this, &TFormPassword::Confirm);
    return edit;
  };
  nameLabel_ = AddLabel({}, QRect(Left, 6, Width - 2 * Left, LabelHeight));
  name_ = box(34, Width - 2 * Left, LocalNameLimit);
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
  status_ = AddLabel({}, QRect(Left, 208, Width - 2 * Left, LabelHeight), Qt::AlignCenter);
  ok_ = AddButton(OkText, QRect(Left, 248, 190, 36));
  cancel_ = AddButton({}, QRect(Width - Left - 190, 248, 190, 36));
  connect(ok_, &QAbstractButton::clicked, this, &TFormPassword::Confirm);
  connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);

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
  status_->hide();
}

void TFormPassword::showEvent(QShowEvent* event) {
  DialogFrame::showEvent(event);
  Box(openingFocus_)->setFocus();
}

QLineEdit* TFormPassword::Box(StartField field) const {
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

void TFormPassword::Recaption() {
  nameLabel_->setText(Catalogue(MsgEnterYourName));
  passwordLabel_->setText(Catalogue(MsgEnterYourPassword));
  confirmationLabel_->setText(Catalogue(MsgAndOnceAgainForCheck));
  cancel_->setText(Catalogue(MsgCancel));
  for (QLabel* label : {passwordLabel_, confirmationLabel_}) {
    label->setFont(FitFont(LabelFont(), label->text(), label->width()));
  }
}

void TFormPassword::Confirm() {
  const StartCheck check = CheckStart(
      input_, {ToFile(name_->text()), ToFile(password_->text()), ToFile(confirmation_->text())});
  if (check.lastPlayerName) Context().settings.LastPlayerName = *check.lastPlayerName;
  if (!check.error.empty()) {
    status_->setText(QString::fromStdString(check.error));
    QPalette palette = status_->palette();
    palette.setColor(QPalette::WindowText, Design() == 3 ? QColor(255, 96, 96) : QColor(176, 0, 0));
    status_->setPalette(palette);
    status_->show();
    Box(check.focus)->setFocus();
    return;
  }
  result_ = StartDialogResult{check.playerName, check.password, check.passwordDigits};
  accept();
}

bool RunStartDialog(QWidget* parent, DialogContext& context, const StartDialogInput& input,
                    StartDialogResult& result) {
  TFormPassword dialog(context, input, parent);
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
