#include "gui/text_document.h"

#include "model/text_file.h"

namespace ombrel {

QString DocumentFromBytes(const std::string& bytes) {
  QString text = QString::fromStdString(Cp1252ToUtf8(bytes));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

std::string BytesFromDocument(const QString& text) {
  QString withEnds = text + QLatin1Char('\n');
  withEnds.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return Utf8ToCp1252(withEnds.toStdString());
}

QString ReplaceCharacter(const QString& text, QChar from, QChar to) {
  QString replaced = text;
  replaced.replace(from, to);
  return replaced;
}

}  // namespace ombrel
