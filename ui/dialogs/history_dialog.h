#pragma once

#include <QColor>
#include <QListWidget>
#include <QTableWidget>
#include <filesystem>
#include <vector>

#include "records/history_view.h"
#include "ui/dialogs/dialog_frame.h"

// The history window: the list of history files and the entries of one as a grid.
namespace fibwick {

// The kind of game colours the whole row.
QColor HistoryRowColour(HistoryKind kind, QColor windowText);
int HistoryListWidth(int fileCount);
inline constexpr std::array<int, 7> HistoryColumnWidths{45, 65, 210, 45, 55, 55, 80};

class HistoryDialog : public DialogFrame {
  Q_OBJECT

 public:
  // selectedFile: the file shown last time, 0 the first time; it follows the player's choice.
  HistoryDialog(DialogContext& context, int& selectedFile, QWidget* parent);

  QListWidget* FileList() const { return list_; }
  QTableWidget* Grid() const { return grid_; }
  SkinButton* OkButton() const { return ok_; }
  const std::vector<HistoryFileItem>& Files() const { return files_; }

 protected:
  void Recaption() override;

 private:
  void ShowFile(int row);

  int& selectedFile_;
  std::vector<HistoryFileItem> files_;
  QListWidget* list_ = nullptr;
  QTableWidget* grid_ = nullptr;
  SkinButton* ok_ = nullptr;
};

void ShowHistory(QWidget* parent, DialogContext& context, int& selectedFile);

}  // namespace fibwick
