#include "app/qt_table_view.h"

#include "app/table_screen.h"
#include "base/cp1251.h"
#include "records/phrase_text.h"
#include "ui/text_helpers.h"

namespace fibwick {

QString QtTableView::Text(const Phrase& words) const {
  return FromUtf8(PhraseText(words, screen_.Language()));
}

int QtTableView::Show(const TableEvent& event) {
  if (const auto* pause = std::get_if<Paused>(&event)) {
    screen_.Repaint();
    return static_cast<int>(pause->milliseconds * hooks_.pauseFactor);
  }
  // Cards land at once and the table is silent until flights and sound arrive.
  std::visit(*this, event);
  return 0;
}

void QtTableView::Dispatch(const TableEvent& event) {
  // A game against the computer has no far side: only the general count listens.
  if (std::holds_alternative<GameEnded>(event)) hooks_.gameEnded();
}

void QtTableView::operator()(const TableShown&) {
  hooks_.tableShown();
}

void QtTableView::operator()(const HandDrawn& e) {
  const auto i = static_cast<std::size_t>(e.seat - 1);
  faces_[i] = e.faces;
  positions_[i] = screen_.DrawHand(e.seat, e.cards, e.faces, e.selected);
}

void QtTableView::operator()(const PileDrawn& e) {
  screen_.DrawPile(e.cards, e.faces, e.marked);
}

void QtTableView::operator()(const TableAreaCleared&) {
  screen_.ClearPile();
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
