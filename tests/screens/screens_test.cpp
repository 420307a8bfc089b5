#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTimer>

#include "records/club_file.h"
#include "screens/screens_support.h"
#include "ui/dialogs/question_dialog.h"

namespace fibwick {
namespace {

// A picture of one colour is a window that drew nothing.
int DistinctColours(const QImage& image) {
  QSet<QRgb> seen;
  for (int y = 0; y < image.height(); y += 7) {
    for (int x = 0; x < image.width(); x += 7) seen.insert(image.pixel(x, y));
  }
  return static_cast<int>(seen.size());
}

TEST(Screens, IntroMenuAndTableAtEveryWindowSize) {
  ASSERT_NE(std::getenv("FIBWICK_SCREENSHOTS"), nullptr);
  // Leaving the running game asks first; the answer is yes.
  QTimer answerer;
  QObject::connect(&answerer, &QTimer::timeout, [] {
    if (auto* question = qobject_cast<QuestionDialog*>(QApplication::activeModalWidget())) {
      question->YesButton()->click();
    }
  });
  answerer.start(20);
  for (int mode = 1; mode <= 5; ++mode) {
    Settings settings;
    settings.WindowSizeMode = mode;
    const fs::path folder = ProgramFolder("shots-" + std::to_string(mode), settings);

    MainWindow form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 100000});
    form.show();
    Wait(400);
    const std::string size = "mode" + std::to_string(mode);
    if (mode == 1) Save(Photograph(form), "intro.png");
    form.EndIntro();
    Wait(300);
    const QImage menu = Photograph(form);
    Save(menu, size + "-menu.png");
    EXPECT_EQ(menu.width(), form.CurrentLayout().tableWidth) << size;
    EXPECT_EQ(menu.height(), form.CurrentLayout().tableHeight) << size;
    EXPECT_GT(DistinctColours(menu), 50) << size;

    form.StartMatch(SlotNewPlayer, "Shutter", EncodePassword("abc"));
    Wait(300);
    const QImage table = Photograph(form);
    Save(table, size + "-table.png");
    EXPECT_GT(DistinctColours(table), 50) << size;
    form.close();
    fs::remove_all(folder);
  }
}

}  // namespace
}  // namespace fibwick

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  std::filesystem::remove_all(fibwick::TestFolder({}));
  return result;
}
