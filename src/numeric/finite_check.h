// Cheap detection of results that are not finite, for the kernel's inner
// loops. An overflow or an invalid operation leaves an infinity or a NaN in
// the stored result; the loops fold a flag per element with integer
// operations that vectorise, and the caller throws once per row through
// ThrowIfNotFinite, so no NaN or infinity ever leaves a routine.
#pragma once

#include <bit>
#include <cstdint>

namespace ombrel {

// 1 when x is an infinity or a NaN (exponent bits all ones), else 0.
inline std::uint64_t NotFiniteBit(double x) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  return (((bits >> 52) & 0x7ffu) + 1u) >> 11;
}

// Throws the ArithmeticFault of the first element of p[from..to] that is not
// finite; does nothing when all are finite.
void ThrowIfNotFinite(const double* p, int from, int to);

// Throws when `flags` is non-zero, naming the first bad element of p[from..to].
inline void CheckRowFlags(std::uint64_t flags, const double* p, int from, int to) {
  if (flags != 0) [[unlikely]]
    ThrowIfNotFinite(p, from, to);
}

}  // namespace ombrel
