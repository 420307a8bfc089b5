#pragma once

#include <QLineEdit>
#include <optional>
#include <string>

#include "records/start_rules.h"
#include "ui/dialogs/dialog_frame.h"

// The start dialog: a club member's password, or a new player's name and password twice.
namespace fibwick {

struct StartDialogResult {
  std::string playerName;  // Windows-1251; a new player's is padded to 20
  std::string password;    // as typed
  std::string passwordDigits;
};

class TFormPassword : public DialogFrame {
  Q_OBJECT

 public:
  TFormPassword(DialogContext& context, StartDialogInput input, QWidget* parent);

  QLineEdit* NameBox() const { return name_; }
  QLineEdit* PasswordBox() const { return password_; }
  QLineEdit* ConfirmationBox() const { return confirmation_; }
  QLabel* NameLabel() const { return nameLabel_; }
  QLabel* PasswordLabel() const { return passwordLabel_; }
  QLabel* ConfirmationLabel() const { return confirmationLabel_; }
  QLabel* StatusLine() const { return status_; }
  TNuvCardsButton* OkButton() const { return ok_; }
  TNuvCardsButton* CancelButton() const { return cancel_; }

  // Set once an entry was accepted; StartConfirmed is its having a value.
  const std::optional<StartDialogResult>& Result() const { return result_; }

  // "Ok" and Enter in any of the three boxes.
  void Confirm();

 protected:
  void Recaption() override;
  void showEvent(QShowEvent* event) override;

 private:
  QLineEdit* Box(StartField field) const;

  StartDialogInput input_;
  StartField openingFocus_ = StartField::Name;
  QLabel* nameLabel_ = nullptr;
  QLabel* passwordLabel_ = nullptr;
  QLabel* confirmationLabel_ = nullptr;
  QLabel* status_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLineEdit* password_ = nullptr;
  QLineEdit* confirmation_ = nullptr;
  TNuvCardsButton* ok_ = nullptr;
  TNuvCardsButton* cancel_ = nullptr;
  std::optional<StartDialogResult> result_;
};

// Modal; true when the entry was accepted (StartConfirmed). LastPlayerName in the settings follows
// every "Ok" that found a name.
bool RunStartDialog(QWidget* parent, DialogContext& context, const StartDialogInput& input,
                    StartDialogResult& result);

// "To change a name" during a game: the start dialog asks a new name and password, offering the
// current name. Nothing when cancelled; the caller changes the club file.
std::optional<StartDialogResult> RunChangeName(QWidget* parent, DialogContext& context,
                                               const std::string& playerName);

}  // namespace fibwick
