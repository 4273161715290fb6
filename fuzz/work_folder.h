// The folder where a fuzz target runs whole commands: one per process under
// the system's temporary folder, emptied and made the current folder for
// every input, so that the listing, "elipses.tmp", the DXF and any file an
// answer names land there (the answers never hold a "/"), and no file of one
// input is seen by the next.
#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace ombrel::fuzzing {

class WorkFolder {
 public:
  WorkFolder();  // creates the folder; it is removed at exit
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;

  // Empties the folder and makes it the current folder; Leave goes back to
  // the folder current before, where libFuzzer keeps a relative corpus.
  void Enter();
  void Leave();
  // Writes an input of the commands (project, matrices, criterion) as bytes.
  void Put(const std::string& name, const std::string& bytes);
  // Traps (prints the file and the line, then __builtin_trap) when a file
  // the commands wrote holds a value that is not finite. Inputs still as
  // written are left out, and so is the echo of their lines in a listing
  // ("    " + the line as read and written back in Windows-1252), which
  // repeats the input's own text.
  void CheckWrittenFiles() const;

 private:
  std::string path_;
  std::filesystem::path before_;
  std::map<std::string, std::string> inputs_;
};

// For LLVMFuzzerInitialize: puts -artifact_prefix=<the current folder>/ in
// front of the arguments (one given later still rules), so that an input
// that crashes while the work folder is current is kept where libFuzzer
// keeps it without a target that changes folder.
void KeepArtifactsInStartFolder(int* argc, char*** argv);

// True when the text holds "nan" or "inf" (any case, "infinity" too) with no
// letter touching it: how a stream, printf or to_chars writes a double that
// is not finite ("-nan", "inf", "1.#INF" alike). Bytes above 127 count as
// letters, so accented words never match.
bool HasNonFiniteWord(const std::string& text);

}  // namespace ombrel::fuzzing
