// The listing file of a computation. The header creates it (Create) and every
// later section opens it for appending (Append), so that each section is on
// disk before the next begins. Text is UTF-8 here and Windows-1252 on disk;
// every line ends in CR LF.
//
// The file stays open while the writer lives and text gathers in one buffer
// that is written out in pieces of a fixed size, so a listing of any length
// takes the same memory. Close() writes the rest out and reports a failure;
// the destructor writes it out too, so that a section abandoned by an
// exception still leaves on disk everything it wrote before the failure.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

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
  void BlankLine();                      // ends the current line
  void Line(std::string_view text);      // text, then line end
  void Stay(std::string_view text);      // text; the next write continues the line
  void NextZone(std::string_view text);  // text, then blanks up to the next zone start

  // Stay(FormatNumber(value, w, d)), formatted straight into the buffer. A
  // value FormatNumber refuses throws as there and writes nothing.
  void Number(double value, int w, int d);

  // Characters already written on the current line (0 after a line end).
  int Column() const { return column_; }

  // Bytes of text given to this writer so far (UTF-8, before conversion),
  // for progress reports.
  std::uint64_t BytesWritten() const { return flushed_ + size_; }

  // Writes out what is buffered and closes; a write failure throws FileError.
  // Further writes after Close() are a programming error and throw.
  void Close();

 private:
  void Put(std::string_view text);
  void Reserve(std::size_t bytes);
  void CheckOpen() const;
  void FlushIfFull();
  void Flush();
  void Flush(std::FILE* file);

  std::string path_;
  std::FILE* file_ = nullptr;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
  std::size_t size_ = 0;
  std::uint64_t flushed_ = 0;
  int column_ = 0;
};

}  // namespace ombrel
