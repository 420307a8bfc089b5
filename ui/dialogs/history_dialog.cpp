#include "ui/dialogs/history_dialog.h"

#include <QHeaderView>
#include <QScrollBar>
#include <numeric>

#include "base/cp1251.h"
#include "records/club_file.h"
#include "ui/dialogs/fixed_texts.h"

namespace fibwick {
namespace {

constexpr int Margin = 10;
constexpr int GridHeight = 390;
constexpr int RowHeight = 20;
constexpr int WideListFrom = 17;
constexpr int PlayerColumn = 2;
constexpr std::array<Message, 7> ColumnTitles{MsgTime,         MsgDate,          MsgPlayerHistory,
                                              MsgGamesHistory, MsgResultHistory, MsgRatingHistory,
                                              MsgType};

int GridWidth() {
  return std::accumulate(HistoryColumnWidths.begin(), HistoryColumnWidths.end(), 0) + 2 +
         QScrollBar().sizeHint().width();
}

QString FromFile(const std::string& cp1251) {
  return QString::fromStdString(Cp1251ToUtf8(cp1251));
}

}  // namespace

QColor HistoryRowColour(HistoryKind kind, QColor windowText) {
  switch (kind) {
    case HistoryKind::Network:
      return QColor(0, 128, 0);
    case HistoryKind::Account:
      return QColor(255, 0, 0);
    case HistoryKind::Tournament:
      return QColor(0, 0, 255);
    case HistoryKind::Local:
      break;
  }
  return windowText;
}

int HistoryListWidth(int fileCount) {
  return fileCount < WideListFrom ? 180 : 193;
}

HistoryDialog::HistoryDialog(DialogContext& context, int& selectedFile, QWidget* parent)
    : DialogFrame(context, PicturesOf(DialogArt::History), MsgHistoryOfGames,
                  QSize(Margin * 3 + 193 + GridWidth(), GridHeight + 70), parent),
      selectedFile_(selectedFile),
      files_(ListHistoryFiles(context.programFolder, ClubFileName)) {
  const int listWidth = HistoryListWidth(static_cast<int>(files_.size()));
  list_ = new QListWidget(Content());
  list_->setGeometry(Margin, Margin, listWidth, GridHeight);
  list_->setFont(QFont("Courier New", 10));
  grid_ = new QTableWidget(0, static_cast<int>(HistoryColumnWidths.size()), Content());
  grid_->setGeometry(Margin * 2 + listWidth, Margin, GridWidth(), GridHeight);
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(RowHeight);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->horizontalHeader()->setHighlightSections(false);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  grid_->setShowGrid(true);
  grid_->setWordWrap(false);
  QFont gridFont("Comic Sans MS");
  gridFont.setPixelSize(12);
  grid_->setFont(gridFont);
  for (std::size_t c = 0; c < HistoryColumnWidths.size(); ++c) {
    grid_->setColumnWidth(static_cast<int>(c), HistoryColumnWidths[c]);
  }
  ok_ = AddButton(OkText,
                  QRect(Content()->width() - Margin - 200, GridHeight + 2 * Margin + 4, 200, 36));
  connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);

  if (files_.empty()) {
    list_->addItem(Catalogue(MsgNoHistoryFiles));
    list_->setEnabled(false);
  } else {
    for (const HistoryFileItem& file : files_) list_->addItem(FromFile(file.label));
    int row = static_cast<int>(files_.size()) - 1;
    for (std::size_t i = 0; i < files_.size(); ++i) {
      if (files_[i].number == selectedFile_) row = static_cast<int>(i);
    }
    list_->setCurrentRow(row);
    ShowFile(row);
  }
  connect(list_, &QListWidget::currentRowChanged, this, &HistoryDialog::ShowFile);
}

void HistoryDialog::Recaption() {
  for (std::size_t c = 0; c < ColumnTitles.size(); ++c) {
    grid_->setHorizontalHeaderItem(static_cast<int>(c),
                                   new QTableWidgetItem(Catalogue(ColumnTitles[c])));
  }
}

void HistoryDialog::ShowFile(int row) {
  if (row < 0 || row >= static_cast<int>(files_.size())) return;
  selectedFile_ = files_[static_cast<std::size_t>(row)].number;
  const std::vector<HistoryRow> rows =
      ReadHistoryRows(HistoryFilePath(Context().programFolder, ClubFileName, selectedFile_));
  grid_->clearContents();
  grid_->setRowCount(static_cast<int>(rows.size()));
  const QColor windowText = palette().color(QPalette::WindowText);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const QColor colour = HistoryRowColour(rows[r].kind, windowText);
    for (std::size_t c = 0; c < rows[r].columns.size(); ++c) {
      QString text = FromFile(rows[r].columns[c]);
      // The player's name starts two pixels in; every other field is centred.
      if (c == PlayerColumn) text.prepend(' ');
      auto* item = new QTableWidgetItem(text);
      item->setForeground(colour);
      item->setTextAlignment(c == PlayerColumn ? Qt::AlignLeft | Qt::AlignVCenter
                                               : Qt::AlignCenter);
      grid_->setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
  }
  // With one or two rows a highlight would hide which is which.
  grid_->setSelectionMode(rows.size() > 2 ? QAbstractItemView::SingleSelection
                                          : QAbstractItemView::NoSelection);
  if (rows.size() > 2) grid_->selectRow(static_cast<int>(rows.size()) - 1);
  grid_->scrollToBottom();
}

void ShowHistory(QWidget* parent, DialogContext& context, int& selectedFile) {
  HistoryDialog dialog(context, selectedFile, parent);
  dialog.exec();
}

}  // namespace fibwick
