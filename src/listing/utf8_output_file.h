// Files written for other programs (CSV, GeoJSON, XML): UTF-8 on disk, as
// those formats expect, unlike the Windows-1252 listings.
#pragma once

#include <optional>
#include <string>

namespace ombrel {

// Writes text to path as it is (created or emptied first). nullopt when all
// of it reached the disk, otherwise the cause (WriteFailureCause).
std::optional<std::string> WriteUtf8OutputFile(const std::string& path, const std::string& text);

}  // namespace ombrel
