// Fibwick: the card game's main program.
#include <QApplication>

#include "app/program_folder.h"
#include "app/tform1.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Fibwick");
  const auto folder = fibwick::ResolveProgramFolder(QApplication::applicationDirPath().toStdString());
  fibwick::TForm1 form(folder);
  form.show();
  return QApplication::exec();
}
