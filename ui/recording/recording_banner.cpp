#include "ui/recording/recording_banner.h"

#include <QPainter>

#include "base/round_even.h"

namespace fibwick {

RecordingBanner::RecordingBanner(QWidget& window) : QWidget(&window) {
  setObjectName("GifBanner");
  setFixedSize(Width, Height);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void RecordingBanner::Show(const QImage& background, const PictureLookup& pictures,
                           const FontRoles& fonts) {
  const QWidget& window = *parentWidget();
  banner_.rect = {RoundEven((window.width() - Width) / 2.0),
                  RoundEven((window.height() - Height) / 2.0), Width, Height};
  ComposeOverBackground(banner_, background, pictures(QStringLiteral("AdvBar3")));
  QPainter painter(&banner_.buffer);
  // The decorative font's name at the size of the serif role.
  painter.setFont(RoleFont(fonts, FontRole::Decor, FontSize(20, fonts, FontRole::Serif), false));
  painter.setPen(QColor(255, 0, 0));
  TextCentred(painter, 0, Width, 10, Catalogue(MsgCreatingAGIF));
  painter.end();
  move(banner_.rect.left, banner_.rect.top);
  show();
  raise();
  update();
}

void RecordingBanner::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, banner_.buffer);
}

}  // namespace fibwick
