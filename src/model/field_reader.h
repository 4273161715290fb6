// Reads the comma-separated fields of a project file. A field starts after
// any leading spaces and runs up to the next comma or line end; trailing
// spaces are dropped; a comma is consumed with its field. A line end right
// after a comma and an empty line make no field, so a record reads the same
// whether it stands on one line, is split over several or shares one.
#pragma once

#include <optional>
#include <string>

namespace ombrel {

class FieldReader {
 public:
  explicit FieldReader(std::string text) : text_(std::move(text)) {}

  // The next field, or nullopt at the end of the text.
  std::optional<std::string> Next();

  // The line (from 1; CR LF, CR and LF each end one) on which the field last
  // returned by Next starts.
  int Line() const { return fieldLine_; }

 private:
  bool AtLineEnd() const;
  void SkipLineEnd();

  std::string text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  int fieldLine_ = 1;
};

// The whole field as a number: optional sign, digits with at most one
// decimal point, optional exponent; blanks around it allowed. nullopt when
// the text is not such a number or its value is not finite.
std::optional<double> ParseNumberField(const std::string& field);

// The whole text as a decimal number in the C locale (a "." always), or
// nullopt when it is not one or does not fit a finite double.
std::optional<double> ParseDecimal(const std::string& text);

// The number at the start of a text: leading spaces skipped, then an
// optional sign, digits and one optional decimal point, stopping at the
// first other character; 0 when there is none.
double LeadingNumber(const std::string& text);

}  // namespace ombrel
