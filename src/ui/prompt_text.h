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
// A number beyond the range of a double ("1e999") is refused like any other
// invalid answer; one too small to hold reads as 0.
bool IsTypedNumber(const std::string& text);

// True when text holds a whole number: blanks around it, digits only, within
// the range of a double.
bool IsTypedWholeNumber(const std::string& text);

}  // namespace ombrel
