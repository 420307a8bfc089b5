#include "ui/balloon_hint.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVariantAnimation>

#include "ui/hud.h"

namespace fibwick {
namespace {

constexpr int Margin = 8;
constexpr int TailHeight = 12;
constexpr int TailWidth = 14;
constexpr int IconSize = 16;

QStyle::StandardPixmap IconPixmap(BalloonIcon icon) {
  switch (icon) {
    case BalloonIcon::Warning:
      return QStyle::SP_MessageBoxWarning;
    case BalloonIcon::Error:
      return QStyle::SP_MessageBoxCritical;
    default:
      return QStyle::SP_MessageBoxInformation;
  }
}

QFont BalloonFont(const BalloonStyle& style, bool bold) {
  QFont font(style.fontName);
  font.setPointSize(std::max(1, style.fontSize));
  font.setBold(bold);
  return font;
}

}  // namespace

BalloonHint::BalloonHint(QWidget* owner, QPoint arrow, int width)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint),
      owner_(owner),
      arrowGlobal_(owner != nullptr ? owner->mapToGlobal(arrow) : arrow),
      width_(width) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_TranslucentBackground);
  setAttribute(Qt::WA_ShowWithoutActivating);
  if (owner_) owner_->installEventFilter(this);
}

BalloonHint* BalloonHint::ShowText(const QString& title, const QString& text, QWidget* owner,
                                   QPoint arrow, BalloonIcon icon, const BalloonStyle& style,
                                   int durationMs) {
  auto* balloon = new BalloonHint(owner, arrow, TextWidth);
  balloon->title_ = title;
  balloon->text_ = text;
  balloon->icon_ = icon;
  balloon->style_ = style;
  balloon->Measure();
  balloon->Open(true, durationMs);
  return balloon;
}

BalloonHint* BalloonHint::ShowPicture(const QImage& picture, QWidget* owner, QPoint arrow) {
  auto* balloon = new BalloonHint(owner, arrow, PictureWidth);
  balloon->picture_ = picture.scaledToWidth(PictureWidth - 2 * Margin, Qt::SmoothTransformation);
  balloon->Measure();
  balloon->Open(false, 0);
  return balloon;
}

void BalloonHint::Measure() {
  int bodyHeight = 2 * Margin;
  if (!picture_.isNull()) {
    bodyHeight += picture_.height();
  } else {
    const int textLeft = Margin + (icon_ == BalloonIcon::None ? 0 : IconSize + Margin);
    const int textWidth = width_ - textLeft - Margin;
    const QFontMetrics titleMetrics(BalloonFont(style_, true));
    const QFontMetrics textMetrics(BalloonFont(style_, false));
    const int titleHeight = title_.isEmpty() ? 0 : titleMetrics.height() + Margin / 2;
    const QRect textRect =
        textMetrics.boundingRect(QRect(0, 0, textWidth, 10000), Qt::TextWordWrap, text_);
    bodyHeight +=
        std::max(titleHeight + textRect.height(), icon_ == BalloonIcon::None ? 0 : IconSize);
  }
  fullSize_ = QSize(width_, bodyHeight + TailHeight);

  // Above the spot when there is room on the screen, otherwise below it with the tail up.
  const QScreen* screen = QGuiApplication::screenAt(arrowGlobal_);
  const QRect area =
      screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1 << 16, 1 << 16);
  tailUp_ = arrowGlobal_.y() - fullSize_.height() < area.top();
  const int left = std::clamp(arrowGlobal_.x() - 2 * TailWidth, area.left(),
                              std::max(area.left(), area.right() - width_));
  const int top = tailUp_ ? arrowGlobal_.y() : arrowGlobal_.y() - fullSize_.height();
  fullGeometry_ = QRect(QPoint(left, top), fullSize_);
}

void BalloonHint::Open(bool animated, int durationMs) {
  if (animated) {
    opening_ = new QVariantAnimation(this);
    opening_->setDuration(OpeningMs);
    opening_->setStartValue(0.0);
    opening_->setEndValue(1.0);
    connect(opening_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
      const double k = std::max(0.05, value.toDouble());
      QRect rect(0, 0, std::max(1, static_cast<int>(fullSize_.width() * k)),
                 std::max(1, static_cast<int>(fullSize_.height() * k)));
      rect.moveCenter(fullGeometry_.center());
      setGeometry(rect);
    });
    setGeometry(QRect(fullGeometry_.center(), QSize(1, 1)));
    opening_->start(QAbstractAnimation::DeleteWhenStopped);
  } else {
    setGeometry(fullGeometry_);
  }
  if (durationMs > 0) QTimer::singleShot(durationMs, this, &QWidget::close);
  show();
}

