// Tests of windows, fonts and event loops need a QApplication.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // ctest sets this for test runs, but not when it lists the tests after building.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("tess-test"));
  return RUN_ALL_TESTS();
}
