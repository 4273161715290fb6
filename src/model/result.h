// What a reader of the model returns: the value it read, or the failure
// that says why it could not, with what a front end needs to show it. The
// readers never show anything themselves; the command that called one
// presents the failure (ShowFailure) and decides what follows.
#pragma once

#include <string>
#include <utility>
#include <variant>

#include "ui/interaction.h"

namespace ombrel {

// A message box with an OK button, the given icon and the application's
// title, after a beep when beep is set.
struct Failure {
  std::string message;
  Icon icon = Icon::Information;
  bool beep = false;
  bool operator==(const Failure&) const = default;
};

inline void ShowFailure(Interaction& ui, const Failure& failure) {
  if (failure.beep) ui.Beep();
  ui.MessageBox(failure.message, Buttons::Ok, failure.icon, 1, kAppTitle);
}

template <class T>
class Result {
 public:
  Result(T value) : content_(std::in_place_index<0>, std::move(value)) {}
  Result(Failure failure) : content_(std::in_place_index<1>, std::move(failure)) {}

  bool ok() const { return content_.index() == 0; }
  explicit operator bool() const { return ok(); }

  // The value; only when ok().
  T& value() { return std::get<0>(content_); }
  const T& value() const { return std::get<0>(content_); }
  T& operator*() { return value(); }
  const T& operator*() const { return value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }

  // The failure; only when !ok().
  const Failure& error() const { return std::get<1>(content_); }

 private:
  std::variant<T, Failure> content_;
};

}  // namespace ombrel
