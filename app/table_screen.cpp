// The game table and the view through which the rules draw on it.
#include "app/table_screen.h"

#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QWidget>

#include "base/cp1251.h"
#include "base/round_even.h"
#include "game/messages.h"
#include "records/phrase_text.h"
#include "ui/card_drawing.h"
#include "ui/hud.h"
#include "ui/skin_button.h"
#include "ui/text_helpers.h"

namespace fibwick {

TableScreen::TableScreen(QWidget& window, ScreenKit kit, TableViewHooks hooks)
    : window_(window),
      kit_(kit),
      challenge_(MakeWindowButton(window, "Button7")),
      put_(MakeWindowButton(window, "Button8")),
      pass_(MakeWindowButton(window, "Button12")),
      edit_(new QLineEdit(&window)),
      send_(new QToolButton(&window)),
      flights_(new FlightOverlay(window, hooks.flightClock)),
      view_(std::make_unique<QtTableView>(*this, std::move(hooks))) {
  for (auto& c : says_) controls_.push_back(&c);
  for (auto& c : hands_) controls_.push_back(&c);
  controls_.push_back(&pile_);
  controls_.push_back(&claimPlate_);
  controls_.push_back(&memo_);
  edit_->setObjectName("Edit1");
  edit_->setMaxLength(static_cast<int>(ChatTextLimit));
  edit_->hide();
  send_->setObjectName("BitBtn1");
  send_->setIcon(window.style()->standardIcon(QStyle::SP_ArrowRight));
  send_->hide();
}

TableScreen::~TableScreen() = default;

SkinButton* TableScreen::Button(ActionButton button) const {
  switch (button) {
    case ActionButton::Challenge:
      return challenge_;
    case ActionButton::Put:
      return put_;
    default:
      return pass_;
  }
}

void TableScreen::Layout(bool chatEntry) {
  const fibwick::Layout& layout = kit_.layout;
  const QImage& background = kit_.background;
  const TableGeometry g = LayoutTableGeometry(layout);
  for (int seat = 1; seat <= SeatCount; ++seat) {
    const auto i = static_cast<std::size_t>(seat - 1);
    hands_[i].rect = g.seats[i].hand;
    hands_[i].rect.height = g.seats[i].hand.width > 0 ? layout.cardHeight : 0;
    says_[i].rect = g.seats[i].strip;
    FillWithBackground(hands_[i], background);
    FillWithBackground(says_[i], background);
  }
  pile_.rect = g.pile;
  claimPlate_.rect = g.claimPlate;
  FillWithBackground(pile_, background);
  chatEntry_ = chatEntry;
  memo_.rect = chatEntry ? g.memo : PixelRect{};
  strip_.lines.clear();
  ClearStrip(HudKit{layout, background, kit_.fonts}, memo_);
  edit_->setGeometry(AsQRect(g.edit));
  edit_->setFont(RoleFont(kit_.fonts, FontRole::Serif, g.editFontHeight, false));
  edit_->clear();
  send_->setGeometry(AsQRect(g.sendButton));
  send_->setIconSize(QSize(Scaled(layout, 20), Scaled(layout, 20)));
  EnableChat(true);
  const bool purple = kit_.settings.TableDesign == 1;
  const int bh = ButtonHeight(layout);
  const QFont bigFont =
      RoleFont(kit_.fonts, FontRole::Decor, MainButtonFontHeight(layout, kit_.fonts), true);
  const QFont passFont =
      RoleFont(kit_.fonts, FontRole::Serif, MainButtonFontHeight(layout, kit_.fonts), true);
  // The action buttons stand in a column under the claim plate, beside the local hand.
  const int x = PlaceX(layout, 585, 150);
  const int w = Scaled(layout, 150);
  const int top = claimPlate_.rect.Bottom() + Scaled(layout, 20);
  int row = 0;
  for (SkinButton* button : {challenge_, put_, pass_}) {
    button->setGeometry(x, top + row++ * (bh + Scaled(layout, 5)), w, bh);
    button->SetColorSB(purple ? TColorSB::DCards : TColorSB::DRed);
    button->SetFontColour(purple ? QColor(200, 175, 50) : QColor(255, 255, 255));
    button->SetColorMouse(QColor(255, 255, 0));
    button->setFont(button == pass_ ? passFont : bigFont);
    button->SetGrayDis(true);  // the player must see which answers are open
  }
}

void TableScreen::SetVisible(bool visible) {
  for (PictureControl* c : controls_) c->visible = visible;
  for (SkinButton* button : {challenge_, put_, pass_}) button->setVisible(visible);
  memo_.visible = visible && chatEntry_;
  edit_->setVisible(visible && chatEntry_);
  send_->setVisible(visible);
}

void TableScreen::ShowChatLine(int author, const QString& text) {
  // The strip drops the line's first character, its type mark.
  fibwick::ShowChatLine(HudKit{kit_.layout, kit_.background, kit_.fonts}, memo_, strip_, author,
                        u's' + text);
  Update(memo_);
}

void TableScreen::EnableChat(bool enabled) {
  edit_->setEnabled(enabled && chatEntry_);
  send_->setEnabled(enabled);
}

int TableScreen::LocalCardAt(const QPoint& p) const {
  const PixelRect hand = hands_[1].rect;
  if (!AsQRect(hand).contains(p)) return 0;
  return CardAt(view_->Positions(2), kit_.layout.cardWidth, kit_.layout.cardHeight,
                p.x() - hand.left, p.y() - hand.top);
}

int TableScreen::HandAt(const QPoint& p) const {
  for (int seat = 1; seat <= 2; ++seat) {
    if (AsQRect(HandRect(seat)).contains(p)) return seat;
  }
  return 0;
}

std::vector<int> TableScreen::PileCardsAt(const QPoint& p, int count) const {
  std::vector<int> found;
  if (!AsQRect(pile_.rect).contains(p)) return found;
  const int x = p.x() - pile_.rect.left;
  const int y = p.y() - pile_.rect.top;
  for (int k = 0; k < count; ++k) {
    const PilePoint at = PilePosition(kit_.layout, k);
    if (x >= at.x && x <= at.x + kit_.layout.cardWidth && y >= at.y &&
        y <= at.y + kit_.layout.cardHeight) {
      found.push_back(k);
    }
  }
  return found;
}

bool TableScreen::OverClaimPlate(const QPoint& p) const {
  return AsQRect(claimPlate_.rect).contains(p);
}

bool TableScreen::OverCards(const QPoint& p) const {
  return HandAt(p) != 0 || AsQRect(pile_.rect).contains(p);
}

void TableScreen::Update(const PictureControl& control) {
  window_.update(AsQRect(control.rect));
}

void TableScreen::Repaint() {
  window_.repaint();
}

void TableScreen::Fly(const std::vector<Flight>& flights,
                      const std::array<std::vector<int>, SeatCount>& handsBefore, double factor,
                      std::function<void()> landed) {
  const fibwick::Layout& layout = kit_.layout;
  const auto handMiddle = [&](int seat) {
    const PixelRect& hand = HandRect(seat);
    return FlightPixel{hand.left + RoundEven((hand.width - layout.cardWidth) / 2.0), hand.top};
  };
  const auto pixelOf = [&](const FlightPoint& point, FlightPixel from) {
    switch (point.kind) {
      case FlightPoint::Kind::HandPosition: {
        const auto& lefts = handsBefore[static_cast<std::size_t>(point.seat - 1)];
        if (point.position < 1 || point.position > static_cast<int>(lefts.size()))
          return handMiddle(point.seat);
        const PixelRect& hand = HandRect(point.seat);
        return FlightPixel{hand.left + lefts[static_cast<std::size_t>(point.position - 1)],
                           hand.top};
      }
      case FlightPoint::Kind::HandMiddle:
        return handMiddle(point.seat);
      case FlightPoint::Kind::PilePlace: {
        const PilePoint at = PilePosition(layout, point.position - 1);
        return FlightPixel{pile_.rect.left + at.x, pile_.rect.top + at.y};
      }
      case FlightPoint::Kind::OffTable:
        break;
    }
    // Off the right edge of the table, level with where the card starts.
    return FlightPixel{window_.width(), from.y};
  };
  std::vector<FlyingCard> cards;
  for (const Flight& flight : flights) {
    const FlightPixel from = pixelOf(flight.from, {});
    cards.push_back(
        {MakeCardSprite(flight.face, kit_.art, layout), from, pixelOf(flight.to, from)});
  }
  const QImage clean = window_.grab(window_.rect()).toImage();
  flights_->Start(clean, std::move(cards), kit_.settings.FlightSpeed, factor, std::move(landed));
}

void TableScreen::StopFlights() {
  flights_->Stop();
}

std::vector<int> TableScreen::DrawHand(int seat, const std::vector<CardCode>& cards, bool faces,
                                       std::uint64_t selected) {
  PictureControl& hand = hands_[static_cast<std::size_t>(seat - 1)];
  std::vector<int> positions =
      RedrawHand(hand, kit_.background, kit_.art, kit_.layout, cards, faces);
  for (int p = 1; p <= static_cast<int>(positions.size()); ++p) {
    if ((selected >> (p - 1)) & 1U) HighlightCard(hand.buffer, kit_.layout, positions, p - 1);
  }
  Update(hand);
  return positions;
}

void TableScreen::DrawPile(const std::vector<CardCode>& cards, bool faces, int lastPut) {
  const int marked = kit_.settings.MarkLastCards ? lastPut : 0;
  fibwick::DrawPile(pile_, kit_.background, kit_.art, kit_.layout, cards, faces, marked);
  Update(pile_);
}

void TableScreen::ClearPile() {
  FillWithBackground(pile_, kit_.background);
  Update(pile_);
}

void TableScreen::DrawClaimPlate(char claimRank) {
  RedrawClaimLabel(HudKit{kit_.layout, kit_.background, kit_.fonts}, claimPlate_, claimRank);
  Update(claimPlate_);
}

void TableScreen::ShowSpeech(int seat, const QString& text, char colour) {
  PictureControl& strip = says_[static_cast<std::size_t>(seat - 1)];
  fibwick::ShowSpeech(HudKit{kit_.layout, kit_.background, kit_.fonts}, strip, text, colour);
  Update(strip);
}

void TableScreen::ShowResult(const QString& text) {
  QPainter painter(&pile_.buffer);
  QFont font = RoleFont(kit_.fonts, FontRole::Decor,
                        FontSize(Scaled(kit_.layout, 40), kit_.fonts, FontRole::Decor), true);
  painter.setFont(font);
  ShadowText(painter, text, 0, pile_.rect.width, 'c', QColor(255, 255, 0), Scaled(kit_.layout, 80));
  Update(pile_);
}

void TableScreen::ShowWaitBanner(const QString& text) {
  PictureControl& hand = hands_[0];
  FillWithBackground(hand, kit_.background);
  QPainter painter(&hand.buffer);
  painter.setPen(QColor(255, 255, 255));
  painter.drawText(hand.buffer.rect(), Qt::AlignCenter, text);
  Update(hand);
}

void TableScreen::SetButton(ActionButton button, const QString& caption, bool enabled,
                            bool visible) {
  SkinButton* b = Button(button);
  b->setText(caption);
  b->setEnabled(enabled);
  b->setVisible(visible);
}

void TableScreen::EnableButton(ActionButton button, bool enabled) {
  Button(button)->setEnabled(enabled);
}

QString QtTableView::Text(const Phrase& words) const {
  return FromUtf8(PhraseText(words, screen_.Language()));
}

int QtTableView::Show(const TableEvent& event) {
  if (const auto* pause = std::get_if<Paused>(&event)) {
    screen_.Repaint();
    return static_cast<int>(pause->milliseconds * hooks_.pauseFactor);
  }
  if (const auto* sound = std::get_if<SoundPlayed>(&event)) {
    const int length = hooks_.sound(sound->resource);
    return sound->wait ? static_cast<int>(length * hooks_.pauseFactor) : 0;
  }
  if (const auto* flown = std::get_if<CardsFlown>(&event)) {
    screen_.Fly(flown->flights, positionsBefore_, hooks_.pauseFactor, hooks_.flightLanded);
    return UntilResumed;
  }
  std::visit(*this, event);
  return 0;
}

void QtTableView::Dispatch(const TableEvent& event) {
  if (const auto* message = std::get_if<PeerMessage>(&event)) {
    hooks_.peerMessage(message->text);
  } else if (std::holds_alternative<PeerClosed>(event)) {
    hooks_.peerClosed();
  } else if (std::holds_alternative<GameEnded>(event)) {
    hooks_.gameEnded();
  }
}

void QtTableView::operator()(const TableShown&) {
  hooks_.tableShown();
}

void QtTableView::operator()(const HandDrawn& e) {
  const auto i = static_cast<std::size_t>(e.seat - 1);
  faces_[i] = e.faces;
  positionsBefore_[i] = std::move(positions_[i]);
  handCards_[i] = e.cards;
  positions_[i] = screen_.DrawHand(e.seat, e.cards, e.faces, e.selected);
}

void QtTableView::operator()(const PileDrawn& e) {
  openPile_ = e.faces ? e.cards : std::vector<CardCode>{};
  screen_.DrawPile(e.cards, e.faces, e.marked);
}

void QtTableView::operator()(const TableAreaCleared&) {
  openPile_.clear();
  screen_.ClearPile();
}

CardCode QtTableView::HandCard(int seat, int k) const {
  const auto& cards = handCards_[static_cast<std::size_t>(seat - 1)];
  return k >= 1 && k <= static_cast<int>(cards.size()) ? cards[static_cast<std::size_t>(k - 1)]
                                                       : EmptyCard;
}

void QtTableView::operator()(const ClaimPlateDrawn& e) {
  screen_.DrawClaimPlate(e.claimRank);
}

void QtTableView::operator()(const SpeechShown& e) {
  screen_.ShowSpeech(e.seat, Text(e.words), static_cast<char>(e.colour));
}

void QtTableView::operator()(const ButtonSet& e) {
  screen_.SetButton(e.button, Text(e.caption), e.enabled, e.visible);
}

void QtTableView::operator()(const ButtonEnabled& e) {
  screen_.EnableButton(e.button, e.enabled);
}

void QtTableView::operator()(const ResultShown& e) {
  screen_.ShowResult(Text(e.words));
}

void QtTableView::operator()(const WaitBannerShown& e) {
  screen_.ShowWaitBanner(Text(e.words));
}

// The claim plate's hint is composed when shown, from the game as it stands then.
void QtTableView::operator()(const HintsSet& e) {
  handHints_ = {Text(e.seat1Hand), Text(e.seat2Hand)};
}

void QtTableView::operator()(const TableMenuSet& e) {
  hooks_.menuSet(e.exitEnabled, e.countEnabled);
}

// Tournament clocks arrive with the tournament.
void QtTableView::operator()(const MoveClockShown&) {}

void QtTableView::operator()(const NoticeShown& e) {
  hooks_.notice((Text(e.title) + "\n" + Text(e.text)).toStdString());
}

}  // namespace fibwick
