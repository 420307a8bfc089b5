#pragma once

#include <QProgressBar>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "online/pack_download.h"
#include "ui/animated_cursor.h"
#include "ui/dialogs/dialog_frame.h"

// The download buttons of the options dialog's pack tabs and the bar that follows a download.
namespace fibwick {

// Every pack a button offers, as the download folder names it.
inline constexpr const char* DownloadablePacks[] = {
    "NuvCards06A.dll", "NuvCards06B.dll", "NuvCards06C.dll", "NuvBackG03.dll", "NuvCalendar01.dll",
    "NuvRadio.rad",    "NuvRadio02.dll",  "NuvCVoice3.dll",  "NuvCGraph1.dll"};

class PackDownloads : public QObject {
  Q_OBJECT

 public:
  // The bar and its "Cancel" button stand in `barRect` of the frame's content while a download
  // runs.
  PackDownloads(DialogFrame& frame, QRect barRect);
  // A download still running is cancelled; nothing waits for it.
  ~PackDownloads() override;

  SkinButton* AddButton(const std::string& pack, const QString& caption, const QRect& rect,
                        QWidget* parent);
  // A button is enabled while its pack is in neither the program's folder nor the one above.
  void Refresh();
  void Recaption();

  SkinButton* Button(const std::string& pack) const;
  QProgressBar* Bar() const { return bar_; }
  SkinButton* CancelButton() const { return cancel_; }
  bool Running() const { return running_; }

 signals:
  void Finished(DownloadOutcome outcome);

 private:
  // What a download running off the window's thread shares with it.
  struct Transfer {
    std::atomic<std::int64_t> done = 0;
    std::atomic<std::int64_t> total = 0;
    std::atomic<bool> cancelled = false;
  };

  // Runs off the window's thread; the bar reads its progress on the window's clock, its end
  // comes back through the event loop.
  void Download(const std::string& pack);
  void ShowProgress();
  void Done(const std::string& pack, DownloadOutcome outcome);

  DialogFrame& frame_;
  std::map<std::string, SkinButton*> buttons_;
  QProgressBar* bar_ = nullptr;
  SkinButton* cancel_ = nullptr;
  bool running_ = false;
  std::shared_ptr<Transfer> transfer_;
  QTimer progressClock_;
  std::optional<WaitCursor> waitCursor_;
};

}  // namespace fibwick
