#include "ui/dialogs/pack_downloads.h"

#include <QApplication>

#include "ui/animated_cursor.h"
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

TNuvCardsButton* PackDownloads::AddButton(const std::string& pack, const QString& caption,
                                          const QRect& rect, QWidget* parent) {
  TNuvCardsButton* button = frame_.AddButton(caption, rect, parent);
  button->setToolTip(Catalogue(MsgDownload) + ' ' + QString::fromStdString(pack));
  connect(button, &QAbstractButton::clicked, this, [this, pack] { Download(pack); });
  buttons_[pack] = button;
  Refresh();
  return button;
}

TNuvCardsButton* PackDownloads::Button(const std::string& pack) const {
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
  // The download blocks this thread; the progress calls keep the window and the cursor alive and
  // let "Cancel" be pressed.
  const DownloadOutcome outcome = [&] {
    const WaitCursor wait(context.settings.RedCursor);
    return DownloadPack(context.downloadFolder, pack, context.programFolder.parent_path(),
                        [this](std::int64_t done, std::int64_t total) {
                          if (total > 0) {
                            bar_->setRange(0, 1000);
                            bar_->setValue(static_cast<int>(done * 1000 / total));
                          }
                          QApplication::processEvents();
                          return !cancelled_;
                        });
  }();
  bar_->hide();
  cancel_->hide();
  running_ = false;
  PlaySound(context, outcome == DownloadOutcome::Done ? "WToMenK" : "WWrongs");
  Refresh();
  // A sound alone goes unnoticed where the machine has none.
  if (outcome == DownloadOutcome::Failed) {
    ShowNotice(&frame_, frame_.Context(), Catalogue(MsgDownloadFailed),
               QString::fromStdString(pack));
  }
  emit Finished(outcome);
}

}  // namespace fibwick
