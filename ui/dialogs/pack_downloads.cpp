#include "ui/dialogs/pack_downloads.h"

#include <QMetaObject>

#include "ui/dialogs/notice_dialog.h"

namespace fibwick {

PackDownloads::PackDownloads(DialogFrame& frame, QRect barRect) : QObject(&frame), frame_(frame) {
  bar_ = new QProgressBar(frame.Content());
  bar_->setGeometry(barRect.adjusted(0, 0, -110, 0));
  bar_->hide();
  cancel_ = frame.AddButton({}, QRect(barRect.right() - 100, barRect.top(), 100, barRect.height()));
  cancel_->hide();
  connect(cancel_, &QAbstractButton::clicked, this, [this] { cancelled_ = true; });
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
    button->setEnabled(!running_ && !context.downloadFolder.empty() &&
                       !PackPresent(context.programFolder, pack));
  }
}

void PackDownloads::Recaption() {
  cancel_->setText(Catalogue(MsgCancel));
}

void PackDownloads::Download(const std::string& pack) {
  if (running_) return;
  const DialogContext& context = frame_.Context();
  running_ = true;
  cancelled_ = false;
  Refresh();
  bar_->setRange(0, 0);
  bar_->show();
  cancel_->show();
  waitCursor_.emplace(context.settings.RedCursor);
  if (worker_.joinable()) worker_.join();
  worker_ = std::thread([this, pack, folder = context.downloadFolder,
                         destination = context.programFolder.parent_path()] {
    const DownloadOutcome outcome =
        DownloadPack(folder, pack, destination, [this](std::int64_t done, std::int64_t total) {
          QMetaObject::invokeMethod(
              this, [this, done, total] { ShowProgress(done, total); }, Qt::QueuedConnection);
          return !cancelled_;
        });
    QMetaObject::invokeMethod(
        this, [this, pack, outcome] { Done(pack, outcome); }, Qt::QueuedConnection);
  });
}

void PackDownloads::ShowProgress(std::int64_t done, std::int64_t total) {
  if (!running_ || total <= 0) return;
  bar_->setRange(0, 1000);
  bar_->setValue(static_cast<int>(done * 1000 / total));
}

void PackDownloads::Done(const std::string& pack, DownloadOutcome outcome) {
  worker_.join();
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
  cancelled_ = true;
  if (worker_.joinable()) worker_.join();
}

}  // namespace fibwick
