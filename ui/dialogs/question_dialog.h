#pragma once

#include <QString>
#include <QStringList>

#include "ui/dialogs/dialog_frame.h"

// A question with the answers "Yes" and "No", in the look of the notices.
namespace fibwick {

class TFormQuestion : public DialogFrame {
  Q_OBJECT

 public:
  // The question's own line breaks start new lines.
  TFormQuestion(DialogContext& context, const QString& question, QWidget* parent);

  const QStringList& Lines() const { return lines_; }
  TNuvCardsButton* YesButton() const { return yes_; }
  TNuvCardsButton* NoButton() const { return no_; }

 protected:
  void Recaption() override;

 private:
  QStringList lines_;
  TNuvCardsButton* yes_ = nullptr;
  TNuvCardsButton* no_ = nullptr;
};

// Modal, centred on the parent. True for "Yes"; "No", Esc and closing the window say no.
bool AskQuestion(QWidget* parent, DialogContext& context, const QString& question);

}  // namespace fibwick
