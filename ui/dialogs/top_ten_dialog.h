#pragma once

#include <QColor>
#include <QString>
#include <filesystem>
#include <vector>

#include "ui/dialogs/dialog_frame.h"

// The local top ten of the club file in use.
namespace fibwick {

struct TopTenRow {
  QString place;  // "1."
  QString name;
  QString score;
  bool podium = false;  // places 1 to 3 stand out in red
};

// The ten rows from lines 6-15 of the club file's lines; none when the file is misshapen.
std::vector<TopTenRow> TopTenRows(const std::vector<std::string>& clubLines);

class TopTenDialog : public DialogFrame {
  Q_OBJECT

 public:
  TopTenDialog(DialogContext& context, QWidget* parent);

  const std::vector<TopTenRow>& Rows() const { return rows_; }
  QString BoardTitle() const;
  SkinButton* OkButton() const { return ok_; }

 private:
  std::vector<TopTenRow> rows_;
  SkinButton* ok_ = nullptr;
};

void ShowTopTen(QWidget* parent, DialogContext& context);

}  // namespace fibwick
