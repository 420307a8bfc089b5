#include "ui/dialogs/wait_dialog.h"

#include "ui/dialogs/film_view.h"
#include "ui/dialogs/fixed_texts.h"

namespace fibwick {
namespace {

constexpr int Width = 540;
constexpr int Height = 70;
constexpr int TextLeft = 72;
constexpr int TextWidth = 336;
constexpr int ButtonLeft = 418;
constexpr int ButtonWidth = Width - ButtonLeft - 8;

}  // namespace

WaitDialog::WaitDialog(DialogContext& context, QWidget* parent)
    : DialogFrame(context, PicturesOf(DialogArt::Wait), MsgPleaseWaitNet, QSize(Width, Height),
                  parent) {
  picture_ = new FilmView(context.sources.builtin, "GWait", true, context.settings.GifAnimation, 1,
                          Content());
  picture_->move(12, (Height - picture_->height()) / 2);
  stateLine_ = AddLabel({}, QRect(TextLeft, 4, TextWidth, 30));
  connectedLine_ = AddLabel({}, QRect(TextLeft, 36, TextWidth, 30));
  connectedLine_->hide();
  ok_ = AddButton(OkText, QRect(ButtonLeft, 2, ButtonWidth, 32));
  cancel_ = AddButton({}, QRect(ButtonLeft, 36, ButtonWidth, 32));
  connect(ok_, &QAbstractButton::clicked, this, [this] { Finish(true); });
  connect(cancel_, &QAbstractButton::clicked, this, &WaitDialog::Cancel);
  timer_.setInterval(TickMs);
  connect(&timer_, &QTimer::timeout, this, &WaitDialog::Tick);
}

void WaitDialog::Prepare(const QString& stateLine, bool clientConnecting) {
  SetStateLine(stateLine);
  connectedLine_->hide();
  ok_->setEnabled(false);
  cancel_->setEnabled(true);
  clientConnecting_ = clientConnecting;
}

void WaitDialog::SetClientConnecting(bool connecting) {
  clientConnecting_ = connecting;
}

void WaitDialog::SetStateLine(const QString& text) {
  stateLine_->setText(text);
  stateLine_->setFont(FitFont(LabelFont(), text, stateLine_->width()));
}

void WaitDialog::ShowConnected() {
  connectedLine_->show();
  ok_->setEnabled(true);
  cancel_->setEnabled(false);
}

bool WaitDialog::Run() {
  confirmed_ = false;
  exec();
  return confirmed_;
}

void WaitDialog::Finish(bool confirmed) {
  confirmed_ = confirmed;
  done(confirmed ? Accepted : Rejected);
}

void WaitDialog::reject() {
  if (cancel_->isEnabled()) Cancel();
}

void WaitDialog::Cancel() {
  if (onCancel) onCancel();
  Finish(false);
}

void WaitDialog::Tick() {
  // The client hears nothing until the server's welcome, which closes the window.
  if (clientConnecting_) SetStateLine(Catalogue(MsgThereAreNoAccessibleGames));
}

void WaitDialog::Recaption() {
  connectedLine_->setText(Catalogue(MsgTheSecondPlayerWasConnected));
  connectedLine_->setFont(FitFont(LabelFont(), connectedLine_->text(), connectedLine_->width()));
  cancel_->setText(Catalogue(MsgCancel));
}

void WaitDialog::showEvent(QShowEvent* event) {
  DialogFrame::showEvent(event);
  timer_.start();
}

void WaitDialog::hideEvent(QHideEvent* event) {
  timer_.stop();
  DialogFrame::hideEvent(event);
}

}  // namespace fibwick
