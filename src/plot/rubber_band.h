// The zoom rectangle that the left mouse button draws on the picture, in
// picture units rounded to 16-bit integers.
#pragma once

#include <cstdint>

namespace ombrel {

class RubberBand {
 public:
  // Left button down: a new first corner; the old rectangle is dropped.
  void Press(double px, double py);
  // Pointer moved with the button held: the second corner follows it.
  void Drag(double px, double py);
  // Left button up: the second corner; the rectangle is complete.
  void Release(double px, double py);
  void Clear();

  bool Started() const { return started_; }
  bool Complete() const { return complete_; }
  // A complete rectangle with area holds the point (edges included).
  bool Contains(double px, double py) const;

  std::int16_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;

 private:
  bool started_ = false;
  bool complete_ = false;
};

}  // namespace ombrel
