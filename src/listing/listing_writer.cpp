#include "listing/listing_writer.h"

#include <stdexcept>

#include "listing/file_error.h"
#include "listing/output_file.h"

namespace ombrel {
namespace {

// Large listings are written out in pieces of about this size.
constexpr std::size_t kFlushThreshold = 1 << 18;

// Characters (not bytes) of UTF-8 text: each is one byte on disk.
int CharacterCount(const std::string& text) {
  int count = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  return count;
}

}  // namespace

ListingWriter::ListingWriter(const std::string& path, Mode mode) : path_(path) {
  if (const auto cause = WriteOutputFile(path, "", mode == Mode::Append))
    throw FileError(FileError::Kind::CannotWrite, path, *cause);
}

ListingWriter::~ListingWriter() {
  if (!open_) return;
  try {
    Flush();
  } catch (...) {
    // Already unwinding from the failure being reported, or nowhere to report.
  }
}

void ListingWriter::BlankLine() {
  Put("\r\n");
  column_ = 0;
}

void ListingWriter::Line(const std::string& text) {
  Put(text);
  BlankLine();
}

void ListingWriter::Stay(const std::string& text) {
  Put(text);
  column_ += CharacterCount(text);
}

void ListingWriter::NextZone(const std::string& text) {
  Stay(text);
  // The next zone start strictly after the cursor: from column 1 that is 15.
  Stay(std::string(static_cast<std::size_t>(kPrintZoneWidth - column_ % kPrintZoneWidth), ' '));
}

void ListingWriter::Close() {
  if (!open_) return;
  open_ = false;
  Flush();
}

void ListingWriter::Put(const std::string& text) {
  if (!open_) throw std::logic_error("ListingWriter: escritura tras el cierre");
  buffer_ += text;
  if (buffer_.size() >= kFlushThreshold) Flush();
}

void ListingWriter::Flush() {
  if (buffer_.empty()) return;
  if (const auto cause = WriteOutputFile(path_, buffer_, true))
    throw FileError(FileError::Kind::CannotWrite, path_, *cause);
  buffer_.clear();
}

}  // namespace ombrel
