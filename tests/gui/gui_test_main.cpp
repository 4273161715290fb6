// The GUI tests run on Qt's offscreen platform, with one QApplication for
// the whole run. Listing the tests (CTest's discovery) needs no application.
// Settings go to Qt's test location and start empty, so that no folder
// remembered by the person's own desktop, or by an earlier run, is used.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <cstring>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  QSettings(QStringLiteral("Ombrel"), QStringLiteral("Ombrel")).clear();
  return RUN_ALL_TESTS();
}
