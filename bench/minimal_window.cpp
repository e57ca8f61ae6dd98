// The floor for any Qt program's start: one empty window of the main
// window's design size, for bench/startup.sh to compare the game against.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Minimal"));
  window.resize(701, 401);
  window.show();
  return QApplication::exec();
}