bool BalloonHint::Opening() const {
  return opening_ != nullptr && size() != fullSize_;
}

bool BalloonHint::eventFilter(QObject* watched, QEvent* event) {
  if (watched == owner_ && (event->type() == QEvent::Leave || event->type() == QEvent::Hide)) {
    close();
  }
  return QWidget::eventFilter(watched, event);
}

QRect BalloonHint::BodyRect() const {
  return QRect(0, tailUp_ ? TailHeight : 0, fullSize_.width(), fullSize_.height() - TailHeight);
}

QPainterPath BalloonHint::Outline() const {
  const QRectF body = QRectF(BodyRect()).adjusted(0.5, 0.5, -0.5, -0.5);
  const double tailX = arrowGlobal_.x() - fullGeometry_.left();
  QPainterPath path;
  path.addRoundedRect(body, 8, 8);
  QPainterPath tail;
  if (tailUp_) {
    tail.moveTo(tailX, 0.5);
    tail.lineTo(tailX + TailWidth, body.top() + 1);
    tail.lineTo(tailX + TailWidth / 2.0, body.top() + 1);
  } else {
    tail.moveTo(tailX, fullSize_.height() - 0.5);
    tail.lineTo(tailX + TailWidth, body.bottom() - 1);
    tail.lineTo(tailX + TailWidth / 2.0, body.bottom() - 1);
  }
  tail.closeSubpath();
  return path.united(tail);
}

// Without a compositing manager a translucent window shows black where nothing is painted:
// the window is cut to the balloon's shape.
void BalloonHint::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (fullSize_.isEmpty()) return;
  const QTransform scale =
      QTransform::fromScale(static_cast<double>(width()) / fullSize_.width(),
                            static_cast<double>(height()) / fullSize_.height());
  const QPainterPath outline = scale.map(Outline());
  // The pen's half pixel outside the path belongs to the balloon too.
  QPainterPathStroker pen;
  pen.setWidth(1.0);
  setMask(QRegion(outline.united(pen.createStroke(outline)).toFillPolygon().toPolygon()));
}

void BalloonHint::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  // Drawn at full size and scaled while the balloon opens.
  painter.scale(static_cast<double>(width()) / fullSize_.width(),
                static_cast<double>(height()) / fullSize_.height());
  const QPainterPath path = Outline();
  painter.setPen(QPen(style_.border, 1));
  painter.setBrush(style_.background);
  painter.drawPath(path);

  const QRect inner = BodyRect().adjusted(Margin, Margin, -Margin, -Margin);
  if (!picture_.isNull()) {
    painter.drawImage(inner.topLeft(), picture_);
    return;
  }
  int textLeft = inner.left();
  if (icon_ != BalloonIcon::None) {
    const QIcon icon = QApplication::style()->standardIcon(IconPixmap(icon_));
    icon.paint(&painter, QRect(inner.topLeft(), QSize(IconSize, IconSize)));
    textLeft += IconSize + Margin;
  }
  int y = inner.top();
  if (!title_.isEmpty()) {
    painter.setFont(BalloonFont(style_, true));
    painter.setPen(style_.titleColour);
    painter.drawText(QRect(textLeft, y, inner.right() - textLeft, painter.fontMetrics().height()),
                     Qt::AlignLeft | Qt::AlignTop, title_);
    y += painter.fontMetrics().height() + Margin / 2;
  }
  painter.setFont(BalloonFont(style_, false));
  painter.setPen(style_.textColour);
  painter.drawText(QRect(textLeft, y, inner.right() - textLeft, inner.bottom() - y),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text_);
}

BalloonHint* ShowPhotoHint(const QString& dataFolder, const QString& name, QWidget* strip) {
  const std::optional<QString> path = PhotoHintPath(dataFolder, name);
  if (!path) return nullptr;
  const QImage photo(*path);
  if (photo.isNull()) return nullptr;
  return BalloonHint::ShowPicture(photo, strip, QPoint(strip->width() / 2, 0));
}

}  // namespace fibwick
