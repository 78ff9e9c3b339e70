#include "app/main_window.h"
#include "exchange/exchange_init.h"

#include <QApplication>

int main(int argc, char** argv)
{
  QApplication app(argc, argv);
  trelvix::initialiseExchange();
  QApplication::setApplicationName(QStringLiteral("trelvix3d"));
  QApplication::setApplicationDisplayName(QStringLiteral("Trelvix3D"));
  trelvix::TTrelvix3D window(QApplication::arguments());
  window.show();
  return QApplication::exec();
}
