#include "work_folder.h"

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "model/text_file.h"

namespace ombrel::fuzzing {
namespace {

namespace fs = std::filesystem;

// The folder of this process, kept for the exit handler.
std::string* folderAtExit = nullptr;

void RemoveFolder() {
  std::error_code ec;
  fs::current_path(fs::temp_directory_path(), ec);
  fs::remove_all(*folderAtExit, ec);
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Lines ending in CR LF, LF or CR.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
    lines.push_back(text.substr(at, end - at));
    at = end;
    if (at < text.size() && text[at] == '\r') ++at;
    if (at < text.size() && text[at] == '\n') ++at;
  }
  return lines;
}

bool IsLetter(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 128 || std::isalpha(u);
}

bool SameLower(const std::string& text, std::size_t at, const char* word) {
  for (std::size_t i = 0; word[i] != '\0'; ++i)
    if (at + i >= text.size() || std::tolower(static_cast<unsigned char>(text[at + i])) != word[i])
      return false;
  return true;
}

}  // namespace

bool HasNonFiniteWord(const std::string& text) {
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (at > 0 && IsLetter(text[at - 1])) continue;
    std::size_t end = at;
    if (SameLower(text, at, "infinity"))
      end = at + 8;
    else if (SameLower(text, at, "inf") || SameLower(text, at, "nan"))
      end = at + 3;
    if (end > at && (end == text.size() || !IsLetter(text[end]))) return true;
  }
  return false;
}

WorkFolder::WorkFolder() {
  path_ = (fs::temp_directory_path() / ("ombrel-fuzz-" + std::to_string(getpid()))).string();
  fs::create_directories(path_);
  folderAtExit = new std::string(path_);
  std::atexit(RemoveFolder);
}

void KeepArtifactsInStartFolder(int* argc, char*** argv) {
  static std::string prefix = "-artifact_prefix=" + fs::current_path().string() + "/";
  static std::vector<char*> args(*argv, *argv + *argc);
  args.insert(args.begin() + 1, prefix.data());
  args.push_back(nullptr);
  *argc += 1;
  *argv = args.data();
}

void WorkFolder::Enter() {
  before_ = fs::current_path();
  fs::current_path(path_);
  for (const auto& entry : fs::directory_iterator(path_)) fs::remove_all(entry.path());
  inputs_.clear();
}

void WorkFolder::Leave() {
  fs::current_path(before_);
}

void WorkFolder::Put(const std::string& name, const std::string& bytes) {
  std::ofstream(fs::path(path_) / name, std::ios::binary) << bytes;
  inputs_[name] = bytes;
}

void WorkFolder::CheckWrittenFiles() const {
  std::vector<std::string> echoed;
  for (const auto& [name, bytes] : inputs_)  // read as text, then written back
    for (const std::string& line : Lines(Utf8ToCp1252(Cp1252ToUtf8(bytes))))
      if (!line.empty()) echoed.push_back("    " + line);
  for (const auto& entry : fs::directory_iterator(path_)) {
    if (!entry.is_regular_file()) continue;
    const std::string name = entry.path().filename().string();
    const std::string bytes = ReadBytes(entry.path());
    const auto input = inputs_.find(name);
    if (input != inputs_.end() && input->second == bytes) continue;
    for (const std::string& line : Lines(bytes)) {
      std::size_t from = 0;
      for (const std::string& echo : echoed)
        if (line.compare(0, echo.size(), echo) == 0) from = std::max(from, echo.size());
      if (!HasNonFiniteWord(line.substr(from))) continue;
      std::fprintf(stderr, "Valor no finito en %s: %s\n", name.c_str(), line.c_str());
      __builtin_trap();
    }
  }
}

}  // namespace ombrel::fuzzing
