// Text files on disk are Windows-1252 with CR LF line ends; text inside the
// program is UTF-8. Every reader and writer of the system converts here.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ombrel {

// Windows-1252 bytes to UTF-8. The five unassigned bytes map to U+FFFD.
std::string Cp1252ToUtf8(const std::string& bytes);

// UTF-8 to Windows-1252. A character the code page lacks (or an invalid
// UTF-8 sequence) becomes "?".
std::string Utf8ToCp1252(const std::string& text);

// The whole file as raw bytes; nullopt when it cannot be opened.
std::optional<std::string> ReadFileBytes(const std::string& path);

// The whole file converted to UTF-8 (line ends kept as they are).
std::optional<std::string> ReadTextFile(const std::string& path);

// Writes the UTF-8 text converted to Windows-1252, exactly as given (callers
// put their own CR LF). Returns false when the file cannot be written.
bool WriteTextFile(const std::string& path, const std::string& text);
bool AppendTextFile(const std::string& path, const std::string& text);

// Writes each line followed by CR LF.
bool WriteLines(const std::string& path, const std::vector<std::string>& lines);

bool FileExists(const std::string& path);

// The platform's path separator.
char PathSeparator();

}  // namespace ombrel
