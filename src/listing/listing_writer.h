// The listing file of a computation. The header creates it (Create) and every
// later section opens it for appending (Append), so that each section is on
// disk before the next begins. Text is UTF-8 here and Windows-1252 on disk;
// every line ends in CR LF.
//
// Writes are buffered. Close() writes the buffer out and reports a failure;
// the destructor writes it out too, so that a section abandoned by an
// exception still leaves on disk everything it wrote before the failure.
#pragma once

#include <string>

namespace ombrel {

// Width of a print zone; zones start at columns 1, 15, 29, ... (1-based).
inline constexpr int kPrintZoneWidth = 14;

class ListingWriter {
 public:
  enum class Mode {
    Create,  // create the file, or empty an existing one
    Append,  // add to the end of the file, creating it when missing
  };

  // Opens the listing; a file that cannot be opened throws FileError.
  ListingWriter(const std::string& path, Mode mode);
  ~ListingWriter();
  ListingWriter(const ListingWriter&) = delete;
  ListingWriter& operator=(const ListingWriter&) = delete;

  // The four line forms.
  void BlankLine();                        // ends the current line
  void Line(const std::string& text);      // text, then line end
  void Stay(const std::string& text);      // text; the next write continues the line
  void NextZone(const std::string& text);  // text, then blanks up to the next zone start

  // Characters already written on the current line (0 after a line end).
  int Column() const { return column_; }

  // Writes out what is buffered and closes; a write failure throws FileError.
  // Further writes after Close() are a programming error and throw.
  void Close();

 private:
  void Put(const std::string& text);
  void Flush();

  std::string path_;
  std::string buffer_;
  int column_ = 0;
  bool open_ = true;
};

}  // namespace ombrel
