#pragma once

#include <QString>
#include <QStringList>

#include "ui/dialogs/dialog_frame.h"

// The attention dialog every notice of the program goes through.
namespace fibwick {

class NoticeDialog : public DialogFrame {
  Q_OBJECT

 public:
  // Empty lines are left out; a catalogue text's own line breaks start new lines.
  NoticeDialog(DialogContext& context, const QString& message, const QString& second,
               const QString& link, QWidget* parent);

  QString Title() const override;
  const QStringList& Lines() const { return lines_; }
  QLabel* LinkLabel() const { return link_; }
  SkinButton* OkButton() const { return ok_; }

 private:
  QStringList lines_;
  QLabel* link_ = nullptr;
  SkinButton* ok_ = nullptr;
};

// The lines a notice shows, in order.
QStringList NoticeLines(const QString& message, const QString& second, const QString& link);

// The body notices and questions share: their sign at the left, one label per line beside it,
// from the top of the content, then a gap and one row of buttons. PlaceMessageLines returns the
// y below the last line.
enum class MessageSign { Attention, Question };
inline constexpr int MessageButtonGap = 16;
inline constexpr int MessageButtonHeight = 30;
QSize MessageContentSize(const QStringList& lines);
int PlaceMessageLines(QWidget& content, const QStringList& lines, MessageSign sign);

// Modal, centred on the parent; Esc or "Ok" closes it, a click on the link opens it.
void ShowNotice(QWidget* parent, DialogContext& context, const QString& message,
                const QString& second = {}, const QString& link = {});

}  // namespace fibwick
