// Text is painted through Qt's font database, which needs a QGuiApplication.
#pragma once

namespace ombrel {

// Makes sure the process has a QGuiApplication. One without (the terminal's
// commands and their tests) gets one on the offscreen platform, so no
// display is needed; it keeps the process's C locale and lives until the
// process ends, and Qt's warnings in that process are not shown (the
// terminal's messages are the program's own).
void EnsureGuiApplication();

}  // namespace ombrel
