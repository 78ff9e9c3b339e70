#include "app/main_window.h"
#include "app/startup.h"
#include "exchange/exchange_init.h"
#include "forcefields/thermo_modes.h"

#include <QApplication>

int main(int argc, char** argv)
{
  QApplication app(argc, argv);
  trelvix::initialiseExchange();
  trelvix::installForceFieldModes();
  trelvix::configureApplication();
  trelvix::TTrelvix3D window(QApplication::arguments());
  window.show();
  return QApplication::exec();
}
