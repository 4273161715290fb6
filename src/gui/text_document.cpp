#include "gui/text_document.h"

#include "model/text_file.h"

namespace ombrel {
namespace {

// QString::replace moves the tail of the string at every match whose length
// differs from its replacement, which made a listing of a gigabyte take
// minutes; these single passes do not.
std::string FoldCrLf(const std::string& bytes) {
  std::string folded;
  folded.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i)
    if (bytes[i] != '\r' || i + 1 == bytes.size() || bytes[i + 1] != '\n')
      folded.push_back(bytes[i]);
  return folded;
}

std::string WithCrLf(const std::string& text) {
  std::string ended;
  ended.reserve(text.size() + text.size() / 32 + 2);
  for (const char c : text) {
    if (c == '\n') ended.push_back('\r');
    ended.push_back(c);
  }
  ended += "\r\n";
  return ended;
}

}  // namespace

QString DocumentFromBytes(const std::string& bytes) {
  return QString::fromStdString(Cp1252ToUtf8(FoldCrLf(bytes)));
}

std::string BytesFromDocument(const QString& text) {
  return Utf8ToCp1252(WithCrLf(text.toStdString()));
}

QString ReplaceCharacter(const QString& text, QChar from, QChar to) {
  QString replaced = text;
  replaced.replace(from, to);
  return replaced;
}

}  // namespace ombrel
