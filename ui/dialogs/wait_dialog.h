#pragma once

#include <QLabel>
#include <QTimer>
#include <functional>

#include "ui/dialogs/dialog_frame.h"

// The wait window of a LAN start: a server waits for its client, a client for its server.
namespace fibwick {

class FilmView;

class WaitDialog : public DialogFrame {
  Q_OBJECT

 public:
  static constexpr int TickMs = 1000;

  WaitDialog(DialogContext& context, QWidget* parent);

  // Before the wait: the state line text, the connected line hidden, Ok disabled, Cancel
  // enabled; `clientConnecting` is ClientConnecting.
  void Prepare(const QString& stateLine, bool clientConnecting);
  void SetClientConnecting(bool connecting);
  bool ClientConnecting() const { return clientConnecting_; }
  void SetStateLine(const QString& text);
  // The server's client has said hello: the connected line shown, Ok enabled, Cancel disabled.
  void ShowConnected();
  // Modal; true when closed with Ok or Finish(true) (StartConfirmed).
  bool Run();
  // Closes the window from the program (the client got its welcome, or the link failed).
  void Finish(bool confirmed);

  // Runs when Cancel closes the window: the program closes its socket, TurnState 0.
  std::function<void()> onCancel;

  QLabel* StateLine() const { return stateLine_; }
  QLabel* ConnectedLine() const { return connectedLine_; }
  SkinButton* OkButton() const { return ok_; }
  SkinButton* CancelButton() const { return cancel_; }
  FilmView* Picture() const { return picture_; }

  // Escape and the window's close box count as Cancel while Cancel is offered.
  void reject() override;

 protected:
  void Recaption() override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Tick();
  void Cancel();

  QLabel* stateLine_ = nullptr;
  QLabel* connectedLine_ = nullptr;
  FilmView* picture_ = nullptr;
  SkinButton* ok_ = nullptr;
  SkinButton* cancel_ = nullptr;
  QTimer timer_;
  bool clientConnecting_ = false;
  bool confirmed_ = false;
};

}  // namespace fibwick
