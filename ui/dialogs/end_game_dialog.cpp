#include "ui/dialogs/end_game_dialog.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QShowEvent>

#include "ui/dialogs/fixed_texts.h"

namespace fibwick {
namespace {

constexpr int Width = 550;
constexpr int Height = 380;
constexpr int MedalWidth = 150;
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

// The medal with the place on it: the pictures when they exist, else one drawn here.
class MedalView : public QWidget {
 public:
  MedalView(const DialogContext& context, int place, QWidget* parent)
      : QWidget(parent), context_(context), place_(place) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QImage medal = context_.sources.builtin("GMedal");
    if (!medal.isNull()) {
      p.drawImage(QPoint((width() - medal.width()) / 2, 0), medal);
      const QImage number =
          context_.sources.builtin(QString("GPlace%1").arg(place_, 2, 10, QChar('0')));
      p.drawImage(QPoint((width() - number.width()) / 2, (medal.height() - number.height()) / 2),
                  number);
      return;
    }
    DrawMedal(p);
  }

 private:
  void DrawMedal(QPainter& p) {
    const double cx = width() / 2.0;
    // Two ribbon tails behind the disc.
    for (const int side : {-1, 1}) {
      QPainterPath tail;
      tail.moveTo(cx + side * 8, 0);
      tail.lineTo(cx + side * 42, 0);
      tail.lineTo(cx + side * 22, 90);
      tail.lineTo(cx + side * 2, 70);
      tail.closeSubpath();
      p.setPen(QPen(QColor(90, 0, 0), 1));
      p.setBrush(side < 0 ? QColor(178, 24, 38) : QColor(24, 52, 140));
      p.drawPath(tail);
    }
    const QPointF centre(cx, 112);
    const double radius = 52;
    const QColor gold = place_ == 1   ? QColor(236, 190, 50)
                        : place_ == 2 ? QColor(200, 200, 210)
                                      : QColor(205, 127, 50);
    QRadialGradient shine(centre - QPointF(18, 18), radius * 1.6);
    shine.setColorAt(0, gold.lighter(150));
    shine.setColorAt(0.5, gold);
    shine.setColorAt(1, gold.darker(170));
    p.setPen(QPen(gold.darker(200), 2));
    p.setBrush(shine);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(gold.darker(140), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius - 8, radius - 8);
    QFont font("Comic Sans MS");
    font.setPixelSize(46);
    font.setBold(true);
    p.setFont(font);
    const QRectF face(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.setPen(gold.darker(250));
    p.drawText(face.translated(1.5, 1.5), Qt::AlignCenter, QString::number(place_));
    p.setPen(QColor(255, 250, 230));
    p.drawText(face, Qt::AlignCenter, QString::number(place_));
  }

  const DialogContext& context_;
  int place_;
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

TFormEndGame::TFormEndGame(DialogContext& context, const EndGameInput& input, QWidget* parent)
    : DialogFrame(context, {"GCap550", "GLenta380x120", "GFormEndG", "", "EndGame", "GIcon48WT"},
                  MsgTheCompletionOfGame, QSize(Width, Height), parent),
      input_(input),
      view_(ChooseEndGameView(input)) {
  const int textLeft = view_.medal ? MedalWidth : 0;
  if (view_.medal) {
    auto* medal = new MedalView(context, input.place, Content());
    medal->setGeometry(10, 40, MedalWidth - 10, 180);
  }
  auto* lines = new LinesView(view_, *this, Content());
  lines->setGeometry(textLeft, 0, Width - textLeft - 10, Height - 60);
  ok_ = AddButton(OkText, QRect((Width - 200) / 2, Height - 50, 200, 36));
  connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
  ok_->setFocus();
}

void TFormEndGame::showEvent(QShowEvent* event) {
  DialogFrame::showEvent(event);
  PlaySound(Context(), view_.sound.toStdString());
}

void ShowEndOfGame(QWidget* parent, DialogContext& context, const EndGameInput& input) {
  TFormEndGame dialog(context, input, parent);
  dialog.exec();
}

}  // namespace fibwick
