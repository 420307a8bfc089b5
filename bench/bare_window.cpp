// The floor the game's window is measured against: an empty Qt window of the game's base size,
// from the same toolkit, shown the same way.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setFixedSize(760, 500);
  window.show();
  return QApplication::exec();
}
