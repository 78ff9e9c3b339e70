#include "app/main_window.h"
#include "app/startup.h"
#include "program/program_init.h"

#include <QApplication>

int main(int argc, char** argv)
{
  QApplication app(argc, argv);
  trelvix::initialiseProgram();
  trelvix::configureApplication();
  trelvix::TTrelvix3D window(QApplication::arguments());
  window.show();
  return QApplication::exec();
}
