#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "game/game_state.h"
#include "records/start_rules.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/dialogs/own_addresses.h"

// The start dialog: a club member's password, or a new player's name and password twice; with
// the network game on, also the role and the link of a LAN game.
namespace fibwick {

struct StartDialogResult {
  std::string playerName;  // Windows-1251; a new player's is padded to 20
  std::string password;    // as typed
  std::string passwordDigits;
};

struct LanSetup {
  LanRole role = LanRole::Server;
  std::string address;       // client role: the server's address as typed
  std::string port;          // the port box, digits
  StartDialogResult player;  // the accepted name and password
};

// Starts listening or connecting and shows the wait window modally; true when the wait closed
// with StartConfirmed (the start dialog then closes and RunStartDialog returns true).
using LanStarter = std::function<bool(const LanSetup&)>;

class StartDialog : public DialogFrame {
  Q_OBJECT

 public:
  // Without a starter (a change of name) "Ok" stops after the name and the password.
  StartDialog(DialogContext& context, StartDialogInput input, QWidget* parent,
              LanStarter startLan = {});

  QLineEdit* NameBox() const { return name_; }
  QLineEdit* PasswordBox() const { return password_; }
  QLineEdit* ConfirmationBox() const { return confirmation_; }
  QLabel* NameLabel() const { return nameLabel_; }
  QLabel* PasswordLabel() const { return passwordLabel_; }
  QLabel* ConfirmationLabel() const { return confirmationLabel_; }
  QLabel* StatusLine() const { return status_; }
  SkinButton* OkButton() const { return ok_; }
  SkinButton* CancelButton() const { return cancel_; }

  // The network layout.
  QLineEdit* ServerAddressBox() const { return serverAddress_; }
  QLabel* ServerAddressLabel() const { return serverAddressLabel_; }
  QLineEdit* PortBox() const { return port_; }
  QSpinBox* GamesBox() const { return games_; }
  QLabel* GamesLabel() const { return gamesLabel_; }
  QGroupBox* RoleChoice() const { return roleChoice_; }
  QRadioButton* ServerItem() const { return serverItem_; }
  QRadioButton* ClientItem() const { return clientItem_; }
  SkinButton* AddressButton() const { return addressButton_; }
  SkinButton* HelpButton() const { return help_; }
  // Left column top to bottom, then the right one.
  QLineEdit* OwnAddressBox(int index) const {
    return ownAddresses_[static_cast<std::size_t>(index)];
  }
  // NetRole as the role choice stands.
  LanRole Role() const { return role_; }

  // Set once an entry was accepted; StartConfirmed is its having a value.
  const std::optional<StartDialogResult>& Result() const { return result_; }

  // "Ok" and Enter in any of the three boxes.
  void Confirm();
  // "To receive the IP-addresses": fills the address boxes; blocks while the echo page answers.
  // The interfaces' addresses at once; the external one joins them when the echo page answers.
  void ShowOwnAddresses();
  void FillOwnAddresses(const std::vector<ShownAddress>& shown);

 protected:
  void Recaption() override;
  void showEvent(QShowEvent* event) override;

 private:
  QLineEdit* Box(StartField field) const;
  void BuildNetworkControls();
  void ChooseRole(LanRole role);
  void FilterServerAddressBox();
  void FilterPortBox();
  void Refuse(const QString& message, QLineEdit* focus);
  // The LAN steps of "Ok" once the name and password passed; false when the dialog stays open.
  bool StartLan(const StartDialogResult& player);

  StartDialogInput input_;
  LanStarter startLan_;
  bool network_ = false;
  LanRole role_ = LanRole::Server;
  StartField openingFocus_ = StartField::Name;
  QLabel* nameLabel_ = nullptr;
  QLabel* passwordLabel_ = nullptr;
  QLabel* confirmationLabel_ = nullptr;
  QLabel* status_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLineEdit* password_ = nullptr;
  QLineEdit* confirmation_ = nullptr;
  SkinButton* ok_ = nullptr;
  SkinButton* cancel_ = nullptr;
  QLabel* serverAddressLabel_ = nullptr;
  QLineEdit* serverAddress_ = nullptr;
  QLabel* portLabel_ = nullptr;
  QLineEdit* port_ = nullptr;
  QLabel* gamesLabel_ = nullptr;
  QSpinBox* games_ = nullptr;
  QGroupBox* roleChoice_ = nullptr;
  QRadioButton* serverItem_ = nullptr;
  QRadioButton* clientItem_ = nullptr;
  SkinButton* addressButton_ = nullptr;
  SkinButton* help_ = nullptr;
  std::array<QLineEdit*, OwnAddressBoxCount> ownAddresses_{};
  std::optional<StartDialogResult> result_;
};

// Modal; true when the entry was accepted (StartConfirmed). LastPlayerName in the settings follows
// every "Ok" that found a name. In the network layout "Ok" hands the LAN start to `startLan`.
bool RunStartDialog(QWidget* parent, DialogContext& context, const StartDialogInput& input,
                    StartDialogResult& result, const LanStarter& startLan = {});

// "To change a name" during a game: the start dialog asks a new name and password, offering the
// current name. Nothing when cancelled; the caller changes the club file.
std::optional<StartDialogResult> RunChangeName(QWidget* parent, DialogContext& context,
                                               const std::string& playerName);

}  // namespace fibwick
