// The game table of TForm1 and the view through which the rules draw on it.
#include <QEventLoop>
#include <QPainter>

#include "app/tform1.h"
#include "base/cp1251.h"
#include "records/catalogue.h"
#include "ui/card_drawing.h"
#include "ui/hud.h"
#include "ui/skin_button.h"
#include "ui/dialogs/rank_dialog.h"

namespace fibwick {
namespace {

std::vector<CardCode> CardsOf(const Hand& hand, int count) {
  std::vector<CardCode> cards;
  for (int p = 1; p <= count; ++p) cards.push_back(hand[p]);
  return cards;
}

}  // namespace

void TForm1::LayoutTable() {
  const TableGeometry g = LayoutTableGeometry(layout_);
  for (int seat = 1; seat <= SeatCount; ++seat) {
    const auto i = static_cast<std::size_t>(seat - 1);
    hands_[i].rect = g.seats[i].hand;
    hands_[i].rect.height = g.seats[i].hand.width > 0 ? layout_.cardHeight : 0;
    says_[i].rect = g.seats[i].strip;
    FillWithBackground(hands_[i], background_);
    FillWithBackground(says_[i], background_);
  }
  imageStol_.rect = g.pile;
  imageKon_.rect = g.claimPlate;
  FillWithBackground(imageStol_, background_);
  const bool purple = settings_.TableDesign == 1;
  const int bh = ButtonHeight(layout_);
  const QFont bigFont = RoleFont(fonts_, FontRole::Decor, MainButtonFontHeight(layout_, fonts_), true);
  const QFont passFont = RoleFont(fonts_, FontRole::Serif, MainButtonFontHeight(layout_, fonts_), true);
  // The action buttons stand in a column under the claim plate, beside the local hand.
  const int x = PlaceX(layout_, 585, 150);
  const int w = Scaled(layout_, 150);
  const int top = imageKon_.rect.Bottom() + Scaled(layout_, 20);
  int row = 0;
  for (const int b : {7, 8, 12}) {
    TNuvCardsButton* button = buttons_[static_cast<std::size_t>(b)];
    button->setGeometry(x, top + row++ * (bh + Scaled(layout_, 5)), w, bh);
    button->SetColorSB(purple ? TColorSB::DCards : TColorSB::DRed);
    button->SetFontColour(purple ? QColor(200, 175, 50) : QColor(255, 255, 255));
    button->SetColorMouse(QColor(255, 255, 0));
    button->setFont(b == 12 ? passFont : bigFont);
    button->SetGrayDis(true);  // the player must see which answers are open
  }
  ShowScreen(Screen::Table);
}

void QtTableView::ShowTable(const GameState&) {
  form_.LayoutTable();
  for (QAction* action : {form_.actCount_, form_.actExit_, form_.actRename_}) action->setEnabled(true);
}

void QtTableView::RedrawHand(const GameState& state, int seat, bool faces) {
  PictureControl& hand = form_.hands_[static_cast<std::size_t>(seat - 1)];
  auto& positions = positions_[static_cast<std::size_t>(seat - 1)];
  positions = fibwick::RedrawHand(hand, form_.background_, form_.art_, form_.layout_,
                                  CardsOf(state.SeatHand[seat], state.SeatCardCount[seat]), faces);
  if (seat == 2) {
    for (int p = 1; p <= static_cast<int>(positions.size()); ++p) {
      if (state.SelectedCards.test(static_cast<std::size_t>(p))) {
        HighlightCard(hand.buffer, form_.layout_, positions, p - 1);
      }
    }
  }
  form_.UpdateControl(hand);
}

void QtTableView::DrawPile(const GameState& state, bool faces, bool markLastPut) {
  std::vector<CardCode> cards;
  for (int p = 1; p <= state.PileCount; ++p) cards.push_back(state.PileCards[p]);
  fibwick::DrawPile(form_.imageStol_, form_.background_, form_.art_, form_.layout_, cards, faces,
                    markLastPut ? state.LastPutCount : 0);
  form_.UpdateControl(form_.imageStol_);
}

void QtTableView::RedrawTableArea(const GameState&) {
  FillWithBackground(form_.imageStol_, form_.background_);
  form_.UpdateControl(form_.imageStol_);
}

void QtTableView::RedrawClaimLabel(char claimRank) {
  const HudKit kit{form_.layout_, form_.background_, form_.fonts_};
  fibwick::RedrawClaimLabel(kit, form_.imageKon_, RankOfChar(claimRank));
  form_.UpdateControl(form_.imageKon_);
}

void QtTableView::ShowSpeech(int seat, std::string_view text, SpeechColour colour) {
  const HudKit kit{form_.layout_, form_.background_, form_.fonts_};
  PictureControl& strip = form_.says_[static_cast<std::size_t>(seat - 1)];
  fibwick::ShowSpeech(kit, strip, FromUtf8(text), static_cast<char>(colour));
  form_.UpdateControl(strip);
}

// Cards land at once until the flights are animated; the redraws around them show the result.
void QtTableView::FlyCards(std::span<const Flight>) {}

// The table is silent until sound playback arrives.
void QtTableView::PlaySound(std::string_view) {}

void QtTableView::Pause(int milliseconds) {
  const int wait = static_cast<int>(milliseconds * form_.pacing_.pauseFactor);
  form_.repaint();
  if (wait <= 0) return;
  // The window keeps painting but takes no input while the pile lies turned over.
  QEventLoop loop;
  QTimer::singleShot(wait, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

namespace {

TNuvCardsButton* ButtonOf(std::array<TNuvCardsButton*, 13>& buttons, ActionButton button) {
  switch (button) {
    case ActionButton::Challenge: return buttons[7];
    case ActionButton::Put: return buttons[8];
    default: return buttons[12];
  }
}

}  // namespace

void QtTableView::SetButton(ActionButton button, std::string_view caption, bool enabled,
                            bool visible) {
  TNuvCardsButton* b = ButtonOf(form_.buttons_, button);
  b->setText(FromUtf8(caption));
  b->setEnabled(enabled);
  b->setVisible(visible);
}

void QtTableView::SetButtonEnabled(ActionButton button, bool enabled) {
  ButtonOf(form_.buttons_, button)->setEnabled(enabled);
}

char QtTableView::ChooseClaimRank() {
  DialogContext context = form_.Dialogs();
  return fibwick::ChooseClaimRank(&form_, context);
}

void QtTableView::ShowResult(std::string_view text) {
  PictureControl& pile = form_.imageStol_;
  QPainter painter(&pile.buffer);
  QFont font = RoleFont(form_.fonts_, FontRole::Decor, FontSize(Scaled(form_.layout_, 40), form_.fonts_, FontRole::Decor), true);
  painter.setFont(font);
  ShadowText(painter, FromUtf8(text), 0, pile.rect.width, 'c', QColor(255, 255, 0),
             Scaled(form_.layout_, 80));
  form_.UpdateControl(pile);
}

void QtTableView::ShowWaitBanner(std::string_view text) {
  PictureControl& hand = form_.hands_[0];
  FillWithBackground(hand, form_.background_);
  QPainter painter(&hand.buffer);
  painter.setPen(QColor(255, 255, 255));
  painter.drawText(hand.buffer.rect(), Qt::AlignCenter, FromUtf8(text));
  form_.UpdateControl(hand);
}

// The claim plate's hint is composed when shown, from the game as it stands then.
void QtTableView::SetHints(std::string_view seat1Hand, std::string_view seat2Hand, std::string_view) {
  handHints_ = {FromUtf8(seat1Hand), FromUtf8(seat2Hand)};
}

void QtTableView::SetTableMenu(bool exitEnabled, bool countEnabled) {
  form_.actExit_->setEnabled(exitEnabled);
  form_.actCount_->setEnabled(countEnabled);
}

// Tournament clocks arrive with the tournament.
void QtTableView::ShowMoveClock(int, int) {}

void QtTableView::ShowNotice(std::string_view title, std::string_view text) {
  form_.ShowNotice(std::string(title) + "\n" + std::string(text));
}

}  // namespace fibwick
