#include "ui/progress_meter.h"

#include <algorithm>

namespace ombrel {

std::string GroupedNumber(std::uint64_t number) {
  const std::string digits = std::to_string(number);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += '.';
    grouped += digits[i];
  }
  return grouped;
}

ProgressMeter::ProgressMeter(Interaction& ui, std::string label, std::string unit,
                             std::uint64_t total, std::uint64_t stride,
                             std::function<std::uint64_t()> bytes)
    : ui_(ui),
      label_(std::move(label)),
      unit_(std::move(unit)),
      total_(std::max<std::uint64_t>(total, 1)),
      stride_(std::max<std::uint64_t>(stride, 1)),
      next_(stride_),
      bytes_(std::move(bytes)),
      bytesAtStart_(bytes_ ? bytes_() : 0) {}

void ProgressMeter::Report() {
  next_ = done_ + stride_;
  const std::string text =
      label_ + ": " + GroupedNumber(done_) + " de " + GroupedNumber(total_) + " " + unit_;
  const double fraction = std::min(1.0, static_cast<double>(done_) / static_cast<double>(total_));
  Progress progress{fraction, text, 0, 0};
  if (bytes_) {
    progress.bytesWritten = bytes_();
    // Too early a pace says little about the rest.
    if (fraction >= 0.01)
      progress.bytesExpected =
          bytesAtStart_ +
          static_cast<std::uint64_t>(static_cast<double>(progress.bytesWritten - bytesAtStart_) /
                                     fraction);
  }
  ui_.ReportProgress(progress);
}

}  // namespace ombrel
