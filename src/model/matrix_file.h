// Reader of the ASCII matrix files (A, K, P, E) of a network given as a
// linearised system instead of a project.
//
// Format: rows separated by CR LF, no line break after the last row, so the
// row count is one more than the number of row ends. The row end is CR; in a
// file without any CR (Unix line ends) it is LF. The column count comes
// from the first row: a run of blanks (spaces, tabs) is one separator, a ";"
// is one unless it directly follows such a run. The elements are then read
// as rows x cols tokens in order, row by row, whatever line they stand on; a
// token ends at ";", blank, row end, "," or the end of the file, and its
// value is the longest numeric prefix after any leading blanks and LF (0 when
// there is none). "." is the decimal point; a "," is refused.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/network_state.h"
#include "model/result.h"

namespace ombrel {

// Limits of what the reader accepts; anything beyond is "demasiado grande".
// Dimensions are 16-bit Integers, so neither can exceed kMaxDimension. The
// element count is bounded as well: the system is held in dense matrices and
// the adjustment multiplies and inverts them, so 2^22 doubles (32 MiB, a
// 2048 x 2048 weight matrix) is far beyond any topographic network and still
// cheap to allocate. The byte limit keeps a hostile file from being loaded
// whole only to be refused afterwards.
inline constexpr std::int64_t kMaxMatrixElements = std::int64_t{1} << 22;
inline constexpr std::int64_t kMaxMatrixFileBytes = std::int64_t{64} << 20;

// True when a matrix of rows x cols fits within the limits above.
bool MatrixFits(std::int64_t rows, std::int64_t cols);

// A matrix file is read in two steps, so that the import can clear the main
// window's project label once the file is open. Every failure has the
// exclamation icon.
//
// The bytes of the file at path; missing, too large or unreadable otherwise.
Result<std::string> OpenMatrixFile(const std::string& path);

// The matrix the bytes of the file at path hold; too large, a decimal comma
// or a value beyond the range of a double otherwise.
Result<ImportedMatrix> ParseMatrixFile(std::string_view bytes, const std::string& path);

// Both steps.
Result<ImportedMatrix> ReadMatrixFile(const std::string& path);

// The "too large" failure, also for a file whose matrix only turns out to be
// too large once its meaning is known (a weight vector that becomes a square
// matrix).
Failure MatrixFileTooLarge(const std::string& path);

}  // namespace ombrel
