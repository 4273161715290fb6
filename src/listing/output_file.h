// The files a computation writes (listing, transcript, DXF): whether a name
// can be written, and writing that tells why it failed. Text is UTF-8 here
// and Windows-1252 on disk.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ombrel {

// True when both names lead to the same file: the same file on disk when
// both exist (links included), otherwise the same absolute normal path.
bool SameFile(const std::string& a, const std::string& b);

// Why a file could not be written, from the system's error number, as a
// Spanish phrase without a final stop ("es una carpeta", "no queda espacio
// en el disco", ...).
std::string WriteFailureCause(int errorNumber);

// "No se puede escribir el fichero <path>: <cause>."
std::string CannotWriteText(const std::string& path, const std::string& cause);

// Writes bytes to path as they are: created or emptied first, or (append)
// added at the end of the file, which is created when missing. Returns
// nullopt when all of them reached the disk, otherwise the cause.
std::optional<std::string> WriteFileBytes(const std::string& path, std::string_view bytes,
                                          bool append);

// Writes text to path: created or emptied first, or (append) added at the
// end of the file, which is created when missing. Returns nullopt when all
// of it reached the disk, otherwise the cause of the failure.
std::optional<std::string> WriteOutputFile(const std::string& path, const std::string& text,
                                           bool append);

// Whether path could be opened for writing, found without changing it: an
// existing file keeps its contents and a missing one is not left behind.
// nullopt when it can, otherwise the cause. A full disk shows only when the
// file is written.
std::optional<std::string> OutputFileProblem(const std::string& path);

}  // namespace ombrel
