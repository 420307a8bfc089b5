#pragma once

#include <QWidget>

#include "ui/builtin_pictures.h"
#include "ui/compose.h"
#include "ui/text_helpers.h"

// "Creating a GIF..." in the middle of the window while a recorded game is being written.
namespace fibwick {

class RecordingBanner final : public QWidget {
 public:
  static constexpr int Width = 175;
  static constexpr int Height = 40;

  explicit RecordingBanner(QWidget& window);

  // Composes the banner over the window's background and shows it centred.
  void Show(const QImage& background, const PictureLookup& pictures, const FontRoles& fonts);
  const QImage& Picture() const { return banner_.buffer; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PictureControl banner_;
};

}  // namespace fibwick
