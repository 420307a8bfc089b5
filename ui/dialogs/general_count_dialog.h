#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <string>
#include <utility>

#include "records/general_count.h"
#include "records/history_file.h"
#include "ui/dialogs/dialog_frame.h"

// The general count: the current player's figures at any moment of a session.
namespace fibwick {

inline constexpr int CountRowCount = 7;
// Label and value of each row, top to bottom.
std::array<std::pair<QString, QString>, CountRowCount> CountRows(const TCount& count);
// The lamp beside the account picture: 1 signed out, 2 signed in, 3 in a rated game.
QString AccountLampPicture(int onlineState);
// The one or two animations that tell the kind of game.
QStringList GameKindFilms(HistoryKind kind);

class GeneralCountDialog : public DialogFrame {
  Q_OBJECT

 public:
  // playerName in Windows-1251, as the game keeps it.
  GeneralCountDialog(DialogContext& context, const TCount& count, const std::string& playerName,
                     int onlineState, HistoryKind kind, QWidget* parent);

  QString Title() const override;
  SkinButton* OkButton() const { return ok_; }

 private:
  QString playerName_;
  SkinButton* ok_ = nullptr;
};

void ShowCount(QWidget* parent, DialogContext& context, const TCount& count,
               const std::string& playerName, int onlineState, HistoryKind kind);

}  // namespace fibwick
