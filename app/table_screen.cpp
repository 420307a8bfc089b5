// The game table of TForm1 and the view through which the rules draw on it.
#include <QPainter>

#include "app/tform1.h"
#include "base/cp1251.h"
#include "records/catalogue.h"
#include "records/phrase_text.h"
#include "ui/card_drawing.h"
#include "ui/hud.h"
#include "ui/skin_button.h"

namespace fibwick {
namespace {

TNuvCardsButton* ButtonOf(std::array<TNuvCardsButton*, 13>& buttons, ActionButton button) {
  switch (button) {
    case ActionButton::Challenge:
      return buttons[7];
    case ActionButton::Put:
      return buttons[8];
    default:
      return buttons[12];
  }
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
  const QFont bigFont =
      RoleFont(fonts_, FontRole::Decor, MainButtonFontHeight(layout_, fonts_), true);
  const QFont passFont =
      RoleFont(fonts_, FontRole::Serif, MainButtonFontHeight(layout_, fonts_), true);
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

QString QtTableView::Text(const Phrase& words) const {
  return FromUtf8(PhraseText(words, form_.settings_.Language));
}

int QtTableView::Show(const TableEvent& event) {
  if (const auto* pause = std::get_if<Paused>(&event)) {
    form_.repaint();
    return static_cast<int>(pause->milliseconds * form_.pacing_.pauseFactor);
  }
  // Cards land at once and the table is silent until flights and sound arrive.
  std::visit(*this, event);
  return 0;
}

void QtTableView::Dispatch(const TableEvent& event) {
  // A game against the computer has no far side: only the general count listens.
  if (std::holds_alternative<GameEnded>(event)) form_.session_.RefreshGeneralCount(form_.state_);
}

void QtTableView::operator()(const TableShown&) {
  form_.LayoutTable();
  for (QAction* action : {form_.actCount_, form_.actExit_, form_.actRename_})
    action->setEnabled(true);
}

void QtTableView::operator()(const HandDrawn& e) {
  PictureControl& hand = form_.hands_[static_cast<std::size_t>(e.seat - 1)];
  auto& positions = positions_[static_cast<std::size_t>(e.seat - 1)];
  faces_[static_cast<std::size_t>(e.seat - 1)] = e.faces;
  positions =
      fibwick::RedrawHand(hand, form_.background_, form_.art_, form_.layout_, e.cards, e.faces);
  for (int p = 1; p <= static_cast<int>(positions.size()); ++p) {
    if ((e.selected >> (p - 1)) & 1U) HighlightCard(hand.buffer, form_.layout_, positions, p - 1);
  }
  form_.UpdateControl(hand);
}

void QtTableView::operator()(const PileDrawn& e) {
  fibwick::DrawPile(form_.imageStol_, form_.background_, form_.art_, form_.layout_, e.cards,
                    e.faces, e.marked);
  form_.UpdateControl(form_.imageStol_);
}

void QtTableView::operator()(const TableAreaCleared&) {
  FillWithBackground(form_.imageStol_, form_.background_);
  form_.UpdateControl(form_.imageStol_);
}

void QtTableView::operator()(const ClaimPlateDrawn& e) {
  const HudKit kit{form_.layout_, form_.background_, form_.fonts_};
  fibwick::RedrawClaimLabel(kit, form_.imageKon_, e.claimRank);
  form_.UpdateControl(form_.imageKon_);
}

void QtTableView::operator()(const SpeechShown& e) {
  const HudKit kit{form_.layout_, form_.background_, form_.fonts_};
  PictureControl& strip = form_.says_[static_cast<std::size_t>(e.seat - 1)];
  fibwick::ShowSpeech(kit, strip, Text(e.words), static_cast<char>(e.colour));
  form_.UpdateControl(strip);
}

void QtTableView::operator()(const ButtonSet& e) {
  TNuvCardsButton* b = ButtonOf(form_.buttons_, e.button);
  b->setText(Text(e.caption));
  b->setEnabled(e.enabled);
  b->setVisible(e.visible);
}

void QtTableView::operator()(const ButtonEnabled& e) {
  ButtonOf(form_.buttons_, e.button)->setEnabled(e.enabled);
}

void QtTableView::operator()(const ResultShown& e) {
  PictureControl& pile = form_.imageStol_;
  QPainter painter(&pile.buffer);
  QFont font = RoleFont(form_.fonts_, FontRole::Decor,
                        FontSize(Scaled(form_.layout_, 40), form_.fonts_, FontRole::Decor), true);
  painter.setFont(font);
  ShadowText(painter, Text(e.words), 0, pile.rect.width, 'c', QColor(255, 255, 0),
             Scaled(form_.layout_, 80));
  form_.UpdateControl(pile);
}

void QtTableView::operator()(const WaitBannerShown& e) {
  PictureControl& hand = form_.hands_[0];
  FillWithBackground(hand, form_.background_);
  QPainter painter(&hand.buffer);
  painter.setPen(QColor(255, 255, 255));
  painter.drawText(hand.buffer.rect(), Qt::AlignCenter, Text(e.words));
  form_.UpdateControl(hand);
}

// The claim plate's hint is composed when shown, from the game as it stands then.
void QtTableView::operator()(const HintsSet& e) {
  handHints_ = {Text(e.seat1Hand), Text(e.seat2Hand)};
}

void QtTableView::operator()(const TableMenuSet& e) {
  form_.actExit_->setEnabled(e.exitEnabled);
  form_.actCount_->setEnabled(e.countEnabled);
}

// Tournament clocks arrive with the tournament.
void QtTableView::operator()(const MoveClockShown&) {}

void QtTableView::operator()(const NoticeShown& e) {
  form_.ShowNotice((Text(e.title) + "\n" + Text(e.text)).toStdString());
}

}  // namespace fibwick
