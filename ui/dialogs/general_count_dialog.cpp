#include "ui/dialogs/general_count_dialog.h"

#include <QPainter>

#include "base/cp1251.h"
#include "base/fixed_field.h"
#include "ui/dialogs/film_view.h"
#include "ui/dialogs/fixed_texts.h"

namespace fibwick {
namespace {

constexpr int Width = 460;
constexpr int Left = 20;
constexpr int RowTop = 62;
constexpr int RowPitch = 34;
constexpr int ValueRight = Width - Left;

QString FromFile(const std::string& cp1251) {
  return QString::fromStdString(Cp1251ToUtf8(cp1251));
}

// The account picture with the lamp of the online state in its corner.
class AccountBadge : public QWidget {
 public:
  AccountBadge(const DialogContext& context, int onlineState, QWidget* parent)
      : QWidget(parent),
        account_(context.sources.builtin("Account48")),
        lamp_(context.sources.builtin(AccountLampPicture(onlineState))) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawImage(QPoint(0, 0), account_);
    p.drawImage(QPoint(width() - lamp_.width(), height() - lamp_.height()), lamp_);
  }

 private:
  QImage account_;
  QImage lamp_;
};

}  // namespace

std::array<std::pair<QString, QString>, CountRowCount> CountRows(const TCount& count) {
  return {{{Catalogue(MsgGeneralNumberOfGame), FromFile(count.Count_KonAll)},
           {Catalogue(MsgRoundInCycle), FromFile(count.Count_KonCur)},
           {Catalogue(MsgTheInitialScore), FromFile(count.Count_ScoBeg)},
           {Catalogue(MsgTheCurrentScore), FromFile(count.Count_ScoCur)},
           {Catalogue(MsgTheGeneralScore), FromFile(count.Count_ScoAll)},
           {Catalogue(MsgTheInitialRating), FromFile(count.Count_ReiBeg)},
           {Catalogue(MsgTheCurrentRating), FromFile(count.Count_ReiCur)}}};
}

QString AccountLampPicture(int onlineState) {
  switch (onlineState) {
    case 2:
      return "LampY24";
    case 3:
      return "LampG24";
    default:
      return "LampR24";
  }
}

QStringList GameKindFilms(HistoryKind kind) {
  switch (kind) {
    case HistoryKind::Account:
      return {"GClubA", "GClubB"};
    case HistoryKind::Network:
      return {"GClubG"};
    case HistoryKind::Tournament:
      return {"GClubE"};
    case HistoryKind::Local:
      break;
  }
  return {"GClubC", "GClubF"};
}

GeneralCountDialog::GeneralCountDialog(DialogContext& context, const TCount& count,
                                       const std::string& playerName, int onlineState,
                                       HistoryKind kind, QWidget* parent)
    : DialogFrame(context, PicturesOf(DialogArt::Count), MsgPlayerCount,
                  QSize(Width, RowTop + CountRowCount * RowPitch + 96), parent),
      playerName_(FromFile(std::string(TrimRight(playerName)))) {
  AddLabel(Catalogue(MsgInformationAboutGame), QRect(Left, 12, Width - 2 * Left - 60, 36),
           Qt::AlignLeft | Qt::AlignVCenter);
  auto* badge = new AccountBadge(context, onlineState, Content());
  badge->setGeometry(Width - Left - 56, 4, 56, 52);
  int y = RowTop;
  for (const auto& [label, value] : CountRows(count)) {
    AddLabel(label, QRect(Left, y, Width - 2 * Left - 110, RowPitch));
    QLabel* figure = AddLabel(value, QRect(ValueRight - 110, y, 110, RowPitch),
                              Qt::AlignRight | Qt::AlignVCenter);
    QPalette palette = figure->palette();
    palette.setColor(QPalette::WindowText, Design() == 3 ? QColor(Qt::white) : QColor(0, 0, 128));
    figure->setPalette(palette);
    y += RowPitch;
  }
  // The films of the game kind stand on both sides of "Ok", or the one on its left.
  const QStringList films = GameKindFilms(kind);
  for (int i = 0; i < films.size(); ++i) {
    auto* film = new FilmView(context.sources.builtin, films[i], true,
                              context.settings.GifAnimation, 1, Content());
    film->move(i == 0 ? Left + 20 : Width - Left - 20 - film->width(), y + 10);
  }
  ok_ = AddButton(OkText, QRect((Width - 200) / 2, y + 30, 200, 36));
  connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
  ok_->setFocus();
}

QString GeneralCountDialog::Title() const {
  return Catalogue(MsgPlayerCount) + ":  " + playerName_;
}

void ShowCount(QWidget* parent, DialogContext& context, const TCount& count,
               const std::string& playerName, int onlineState, HistoryKind kind) {
  GeneralCountDialog dialog(context, count, playerName, onlineState, kind, parent);
  dialog.exec();
}

}  // namespace fibwick
