// The modal prompts as Qt windows: a message box with Spanish buttons and an
// input box. Texts arrive with CR LF line breaks and are shown as plain text;
// a text taller than the screen scrolls (ScrollingPrompt), so that the
// field and the buttons stay in sight.
#pragma once

#include <QString>
#include <string>

#include "ui/interaction.h"

class QWidget;

namespace ombrel {

QString ToQt(const std::string& text);
std::string FromQt(const QString& text);
// CR LF (and lone CR) to the line feed Qt widgets expect.
QString DisplayText(const std::string& text);

Answer ShowMessageBox(QWidget* parent, const std::string& text, Buttons buttons, Icon icon,
                      int defaultButton, const std::string& title);

// Returns false when cancelled.
bool ShowInputBox(QWidget* parent, const std::string& prompt, const std::string& title,
                  const std::string& defaultText, std::string& answer);

}  // namespace ombrel
