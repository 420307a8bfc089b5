#pragma once

#include <QString>
#include <QStringList>

#include "ui/dialogs/dialog_frame.h"

// A question with the answers "Yes" and "No", in the look of the notices.
namespace fibwick {

class QuestionDialog : public DialogFrame {
  Q_OBJECT

 public:
  // The question's own line breaks start new lines.
  QuestionDialog(DialogContext& context, const QString& question, QWidget* parent);

  const QStringList& Lines() const { return lines_; }
  SkinButton* YesButton() const { return yes_; }
  SkinButton* NoButton() const { return no_; }

 protected:
  void Recaption() override;

 private:
  QStringList lines_;
  SkinButton* yes_ = nullptr;
  SkinButton* no_ = nullptr;
};

// Modal, centred on the parent. True for "Yes"; "No", Esc and closing the window say no.
bool AskQuestion(QWidget* parent, DialogContext& context, const QString& question);

}  // namespace fibwick
