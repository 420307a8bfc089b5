#include "ui/dialogs/end_game_dialog.h"

#include <QPainter>
#include <QShowEvent>

#include "ui/dialogs/film_view.h"
#include "ui/dialogs/fixed_texts.h"

namespace fibwick {
namespace {

constexpr int Width = 550;
constexpr int Height = 380;
constexpr int MedalWidth = 160;
// Text rows below the header, without and with a reward.
constexpr std::array<int, 5> RowsPlain{36, 111, 186, 261, 306};
constexpr std::array<int, 5> RowsReward{16, 56, 96, 136, 176};

QString ResultText(const EndGameInput& input) {
  QString text = Catalogue(MsgResultEndGame) + QString::number(input.score);
  if (input.place > 10) {
    text += " ; " + Catalogue(MsgPlaceEndGame) + QString::number(input.place);
  }
  return text;
}

Message TitleFor(GameKind kind) {
  switch (kind) {
    case GameKind::RatedOnline:
      return MsgYouBecomeVicePresident;
    case GameKind::Network:
      return MsgYouBecomeBachelor;
    case GameKind::Computer:
      break;
  }
  return MsgYouBecomeMaster;
}

QColor Colour(LineColour colour, bool purple) {
  switch (colour) {
    case LineColour::Green:
      return purple ? QColor(96, 220, 96) : QColor(0, 128, 0);
    case LineColour::Red:
      return purple ? QColor(255, 96, 96) : QColor(200, 0, 0);
    case LineColour::Plain:
      break;
  }
  return purple ? DesignTextColour : QColor(0, 0, 128);
}

// The medal with the place drawn over it.
class MedalView : public QWidget {
 public:
  MedalView(const DialogContext& context, const QString& placePicture, QWidget* parent)
      : QWidget(parent),
        medal_(context.sources.builtin("GMedal")),
        place_(context.sources.builtin(placePicture)) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    for (const QImage& picture : {medal_, place_}) {
      p.drawImage(QPoint((width() - picture.width()) / 2, (height() - picture.height()) / 2),
                  picture);
    }
  }

 private:
  QImage medal_;
  QImage place_;
};

class LinesView : public QWidget {
 public:
  LinesView(const EndGameView& view, const DialogFrame& frame, QWidget* parent)
      : QWidget(parent), view_(view), frame_(frame) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    const bool purple = frame_.Design() == 3;
    const auto& rows = view_.rewardShown ? RowsReward : RowsPlain;
    const FontRoles roles = FontRolesOf(frame_.Context().settings);
    for (std::size_t i = 0; i < view_.lines.size() && i < rows.size(); ++i) {
      const EndGameLine& line = view_.lines[i];
      const int size = i == 0 ? 34 : 24;
      p.setFont(
          FitFont(RoleFont(roles, FontRole::Decor, FontSize(size, roles, FontRole::Decor), true),
                  line.text, width() - 10));
      const QColor colour = i == 0 && !purple ? QColor(128, 0, 0) : Colour(line.colour, purple);
      ShadowText(p, line.text, 0, width(), 'c', colour, rows[i]);
    }
    if (view_.rewardShown) {
      p.setFont(RoleFont(roles, FontRole::Decor, FontSize(30, roles, FontRole::Decor), true));
      ShadowText(p, view_.reward.text, 0, width(), 'c', Colour(LineColour::Red, purple),
                 rows[4] + 40);
    }
  }

 private:
  const EndGameView& view_;
  const DialogFrame& frame_;
};

}  // namespace

EndGameView ChooseEndGameView(const EndGameInput& input) {
  EndGameView view;
  const EndGameLine result{ResultText(input), LineColour::Green};
  if (input.place == 1) {
    view.animation = "GEndBest";
    view.stillFrame = 25;
    view.sound = "WFiBest";
    view.lines = {{Catalogue(MsgCongratulations)},
                  {Catalogue(MsgYourResultTheBest)},
                  result,
                  {Catalogue(TitleFor(input.kind))}};
  } else if (input.place >= 2 && input.place <= 10) {
    view.animation = "GEndGood";
    view.stillFrame = 24;
    view.sound = "WFiGood";
    view.lines = {{Catalogue(MsgCongratulations)},
                  {Catalogue(MsgGoodResult)},
                  result,
                  {Catalogue(MsgYouAreInTopTen)}};
  } else {
    view.animation = "GEndBads";
    view.loops = true;
    view.stillFrame = 3;
    view.sound = "WFiBads";
    view.lines = {{Catalogue(MsgOurRegrets)},
                  {Catalogue(MsgResultCouldBeBetter)},
                  result,
                  {Catalogue(MsgYouAreNotInTopTen)}};
  }
  view.medal = input.place >= 1 && input.place <= 10;
  if (view.medal) view.placePicture = QString("GPlace%1").arg(input.place, 2, 10, QChar('0'));
  if (input.kind == GameKind::RatedOnline && input.reward > 0) {
    view.rewardShown = true;
    view.reward = {Catalogue(MsgYouGet) + ' ' + QString::number(input.reward) + ' ' +
                       Catalogue(MsgNuvs) + "!!!",
                   LineColour::Red};
  }
  return view;
}

EndGameDialog::EndGameDialog(DialogContext& context, const EndGameInput& input, QWidget* parent)
    : DialogFrame(context, PicturesOf(DialogArt::EndGame), MsgTheCompletionOfGame,
                  QSize(Width, Height), parent),
      input_(input),
      view_(ChooseEndGameView(input)) {
  // The outcome's animation above the medal on the left, the lines to the right of them.
  auto* film = new FilmView(context.sources.builtin, view_.animation, view_.loops,
                            context.settings.GifAnimation, view_.stillFrame, Content());
  film->move((MedalWidth + 10 - film->width()) / 2, 4);
  if (view_.medal) {
    auto* medal = new MedalView(context, view_.placePicture, Content());
    medal->setGeometry(10, 190, MedalWidth, 120);
  }
  const int textLeft = MedalWidth + 20;
  auto* lines = new LinesView(view_, *this, Content());
  lines->setGeometry(textLeft, 0, Width - textLeft - 10, Height - 60);
  ok_ = AddButton(OkText, QRect((Width - 200) / 2, Height - 50, 200, 36));
  connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
  ok_->setFocus();
}

void EndGameDialog::showEvent(QShowEvent* event) {
  DialogFrame::showEvent(event);
  PlaySound(Context(), view_.sound.toStdString());
}

void ShowEndOfGame(QWidget* parent, DialogContext& context, const EndGameInput& input) {
  EndGameDialog dialog(context, input, parent);
  dialog.exec();
}

}  // namespace fibwick
