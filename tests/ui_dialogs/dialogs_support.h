#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "records/catalogue.h"
#include "records/club_file.h"
#include "records/club_members.h"
#include "records/settings.h"
#include "ui/dialogs/dialog_context.h"
#include "ui/packs.h"

namespace fibwick::testing_support {

inline QString Text(Message message) {
  const std::string_view text = MessageText(message);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A program folder of its own, default settings and the built-in pictures; English unless a
// test switches. Packs a test writes into dir_ lie in the folder above the program's.
class DialogTest : public ::testing::Test {
 protected:
  DialogTest() : folder_(std::filesystem::path(dir_.path().toStdString()) / "Game") {
    SetLanguage(0);
    std::filesystem::create_directory(folder_);
    shelf_ = std::make_unique<PackShelf>(QString::fromStdString(folder_.string()));
    context_ = std::make_unique<DialogContext>(settings_, ArtSources{}, folder_);
    context_->sources.packs = shelf_.get();
  }
  ~DialogTest() override { SetLanguage(0); }

  // A club file with these members on lines 1.. and these top-ten entries.
  std::filesystem::path WriteClub(const std::vector<ClubRecord>& members,
                                  const std::vector<std::pair<std::string, int>>& topTen,
                                  const char* fileName = ClubFileName) {
    std::vector<std::string> lines = NewClubLines(topTen, "", "");
    for (std::size_t i = 0; i < members.size(); ++i) lines[i] = FormatMemberLine(members[i]);
    const std::filesystem::path file = folder_ / fileName;
    EXPECT_TRUE(WriteClubFile(file, lines));
    return file;
  }

  static std::vector<std::pair<std::string, int>> SampleTopTen() {
    return {{"Alice", 180}, {"Boris", 150}, {"Clara", 120}, {"Dmitri", 90}, {"Eve", 60},
            {"Felix", 40},  {"Gina", 30},   {"Hugo", 20},   {"Ivan", 10},   {"Judy", 5}};
  }

  // Shows the window (so its show handler runs), keeps a picture of it for people to look at,
  // and returns it.
  static QImage Shot(QWidget& widget, const QString& name) {
    widget.show();
    QApplication::processEvents();
    const QImage image = widget.grab().toImage();
    QDir().mkpath(FIBWICK_DIALOG_SHOTS);
    image.save(QString(FIBWICK_DIALOG_SHOTS) + "/" + name + ".png");
    return image;
  }

  QTemporaryDir dir_;
  std::filesystem::path folder_;
  Settings settings_;
  std::unique_ptr<PackShelf> shelf_;
  std::unique_ptr<DialogContext> context_;
};

}  // namespace fibwick::testing_support
