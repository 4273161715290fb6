// Run-time errors of a computation. Every failing arithmetic operation or
// out-of-range subscript throws one of these at the point of failure; the
// command that started the computation catches them, reports and abandons.
#pragma once

#include <stdexcept>
#include <string>

namespace ombrel {

// Base of every error that abandons a computation step.
class RunTimeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Division by zero, 0/0, square root of a negative number, overflow.
class ArithmeticFault : public RunTimeError {
 public:
  enum class Kind { DivisionByZero, InvalidOperation, Overflow };
  ArithmeticFault(Kind kind, const std::string& what) : RunTimeError(what), kind_(kind) {}
  Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

// A matrix or vector element addressed outside its dimensions.
class SubscriptOutOfRange : public RunTimeError {
 public:
  using RunTimeError::RunTimeError;
};

// Gauss-Jordan met an exactly zero pivot that no row below can repair.
// The running command shows "Matriz singular" and abandons.
class SingularMatrix : public RunTimeError {
 public:
  SingularMatrix() : RunTimeError("Matriz singular") {}
};

}  // namespace ombrel
