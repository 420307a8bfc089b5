#include "ui/dialogs/history_dialog.h"

#include "dialogs_support.h"
#include "records/history_file.h"
#include "ui/dialogs/fixed_texts.h"

namespace fibwick {
namespace {

using testing_support::DialogTest;
using testing_support::Text;

class HistoryWindow : public DialogTest {
 protected:
  void WriteSessions() {
    const std::vector<HistoryEntry> entries = {
        {"Anna", 20, 40, 2.0, HistoryKind::Local},
        {"Anna/Boris", 3, -10, -3.5, HistoryKind::Network},
        {"Nick", 5, 20, 4.0, HistoryKind::Account},
        {"Tourist", 1, 10, 10.0, HistoryKind::Tournament},
    };
    for (const HistoryEntry& entry : entries) {
      ASSERT_EQ(WriteHistory(folder_, ClubFileName, {entry}, {"9:05", "10.12.2026"}),
                WriteHistoryResult::Written);
    }
  }
};

TEST_F(HistoryWindow, GridOfARealFileColouredByKind) {
  WriteSessions();
  int selected = 0;
  HistoryDialog dialog(*context_, selected, nullptr);
  dialog.show();
  ASSERT_EQ(dialog.FileList()->count(), 1);
  EXPECT_TRUE(dialog.FileList()->item(0)->text().startsWith("File I0001 "));
  EXPECT_EQ(dialog.FileList()->width(), 180);
  EXPECT_EQ(selected, 1);

  QTableWidget& grid = *dialog.Grid();
  ASSERT_EQ(grid.columnCount(), 7);
  EXPECT_EQ(grid.horizontalHeaderItem(2)->text(), Text(MsgPlayerHistory));
  for (int c = 0; c < 7; ++c) EXPECT_EQ(grid.columnWidth(c), HistoryColumnWidths[c]);
  ASSERT_EQ(grid.rowCount(), 4);
  const QStringList second = {" 9:05", "10.12.2026", " Anna/Boris", "3", "-10", "-3,50", "Net"};
  for (int c = 0; c < 7; ++c) EXPECT_EQ(grid.item(1, c)->text().trimmed(), second[c].trimmed());
  EXPECT_EQ(grid.item(1, 2)->textAlignment(), Qt::AlignLeft | Qt::AlignVCenter);
  EXPECT_EQ(grid.item(1, 3)->textAlignment(), Qt::AlignCenter);
  const QColor text = dialog.palette().color(QPalette::WindowText);
  const std::vector<QColor> colours = {text, QColor(0, 128, 0), QColor(255, 0, 0),
                                       QColor(0, 0, 255)};
  const QStringList types = {"Local", "Net", "Account", "Tourney"};
  for (int r = 0; r < 4; ++r) {
    EXPECT_EQ(grid.item(r, 6)->text(), types[r]);
    for (int c = 0; c < 7; ++c) EXPECT_EQ(grid.item(r, c)->foreground().color(), colours[r]);
  }
  EXPECT_EQ(grid.selectionMode(), QAbstractItemView::SingleSelection);
}

TEST_F(HistoryWindow, TheChosenFileStaysChosenForTheNextOpening) {
  const std::vector<HistoryEntry> full(HistoryEntriesPerFile,
                                       {"Anna", 1, 10, 10.0, HistoryKind::Local});
  ASSERT_EQ(WriteHistory(folder_, ClubFileName, full, {"9:05", "10.12.2026"}),
            WriteHistoryResult::Written);
  ASSERT_EQ(WriteHistory(folder_, ClubFileName, {{"Boris", 2, 20, 5.0, HistoryKind::Network}},
                         {"9:06", "10.12.2026"}),
            WriteHistoryResult::Written);
  int selected = 0;
  {
    HistoryDialog first(*context_, selected, nullptr);
    ASSERT_EQ(first.FileList()->count(), 2);
    EXPECT_EQ(first.FileList()->currentRow(), 1);  // the last file the first time
    EXPECT_EQ(first.Grid()->rowCount(), 1);
    first.FileList()->setCurrentRow(0);
    EXPECT_EQ(first.Grid()->rowCount(), HistoryEntriesPerFile);
  }
  EXPECT_EQ(selected, 1);
  HistoryDialog again(*context_, selected, nullptr);
  EXPECT_EQ(again.FileList()->currentRow(), 0);
  EXPECT_EQ(again.FileList()->width(), 180);
}

TEST_F(HistoryWindow, NoFileLeavesADisabledList) {
  int selected = 0;
  HistoryDialog dialog(*context_, selected, nullptr);
  ASSERT_EQ(dialog.FileList()->count(), 1);
  EXPECT_EQ(dialog.FileList()->item(0)->text(), Text(MsgNoHistoryFiles));
  EXPECT_FALSE(dialog.FileList()->isEnabled());
  EXPECT_EQ(dialog.Grid()->rowCount(), 0);
}

TEST_F(HistoryWindow, ListWidthGrowsPastSixteenFiles) {
  EXPECT_EQ(HistoryListWidth(0), 180);
  EXPECT_EQ(HistoryListWidth(16), 180);
  EXPECT_EQ(HistoryListWidth(17), 193);
}

TEST_F(HistoryWindow, AFewRowsAreNotHighlighted) {
  ASSERT_EQ(WriteHistory(folder_, ClubFileName, {{"Anna", 1, 10, 10.0, HistoryKind::Local}},
                         {"9:05", "10.12.2026"}),
            WriteHistoryResult::Written);
  int selected = 0;
  HistoryDialog dialog(*context_, selected, nullptr);
  EXPECT_EQ(dialog.Grid()->rowCount(), 1);
  EXPECT_EQ(dialog.Grid()->selectionMode(), QAbstractItemView::NoSelection);
}

}  // namespace
}  // namespace fibwick
