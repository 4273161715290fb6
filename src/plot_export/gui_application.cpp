#include "plot_export/gui_application.h"

#include <QGuiApplication>
#include <clocale>
#include <cstdlib>
#include <string>

namespace ombrel {
namespace {

QtMessageHandler previousHandler = nullptr;
QGuiApplication* application = nullptr;

void OnlyFailures(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if ((type == QtCriticalMsg || type == QtFatalMsg) && previousHandler)
    previousHandler(type, context, message);
}

}  // namespace

void EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  static int argc = 3;
  static char program[] = "ombrel", option[] = "-platform", platform[] = "offscreen";
  static char* argv[] = {program, option, platform, nullptr};
  previousHandler = qInstallMessageHandler(OnlyFailures);
  // Qt takes the locale of the environment; numbers the program reads and
  // writes keep the decimal point.
  const std::string locale = std::setlocale(LC_ALL, nullptr);
  application = new QGuiApplication(argc, argv);
  std::setlocale(LC_ALL, locale.c_str());
  // Registered after Qt's own process-wide objects exist, so it runs before
  // they go: the application ends while Qt can still release what it holds
  // (the font configuration among them).
  std::atexit([] {
    delete application;
    application = nullptr;
  });
}

}  // namespace ombrel
