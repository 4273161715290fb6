// Conversions between the editor's text and the bytes of a file on disk.
// Each runs in time linear in the size of its input, so that a listing of
// tens of megabytes loads in a moment.
#pragma once

#include <QChar>
#include <QString>
#include <optional>
#include <string>

namespace ombrel {

// The file's Windows-1252 bytes as editor text, CR LF folded to line feeds
// (a lone CR is kept).
QString DocumentFromBytes(const std::string& bytes);

// The editor text as Windows-1252 bytes with CR LF line ends and a final
// line end. A character the code page lacks is written as "?".
std::string BytesFromDocument(const QString& text);

// The distinct characters of text that Windows-1252 cannot hold, in order
// of first appearance; empty when the whole text can be saved as it is.
QString CharactersOutsideCp1252(const QString& text);

// Every occurrence of one character overwritten by another.
QString ReplaceCharacter(const QString& text, QChar from, QChar to);

}  // namespace ombrel
