#include "Main.h"

#include <QApplication>

int main(int argc, char** argv)
{
  QApplication app(argc, argv);
  Tmainform mainform;
  mainform.show();
  return QApplication::exec();
}
