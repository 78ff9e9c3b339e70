#include "app/main_window.h"

#include <QApplication>

int main(int argc, char** argv)
{
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("trelvix3d"));
  QApplication::setApplicationDisplayName(QStringLiteral("Trelvix3D"));
  trelvix::TTrelvix3D window(QApplication::arguments());
  window.show();
  return QApplication::exec();
}
