#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointer>
#include <QString>
#include <QWidget>

class QVariantAnimation;

// A balloon with a title, a text and an icon whose tail points at a spot of its owner control.
// It opens from its centre, and closes after its time or when the pointer leaves the owner.
namespace fibwick {

enum class BalloonIcon { None, Information, Warning, Error };

struct BalloonStyle {
  QString fontName = QStringLiteral("Comic Sans MS");
  int fontSize = 12;
  QColor titleColour{0, 0, 128};
  QColor textColour{0, 0, 0};
  QColor border{0, 0, 0};
  QColor background{255, 255, 225};
};

class BalloonHint : public QWidget {
  Q_OBJECT

 public:
  static constexpr int TextWidth = 300;
  static constexpr int PictureWidth = 100;
  static constexpr int OpeningMs = 200;

  // Shows a text balloon; arrow is in the owner's coordinates. The balloon deletes itself.
  static BalloonHint* ShowText(const QString& title, const QString& text, QWidget* owner,
                               QPoint arrow, BalloonIcon icon, const BalloonStyle& style,
                               int durationMs);
  // A picture balloon, 100 pixels wide and without the opening animation; it stays until the
  // pointer leaves the owner.
  static BalloonHint* ShowPicture(const QImage& picture, QWidget* owner, QPoint arrow);

  // The size the balloon grows to.
  QSize FullSize() const { return fullSize_; }
  const QString& Title() const { return title_; }
  const QString& Text() const { return text_; }
  bool Opening() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  BalloonHint(QWidget* owner, QPoint arrow, int width);
  void Measure();
  void Open(bool animated, int durationMs);
  QRect BodyRect() const;
  // Body and tail at the full size.
  QPainterPath Outline() const;

  QPointer<QWidget> owner_;
  QPoint arrowGlobal_;
  int width_;
  bool tailUp_ = false;
  QString title_;
  QString text_;
  BalloonIcon icon_ = BalloonIcon::None;
  BalloonStyle style_;
  QImage picture_;
  QSize fullSize_;
  QRect fullGeometry_;
  QVariantAnimation* opening_ = nullptr;
};

// The player's photo over a speech strip, from History/<name>.bmp under the data folder; no
// balloon (null) when there is no such file.
BalloonHint* ShowPhotoHint(const QString& dataFolder, const QString& name, QWidget* strip);

}  // namespace fibwick
