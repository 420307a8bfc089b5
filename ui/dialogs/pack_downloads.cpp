#include "ui/dialogs/pack_downloads.h"

#include <QPointer>

#include "ui/dialogs/notice_dialog.h"

namespace fibwick {

PackDownloads::PackDownloads(DialogFrame& frame, QRect barRect) : QObject(&frame), frame_(frame) {
  bar_ = new QProgressBar(frame.Content());
  bar_->setGeometry(barRect.adjusted(0, 0, -110, 0));
  bar_->hide();
  cancel_ = frame.AddButton({}, QRect(barRect.right() - 100, barRect.top(), 100, barRect.height()));
  cancel_->hide();
  connect(cancel_, &QAbstractButton::clicked, this, [this] {
    if (transfer_) transfer_->cancelled = true;
  });
  // A bar redrawn ten times a second looks smooth; the transfer itself never calls the window.
  progressClock_.setInterval(100);
  connect(&progressClock_, &QTimer::timeout, this, &PackDownloads::ShowProgress);
  Recaption();
}

SkinButton* PackDownloads::AddButton(const std::string& pack, const QString& caption,
                                     const QRect& rect, QWidget* parent) {
  SkinButton* button = frame_.AddButton(caption, rect, parent);
  button->setToolTip(Catalogue(MsgDownload) + ' ' + QString::fromStdString(pack));
  connect(button, &QAbstractButton::clicked, this, [this, pack] { Download(pack); });
  buttons_[pack] = button;
  Refresh();
  return button;
}

SkinButton* PackDownloads::Button(const std::string& pack) const {
  const auto found = buttons_.find(pack);
  return found == buttons_.end() ? nullptr : found->second;
}

void PackDownloads::Refresh() {
  const DialogContext& context = frame_.Context();
  for (const auto& [pack, button] : buttons_) {
    button->setEnabled(!running_ && !context.downloadFolder.empty() && context.downloadPack &&
                       !PackPresent(context.programFolder, pack));
  }
}

void PackDownloads::Recaption() {
  cancel_->setText(Catalogue(MsgCancel));
}

void PackDownloads::Download(const std::string& pack) {
  const DialogContext& context = frame_.Context();
  if (running_ || !context.downloadPack) return;
  running_ = true;
  transfer_ = std::make_shared<Transfer>();
  Refresh();
  bar_->setRange(0, 0);
  bar_->show();
  cancel_->show();
  waitCursor_.emplace(context.settings.RedCursor);
  progressClock_.start();
  context.downloadPack(
      context.downloadFolder, pack, context.programFolder.parent_path(),
      [transfer = transfer_](std::int64_t done, std::int64_t total) {
        transfer->done = done;
        transfer->total = total;
        return !transfer->cancelled;
      },
      [downloads = QPointer<PackDownloads>(this), pack](DownloadOutcome outcome) {
        if (downloads) downloads->Done(pack, outcome);
      });
}

void PackDownloads::ShowProgress() {
  const std::int64_t total = transfer_->total;
  if (total <= 0) return;
  bar_->setRange(0, 1000);
  bar_->setValue(static_cast<int>(transfer_->done * 1000 / total));
}

void PackDownloads::Done(const std::string& pack, DownloadOutcome outcome) {
  progressClock_.stop();
  waitCursor_.reset();
  bar_->hide();
  cancel_->hide();
  running_ = false;
  const DialogContext& context = frame_.Context();
  PlaySound(context, outcome == DownloadOutcome::Done ? "WToMenK" : "WWrongs");
  Refresh();
  // A sound alone goes unnoticed where the machine has none.
  if (outcome == DownloadOutcome::Failed) {
    ShowNotice(&frame_, frame_.Context(), Catalogue(MsgDownloadFailed),
               QString::fromStdString(pack));
  }
  emit Finished(outcome);
}

PackDownloads::~PackDownloads() {
  if (transfer_) transfer_->cancelled = true;
}

}  // namespace fibwick
