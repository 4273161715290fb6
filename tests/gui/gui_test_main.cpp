// The GUI tests run on Qt's offscreen platform, with one QApplication for
// the whole run and the program's settings in a temporary folder. Listing
// the tests (CTest's discovery) needs no application.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstring>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const QTemporaryDir settings;
  for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
    for (const auto scope : {QSettings::UserScope, QSettings::SystemScope})
      QSettings::setPath(format, scope, settings.path());
  QApplication app(argc, argv);
  QSettings(QStringLiteral("Ombrel"), QStringLiteral("Ombrel")).clear();
  return RUN_ALL_TESTS();
}
