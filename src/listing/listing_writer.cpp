#include "listing/listing_writer.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "listing/file_error.h"
#include "listing/number_format.h"
#include "listing/output_file.h"
#include "model/text_file.h"

namespace ombrel {
namespace {

// The buffer is written out once it holds this much: large enough that the
// system calls cost little against the formatting, small enough to stay in
// the processor's cache.
constexpr std::size_t kFlushThreshold = 1 << 17;

// Characters (not bytes) of UTF-8 text: each is one byte on disk.
int CharacterCount(std::string_view text) {
  int count = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  return count;
}

// Whether the text has a byte outside ASCII, looked for eight at a time:
// nearly every buffer of a listing has none and goes to disk as it stands.
bool HasNonAscii(const std::string& text) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  std::size_t i = 0;
  std::uint64_t any = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, text.data() + i, 8);
    any |= word;
  }
  for (; i < text.size(); ++i) any |= static_cast<unsigned char>(text[i]);
  return (any & kHighBits) != 0;
}

[[noreturn]] void ThrowCannotWrite(const std::string& path, int errorNumber) {
  throw FileError(FileError::Kind::CannotWrite, path, WriteFailureCause(errorNumber));
}

}  // namespace

ListingWriter::ListingWriter(const std::string& path, Mode mode) : path_(path) {
  if (mode == Mode::Create)
    if (const auto cause = WriteOutputFile(path, "", false))
      throw FileError(FileError::Kind::CannotWrite, path, *cause);
  // Opened for appending either way: every piece goes to the end of the
  // file. Unbuffered, as the buffer is ours: a failure shows at the write
  // that meets it.
  errno = 0;
  file_ = std::fopen(path.c_str(), "ab");
  if (file_ == nullptr) ThrowCannotWrite(path, errno);
  std::setvbuf(file_, nullptr, _IONBF, 0);
  buffer_.reserve(kFlushThreshold + 4096);
}

ListingWriter::~ListingWriter() {
  if (file_ == nullptr) return;
  try {
    Flush();
  } catch (...) {
    // Already unwinding from the failure being reported, or nowhere to report.
  }
  std::fclose(file_);
}

void ListingWriter::BlankLine() {
  Put("\r\n");
  column_ = 0;
  FlushIfFull();
}

void ListingWriter::Line(std::string_view text) {
  Put(text);
  BlankLine();
}

void ListingWriter::Stay(std::string_view text) {
  Put(text);
  column_ += CharacterCount(text);
  FlushIfFull();
}

void ListingWriter::NextZone(std::string_view text) {
  Stay(text);
  // The next zone start strictly after the cursor: from column 1 that is 15.
  Put(std::string_view("              ",
                       static_cast<std::size_t>(kPrintZoneWidth - column_ % kPrintZoneWidth)));
  column_ += kPrintZoneWidth - column_ % kPrintZoneWidth;
  FlushIfFull();
}

void ListingWriter::Number(double value, int w, int d) {
  CheckOpen();
  const std::size_t before = buffer_.size();
  AppendNumber(buffer_, value, w, d);
  column_ += static_cast<int>(buffer_.size() - before);
  FlushIfFull();
}

void ListingWriter::Close() {
  if (file_ == nullptr) return;
  std::FILE* file = file_;
  file_ = nullptr;
  try {
    Flush(file);
  } catch (...) {
    std::fclose(file);
    throw;
  }
  errno = 0;
  if (std::fclose(file) != 0) ThrowCannotWrite(path_, errno);
}

void ListingWriter::Put(std::string_view text) {
  CheckOpen();
  buffer_.append(text);
}

void ListingWriter::CheckOpen() const {
  if (file_ == nullptr) throw std::logic_error("ListingWriter: escritura tras el cierre");
}

void ListingWriter::FlushIfFull() {
  if (buffer_.size() >= kFlushThreshold) Flush();
}

void ListingWriter::Flush() {
  Flush(file_);
}

void ListingWriter::Flush(std::FILE* file) {
  if (buffer_.empty()) return;
  const std::string converted = HasNonAscii(buffer_) ? Utf8ToCp1252(buffer_) : std::string();
  const std::string& bytes = converted.empty() ? buffer_ : converted;
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
    ThrowCannotWrite(path_, errno);
  buffer_.clear();
}

}  // namespace ombrel
