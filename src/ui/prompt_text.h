// Shapes of prompt texts shared by the commands.
#pragma once

#include <string>
#include <vector>

namespace ombrel {

// A prompt made of a heading and a question: an empty line, the heading, two
// empty lines and the question, joined by CR LF.
std::string HeadingPrompt(const std::string& heading, const std::string& question);

// Lines joined by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// True when text holds a number as typed by a person: blanks around it,
// optional sign, digits with at most one ".", optional exponent; never ",".
bool IsTypedNumber(const std::string& text);

// True when text holds a whole number: blanks around it, digits only.
bool IsTypedWholeNumber(const std::string& text);

}  // namespace ombrel
