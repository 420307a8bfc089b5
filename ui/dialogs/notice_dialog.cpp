#include "ui/dialogs/notice_dialog.h"

#include <QDesktopServices>
#include <QPainter>
#include <QPainterPath>
#include <QUrl>

#include "ui/dialogs/fixed_texts.h"

namespace fibwick {
namespace {

constexpr int LineTop = 14;
constexpr int LineHeight = 30;

QStringList SplitLines(const QString& text) {
  QStringList lines;
  for (QString line : text.split('\n')) lines << line.remove('\r');
  return lines;
}

// The sign at the left of the lines, where the original box had its icon.
class Sign : public QWidget {
 public:
  Sign(MessageSign sign, QWidget* parent) : QWidget(parent), sign_(sign) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (sign_ == MessageSign::Question) {
      PaintQuestion(p);
    } else {
      PaintAttention(p);
    }
  }

 private:
  static void PaintAttention(QPainter& p) {
    QPainterPath triangle;
    triangle.moveTo(20, 2);
    triangle.lineTo(38, 34);
    triangle.lineTo(2, 34);
    triangle.closeSubpath();
    p.setPen(QPen(QColor(150, 100, 0), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 204, 0));
    p.drawPath(triangle);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 0));
    p.drawRoundedRect(QRectF(18, 11, 4, 14), 2, 2);
    p.drawEllipse(QPointF(20, 29.5), 2.2, 2.2);
  }

  static void PaintQuestion(QPainter& p) {
    p.setPen(QPen(QColor(20, 60, 140), 1.5));
    p.setBrush(QColor(60, 120, 210));
    p.drawEllipse(QRectF(3, 1, 34, 34));
    QPainterPath mark;
    mark.moveTo(14.5, 13.5);
    mark.cubicTo(14.5, 6, 26, 6, 26, 13);
    mark.cubicTo(26, 17.5, 20, 18, 20, 23);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(20, 29), 2.4, 2.4);
  }

  MessageSign sign_;
};

}  // namespace

QStringList NoticeLines(const QString& message, const QString& second, const QString& link) {
  QStringList lines;
  for (const QString& text : {message, second, link}) {
    if (!text.isEmpty()) lines << SplitLines(text);
  }
  return lines;
}

QSize MessageContentSize(const QStringList& lines) {
  return {NoticeClientWidth(lines), LineTop + LineHeight * static_cast<int>(lines.size()) +
                                        MessageButtonGap + MessageButtonHeight + 8};
}

int PlaceMessageLines(QWidget& content, const QStringList& lines, MessageSign sign) {
  (new Sign(sign, &content))->setGeometry(10, LineTop, 40, 36);
  int y = LineTop;
  for (const QString& line : lines) {
    auto* label = new QLabel(line, &content);
    label->setFont(NoticeFont());
    label->setGeometry(NoticeTextLeft, y, content.width() - NoticeTextLeft - 5, LineHeight);
    y += LineHeight;
  }
  return y;
}

NoticeDialog::NoticeDialog(DialogContext& context, const QString& message, const QString& second,
                           const QString& link, QWidget* parent)
    : DialogFrame(context, {"GCap430", "GLenta380x120", "", "", "", ""}, MsgCantFindTheFile,
                  MessageContentSize(NoticeLines(message, second, link)), parent),
      lines_(NoticeLines(message, second, link)) {
  const int width = Content()->width();
  int y = PlaceMessageLines(*Content(), NoticeLines(message, second, {}), MessageSign::Attention);
  if (!link.isEmpty()) {
    link_ = new QLabel(QStringLiteral("<a href=\"%1\" style=\"color:blue\">%2</a>")
                           .arg(link.toHtmlEscaped(), link.toHtmlEscaped()),
                       Content());
    QFont font = NoticeFont();
    font.setUnderline(true);
    link_->setFont(font);
    link_->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    link_->setCursor(context.handCursor);
    link_->setGeometry(NoticeTextLeft, y, width - NoticeTextLeft - 5, LineHeight);
    connect(link_, &QLabel::linkActivated, this,
            [](const QString& url) { QDesktopServices::openUrl(QUrl::fromUserInput(url)); });
    y += LineHeight;
  }
  ok_ =
      AddButton(OkText, QRect(5, y + MessageButtonGap, NoticeOkWidth(width), MessageButtonHeight));
  connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
  ok_->setFocus();
}

QString NoticeDialog::Title() const {
  return AttentionText;
}

void ShowNotice(QWidget* parent, DialogContext& context, const QString& message,
                const QString& second, const QString& link) {
  NoticeDialog notice(context, message, second, link, parent);
  notice.exec();
}

}  // namespace fibwick
