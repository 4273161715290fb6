#include "listing/listing_writer.h"

#include <algorithm>
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
constexpr std::size_t kFlushThreshold = 1 << 16;

// The high bit of every byte of a word.
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

std::uint64_t Word(const char* p) {
  std::uint64_t word = 0;
  std::memcpy(&word, p, 8);
  return word;
}

// Characters (not bytes) of UTF-8 text: each is one byte on disk. Counted
// eight bytes at a time: a continuation byte is one with its high bit set
// and the next bit clear.
int CharacterCount(std::string_view text) {
  std::size_t continuation = 0;
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    const std::uint64_t word = Word(text.data() + i);
    // One bit per continuation byte, moved to the bottom of its byte; the
    // multiplication sums the bytes into the top one.
    const std::uint64_t marks = (word & ~(word << 1) & kHighBits) >> 7;
    continuation += static_cast<std::size_t>((marks * 0x0101010101010101ULL) >> 56);
  }
  for (; i < text.size(); ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++continuation;
  return static_cast<int>(text.size() - continuation);
}

// Whether the bytes have one outside ASCII, looked for eight at a time:
// nearly every buffer of a listing has none and goes to disk as it stands.
bool HasNonAscii(const char* bytes, std::size_t size) {
  std::size_t i = 0;
  std::uint64_t any = 0;
  for (; i + 8 <= size; i += 8) any |= Word(bytes + i);
  for (; i < size; ++i) any |= static_cast<unsigned char>(bytes[i]);
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
  Reserve(kFlushThreshold + kNumberRoom);
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
  Reserve(kNumberRoom);
  char* const at = buffer_.get() + size_;
  if (const char* end = FormatNumberAt(at, value, w, d)) {
    size_ += static_cast<std::size_t>(end - at);
    column_ += static_cast<int>(end - at);
    FlushIfFull();
  } else {
    std::string text;
    AppendNumber(text, value, w, d);
    Stay(text);
  }
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
  Reserve(text.size());
  std::memcpy(buffer_.get() + size_, text.data(), text.size());
  size_ += text.size();
}

// Room for bytes more at the end of the buffer. Only a line longer than
// the flush threshold makes it grow.
void ListingWriter::Reserve(std::size_t bytes) {
  if (size_ + bytes <= capacity_) return;
  const std::size_t capacity = std::max(size_ + bytes, 2 * capacity_);
  auto grown = std::make_unique_for_overwrite<char[]>(capacity);
  if (size_ > 0) std::memcpy(grown.get(), buffer_.get(), size_);
  buffer_ = std::move(grown);
  capacity_ = capacity;
}

void ListingWriter::CheckOpen() const {
  if (file_ == nullptr) throw std::logic_error("ListingWriter: escritura tras el cierre");
}

void ListingWriter::FlushIfFull() {
  if (size_ >= kFlushThreshold) Flush();
}

void ListingWriter::Flush() {
  Flush(file_);
}

void ListingWriter::Flush(std::FILE* file) {
  if (size_ == 0) return;
  std::string_view bytes(buffer_.get(), size_);
  std::string converted;
  if (HasNonAscii(buffer_.get(), size_)) {
    converted = Utf8ToCp1252(std::string(bytes));
    bytes = converted;
  }
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
    ThrowCannotWrite(path_, errno);
  flushed_ += size_;
  size_ = 0;
}

}  // namespace ombrel
