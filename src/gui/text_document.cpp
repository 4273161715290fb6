#include "gui/text_document.h"

#include <QSet>

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

bool FitsCp1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return true;
  const QString one = QString::fromUcs4(&c, 1);
  return Utf8ToCp1252(one.toStdString()) != "?";
}

}  // namespace

QString DocumentFromBytes(const std::string& bytes) {
  return QString::fromStdString(Cp1252ToUtf8(FoldCrLf(bytes)));
}

std::string BytesFromDocument(const QString& text) {
  return Utf8ToCp1252(WithCrLf(text.toStdString()));
}

QString CharactersOutsideCp1252(const QString& text) {
  QString outside;
  QSet<uint> seen;
  for (const uint code : text.toUcs4()) {
    const auto c = static_cast<char32_t>(code);
    if (c < 0x80 || seen.contains(c)) continue;
    seen.insert(c);
    if (!FitsCp1252(c)) outside += QString::fromUcs4(&c, 1);
  }
  return outside;
}

QString ReplaceCharacter(const QString& text, QChar from, QChar to) {
  QString replaced = text;
  replaced.replace(from, to);
  return replaced;
}

}  // namespace ombrel
