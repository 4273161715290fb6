#include "plot/rubber_band.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ombrel {
namespace {

std::int16_t Corner(double v) {
  constexpr double lo = std::numeric_limits<std::int16_t>::min();
  constexpr double hi = std::numeric_limits<std::int16_t>::max();
  if (!std::isfinite(v)) return 0;
  return static_cast<std::int16_t>(std::lround(std::clamp(v, lo, hi)));
}

}  // namespace

void RubberBand::Press(double px, double py) {
  x1 = x2 = Corner(px);
  y1 = y2 = Corner(py);
  started_ = true;
  complete_ = false;
}

void RubberBand::Drag(double px, double py) {
  if (!started_ || complete_) return;
  x2 = Corner(px);
  y2 = Corner(py);
}

void RubberBand::Release(double px, double py) {
  if (!started_) return;
  x2 = Corner(px);
  y2 = Corner(py);
  complete_ = true;
}

void RubberBand::Clear() {
  *this = RubberBand();
}

bool RubberBand::Contains(double px, double py) const {
  if (!complete_ || x1 == x2 || y1 == y2) return false;
  return px >= std::min(x1, x2) && px <= std::max(x1, x2) && py >= std::min(y1, y2) &&
         py <= std::max(y1, y2);
}

}  // namespace ombrel
