#pragma once

#include <QPoint>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "app/qt_table_view.h"
#include "app/screen_kit.h"
#include "game/table_events.h"
#include "ui/flight_overlay.h"
#include "ui/hud.h"

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace fibwick {

// The game table: the hands, the speech strips, the pile, the claim plate and the three action
// buttons, with the view through which the rules' events draw on them.
class TableScreen {
 public:
  TableScreen(QWidget& window, ScreenKit kit, TableViewHooks hooks);
  ~TableScreen();

  QtTableView& View() { return *view_; }
  const QtTableView& View() const { return *view_; }
  SkinButton* Button(ActionButton button) const;

  // Places and clears everything for the current layout and settings; the chat line is typed
  // only in network games.
  void Layout(bool chatEntry);
  void SetVisible(bool visible);

  QLineEdit* ChatEdit() const { return edit_; }
  QAbstractButton* SendButton() const { return send_; }
  // A chat line under its sender's digit: 1 and 3 the server's side, 2 and 4 the client's.
  void ShowChatLine(int author, const QString& text);
  void EnableChat(bool enabled);
  const MessageStrip& ChatLines() const { return strip_; }
  PixelRect ChatRect() const { return memo_.rect; }

  const std::vector<PictureControl*>& Controls() const { return controls_; }
  PixelRect HandRect(int seat) const { return hands_[static_cast<std::size_t>(seat - 1)].rect; }
  PixelRect ClaimPlateRect() const { return claimPlate_.rect; }
  PixelRect PileRect() const { return pile_.rect; }
  bool Flying() const { return flights_->Active(); }
  // The local player's card under a point of the window, 0 for none.
  int LocalCardAt(const QPoint& p) const;
  // The seat whose hand is under a point, 0 for none.
  int HandAt(const QPoint& p) const;
  bool OverClaimPlate(const QPoint& p) const;
  // The places (from 0, in the order put) of the first `count` pile cards whose picture holds
  // the point, its edges included.
  std::vector<int> PileCardsAt(const QPoint& p, int count) const;
  // Over the hands or the pile, where no popup menu opens.
  bool OverCards(const QPoint& p) const;

  std::vector<int> DrawHand(int seat, const std::vector<CardCode>& cards, bool faces,
                            std::uint64_t selected);
  // The last put is marked when the player asked for that.
  void DrawPile(const std::vector<CardCode>& cards, bool faces, int lastPut);
  void ClearPile();
  void DrawClaimPlate(char claimRank);
  void ShowSpeech(int seat, const QString& text, char colour);
  void ShowResult(const QString& text);
  void ShowWaitBanner(const QString& text);
  void SetButton(ActionButton button, const QString& caption, bool enabled, bool visible);
  void EnableButton(ActionButton button, bool enabled);
  // The language the table speaks.
  int Language() const { return kit_.settings.Language; }
  // Draws at once what the pause is to show.
  void Repaint();
  // Flies cards over the table as it stands now; a card leaving a hand starts where that hand's
  // cards stood before its last redraw (`handsBefore`). `landed` runs once all have arrived.
  void Fly(const std::vector<Flight>& flights,
           const std::array<std::vector<int>, SeatCount>& handsBefore, double factor,
           std::function<void()> landed);
  // A flight cut short when the table is left.
  void StopFlights();

 private:
  void Update(const PictureControl& control);

  QWidget& window_;
  ScreenKit kit_;
  std::array<PictureControl, SeatCount> hands_, says_;
  PictureControl pile_, claimPlate_, memo_;
  MessageStrip strip_;
  bool chatEntry_ = false;
  std::vector<PictureControl*> controls_;
  // Skinned buttons, named as the window's controls.
  SkinButton* challenge_;
  SkinButton* put_;
  SkinButton* pass_;
  QLineEdit* edit_;
  QAbstractButton* send_;
  FlightOverlay* flights_;
  std::unique_ptr<QtTableView> view_;
};

}  // namespace fibwick
