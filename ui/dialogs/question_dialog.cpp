#include "ui/dialogs/question_dialog.h"

#include "ui/dialogs/notice_dialog.h"

namespace fibwick {

QuestionDialog::QuestionDialog(DialogContext& context, const QString& question, QWidget* parent)
    : DialogFrame(context, {"GCap430", "GLenta380x120", "", "", "", ""}, MsgWindowTitle,
                  MessageContentSize(NoticeLines(question, {}, {})), parent),
      lines_(NoticeLines(question, {}, {})) {
  const int top = PlaceMessageLines(*Content(), lines_, MessageSign::Question) + MessageButtonGap;
  const int half = (Content()->width() - 15) / 2;
  yes_ = AddButton({}, QRect(5, top, half, MessageButtonHeight));
  no_ = AddButton({}, QRect(Content()->width() - 5 - half, top, half, MessageButtonHeight));
  connect(yes_, &QAbstractButton::clicked, this, &QDialog::accept);
  connect(no_, &QAbstractButton::clicked, this, &QDialog::reject);
  // The questions ask whether to throw a game away: a stray key must not say yes.
  no_->setFocus();
  SetDefaultButton(no_);
}

void QuestionDialog::Recaption() {
  yes_->setText(Catalogue(MsgAnswerYes));
  no_->setText(Catalogue(MsgAnswerNo));
}

bool AskQuestion(QWidget* parent, DialogContext& context, const QString& question) {
  QuestionDialog dialog(context, question, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace fibwick
