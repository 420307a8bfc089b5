#include "ui/dialogs/claim_rank_dialog.h"

#include <QCloseEvent>

namespace fibwick {
namespace {

constexpr int Columns = 3;
constexpr int ButtonW = 80;
constexpr int ButtonH = 45;
constexpr int Gap = 14;
constexpr int Margin = (300 - Columns * ButtonW - (Columns - 1) * Gap) / 2;
constexpr int GridTop = 44;

}  // namespace

const std::array<RankChoice, RankButtonCount>& RankButtons() {
  static constexpr std::array<RankChoice, RankButtonCount> Buttons{{
      {"6", MsgJ, NoRank},
      {"7", MsgJ, NoRank},
      {"8", MsgJ, NoRank},
      {"9", MsgJ, 1},
      {"10", MsgJ, 2},
      {nullptr, MsgJ, 3},
      {nullptr, MsgQ, 4},
      {nullptr, MsgK, 5},
      {nullptr, MsgA, 6},
  }};
  return Buttons;
}

QString RankButtonText(const RankChoice& choice) {
  return choice.digits != nullptr ? QString::fromLatin1(choice.digits) : Catalogue(choice.letter);
}

ClaimRankDialog::ClaimRankDialog(DialogContext& context, QWidget* parent)
    : DialogFrame(context, {"GCap300", "GLenta280x090", "", "", "", ""}, MsgWhatPut,
                  QSize(300, GridTop + 3 * ButtonH + 2 * Gap + 20), parent) {
  setWindowFlags(windowFlags() & ~Qt::WindowCloseButtonHint);
  prompt_ = AddLabel({}, QRect(0, 8, 300, 28), Qt::AlignCenter);
  for (int i = 0; i < RankButtonCount; ++i) {
    const RankChoice& choice = RankButtons()[i];
    const QRect rect(Margin + (i % Columns) * (ButtonW + Gap),
                     GridTop + (i / Columns) * (ButtonH + Gap), ButtonW, ButtonH);
    SkinButton* button = AddButton({}, rect);
    button->SetHeightSB(THeightSB::D45);
    button->setEnabled(choice.rank != NoRank);
    connect(button, &QAbstractButton::clicked, this, [this, rank = choice.rank] {
      chosen_ = RankChar(rank);
      accept();
    });
    buttons_[i] = button;
  }
}

void ClaimRankDialog::Recaption() {
  prompt_->setText(Catalogue(MsgWhatPut));
  for (int i = 0; i < RankButtonCount; ++i) buttons_[i]->setText(RankButtonText(RankButtons()[i]));
}

void ClaimRankDialog::closeEvent(QCloseEvent* event) {
  if (chosen_ == NoClaim) event->ignore();
}

char ChooseClaimRank(QWidget* parent, DialogContext& context) {
  ClaimRankDialog dialog(context, parent);
  while (dialog.ChosenRank() == NoClaim) dialog.exec();
  return dialog.ChosenRank();
}

}  // namespace fibwick
