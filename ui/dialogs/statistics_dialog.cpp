#include "ui/dialogs/statistics_dialog.h"

#include <QInputDialog>
#include <QPointer>

#include "base/cp1251.h"
#include "online/field_check.h"
#include "ui/animated_cursor.h"
#include "ui/dialogs/fixed_texts.h"

namespace fibwick {
namespace {

constexpr int Width = 470;
constexpr int Left = 20;
constexpr int RowTop = 8;
constexpr int RowPitch = 28;
constexpr int ValueWidth = 130;
constexpr const char* DefaultPassportName = "Incognito";

QString FromService(const std::string& cp1251) {
  return QString::fromStdString(Cp1251ToUtf8(cp1251));
}

std::optional<QString> InputBox(QWidget* parent, const Settings& settings) {
  QInputDialog box(parent);
  box.setInputMode(QInputDialog::TextInput);
  box.setWindowTitle(Catalogue(MsgNickOnline));
  box.setLabelText(Catalogue(MsgNickOnline));
  GiveEditCursors(box, [&settings] { return settings.RedCursor; });
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  return box.textValue();
}

// The totals of a read that failed: this game's, all preset.
TNuvStat Unread() {
  TNuvStat stat;
  stat.GID = GameId;
  return stat;
}

}  // namespace

StatLiker SessionLiker(OnlineSession& session) {
  return [&session](const std::string& nick, std::function<void(bool)> done) {
    session.ReportLike(nick, std::move(done));
  };
}

std::array<std::pair<QString, QString>, StatRowCount> StatRows(const TNuvStat& stat, bool read) {
  const auto number = [read](int value) { return read ? QString::number(value) : QString(); };
  return {{{Catalogue(MsgNumberOfStarts), read ? number(stat.Stat1) : Catalogue(MsgNoConnect)},
           {Catalogue(MsgNumberOfUniqueStarts), number(stat.Stat2)},
           {Catalogue(MsgLikes), number(stat.Stat3)},
           {Catalogue(MsgLastLike), read ? FromService(stat.Stat4) : QString()},
           {Catalogue(MsgGamesPlayedWithPC), number(stat.StatX[0])},
           {Catalogue(MsgCyclesPlayedWithPC), number(stat.StatX[1])},
           {Catalogue(MsgPeopleWinsWithPC), number(stat.StatX[2])},
           {Catalogue(MsgPeopleLossesWithPC), number(stat.StatX[3])},
           {Catalogue(MsgGamesPlayedNet), number(stat.StatX[4])},
           {Catalogue(MsgGamesPlayedOnline), number(stat.StatX[5])}}};
}

StatisticsDialog::StatisticsDialog(DialogContext& context, const std::optional<TNuvStat>& totals,
                                   StatLiker like, bool& likedThisRun, StatHooks hooks,
                                   QWidget* parent)
    : DialogFrame(context, PicturesOf(DialogArt::Statistics), MsgStatistics,
                  QSize(Width, RowTop + StatRowCount * RowPitch + 100), parent),
      likeSender_(std::move(like)),
      liked_(likedThisRun),
      hooks_(std::move(hooks)),
      stat_(totals ? *totals : Unread()) {
  int y = RowTop;
  std::size_t row = 0;
  for (const auto& [label, value] : StatRows(stat_, totals.has_value())) {
    AddLabel(label, QRect(Left, y, Width - 2 * Left - ValueWidth, RowPitch));
    QLabel* figure = AddLabel(value, QRect(Width - Left - ValueWidth, y, ValueWidth, RowPitch),
                              Qt::AlignRight | Qt::AlignVCenter);
    QPalette palette = figure->palette();
    palette.setColor(QPalette::WindowText, Design() == 3 ? QColor(Qt::white) : QColor(0, 0, 128));
    figure->setPalette(palette);
    values_[row++] = figure;
    y += RowPitch;
  }
  AddLabel(Catalogue(MsgStatisticsSinceVersion), QRect(Left, y + 4, Width - 2 * Left, 24),
           Qt::AlignCenter);
  like_ = AddButton(Catalogue(MsgILikeThisGame), QRect(Left, y + 44, 260, 36));
  like_->setEnabled(!liked_);
  connect(like_, &QAbstractButton::clicked, this, &StatisticsDialog::Like);
  ok_ = AddButton(OkText, QRect(Width - Left - 140, y + 44, 140, 36));
  connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
  ok_->setFocus();
  SetDefaultButton(ok_);
}

void StatisticsDialog::Like() {
  Settings& settings = Context().settings;
  if (settings.WorldNick == DefaultPassportName) {
    const auto ask = hooks_.askName ? hooks_.askName : [&settings](QWidget* parent) {
      return InputBox(parent, settings);
    };
    while (true) {
      const auto name = ask(this);
      if (!name) return;
      const std::string nick = Utf8ToCp1251(name->toStdString());
      if (ValidNick(nick)) {
        settings.WorldNick = nick;
        break;
      }
    }
  }
  // Off while the like is on its way, so a second click cannot send another.
  like_->setEnabled(false);
  likeSender_(settings.WorldNick, [dialog = QPointer<StatisticsDialog>(this)](bool accepted) {
    if (dialog) dialog->Liked(accepted);
  });
}

void StatisticsDialog::Liked(bool accepted) {
  if (!accepted) {
    like_->setEnabled(true);
    return;
  }
  Settings& settings = Context().settings;
  stat_.Stat3 += 1;
  values_[2]->setText(QString::number(stat_.Stat3));
  values_[3]->setText(FromService(settings.WorldNick));
  liked_ = true;
  settings.Liked = true;
  if (hooks_.saveSettings) hooks_.saveSettings();
}

}  // namespace fibwick
