// Dense 1-based matrices and vectors of doubles, the shared operands of every
// computation. Storage runs 0..rows x 0..cols (row 0 and column 0 exist but
// carry no data), row by row and contiguous. Redim discards the contents and
// zero-fills. Element access through operator() is checked: a subscript
// outside 0..rows / 0..cols throws SubscriptOutOfRange.
#pragma once

#include <cstddef>
#include <vector>

#include "numeric/run_time_error.h"

namespace ombrel {

// Largest dimension a 16-bit count can hold.
inline constexpr int kMaxDimension = 32767;
inline constexpr long kNoSecond = -1000000;  // ThrowSubscript: one subscript only

[[noreturn]] void ThrowSubscript(const char* what, long a, long b);
[[noreturn]] void ThrowDimensionOverflow();

template <typename T>
class Array2 {
 public:
  Array2() { Redim(0, 0); }
  Array2(int rows, int cols) { Redim(rows, cols); }

  // Re-dimensions to rows x cols (each 0..32767) and fills with zeros.
  void Redim(int rows, int cols) {
    if (rows < 0 || cols < 0) ThrowSubscript("dimensión no válida", rows, cols);
    if (rows > kMaxDimension || cols > kMaxDimension) ThrowDimensionOverflow();
    rows_ = rows;
    cols_ = cols;
    data_.assign((static_cast<std::size_t>(rows) + 1) * Stride(), T{});
  }

  int Rows() const { return rows_; }
  int Cols() const { return cols_; }

  T& operator()(int r, int c) {
    Check(r, c);
    return data_[Index(r, c)];
  }
  T operator()(int r, int c) const {
    Check(r, c);
    return data_[Index(r, c)];
  }

  // Unchecked access to row r (element c of the row is p[c], c = 0..Cols()).
  // For inner loops of the kernel whose bounds are established beforehand.
  T* Row(int r) { return data_.data() + Index(r, 0); }
  const T* Row(int r) const { return data_.data() + Index(r, 0); }

  // Distance between consecutive rows in the contiguous storage.
  std::size_t Stride() const { return static_cast<std::size_t>(cols_) + 1; }

  bool operator==(const Array2& other) const = default;

 private:
  std::size_t Index(int r, int c) const {
    return static_cast<std::size_t>(r) * Stride() + static_cast<std::size_t>(c);
  }
  void Check(int r, int c) const {
    if (r < 0 || r > rows_ || c < 0 || c > cols_) [[unlikely]]
      ThrowOutOfRange(r, c);
  }
  [[noreturn]] void ThrowOutOfRange(int r, int c) const {
    ThrowSubscript("subíndice fuera del intervalo", r, c);
  }

  int rows_ = 0;
  int cols_ = 0;
  std::vector<T> data_;
};

using Matrix = Array2<double>;
using IntMatrix = Array2<int>;

// A 1-based vector: elements 0..n, element 0 unused.
template <typename T>
class Array1 {
 public:
  Array1() { Redim(0); }
  explicit Array1(int n) { Redim(n); }

  // Re-dimensions to 1..n (0 <= n <= 32767) and fills with T{}.
  void Redim(int n) {
    if (n < 0 || n > kMaxDimension) ThrowBadSize(n);
    size_ = n;
    data_.assign(static_cast<std::size_t>(n) + 1, T{});
  }

  int Size() const { return size_; }

  T& operator()(int i) {
    Check(i);
    return data_[static_cast<std::size_t>(i)];
  }
  const T& operator()(int i) const {
    Check(i);
    return data_[static_cast<std::size_t>(i)];
  }

  T* Data() { return data_.data(); }
  const T* Data() const { return data_.data(); }

  bool operator==(const Array1& other) const = default;

 private:
  void Check(int i) const {
    if (i < 0 || i > size_) [[unlikely]]
      ThrowOutOfRange(i);
  }
  [[noreturn]] static void ThrowOutOfRange(int i);
  [[noreturn]] static void ThrowBadSize(int n);

  int size_ = 0;
  std::vector<T> data_;
};

using Vector = Array1<double>;
using IntVector = Array1<int>;

template <typename T>
void Array1<T>::ThrowOutOfRange(int i) {
  ThrowSubscript("subíndice fuera del intervalo", i, kNoSecond);
}
template <typename T>
void Array1<T>::ThrowBadSize(int n) {
  ThrowSubscript("dimensión no válida", n, kNoSecond);
}

}  // namespace ombrel
