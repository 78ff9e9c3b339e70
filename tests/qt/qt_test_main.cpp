#include <QGuiApplication>
#include <gtest/gtest.h>

// Fonts and their metrics need a QGuiApplication; the offscreen platform needs no display.
int main(int argc, char** argv)
{
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  testing::InitGoogleTest(&argc, argv);
  QGuiApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
