// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes out of scope.
#pragma once

#include <filesystem>
#include <string>

namespace ombrel::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Full path of a file inside the folder.
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  // Writes bytes as they are (no conversion) and returns the full path.
  std::string Write(const std::string& name, const std::string& bytes) const;

 private:
  std::filesystem::path path_;
};

// Raw bytes of a file; fails the current test when it cannot be read.
std::string ReadBytes(const std::string& path);

// Folder of the validation networks and of the repository.
std::string ValidationDir();
std::string SourceDir();

}  // namespace ombrel::testing
