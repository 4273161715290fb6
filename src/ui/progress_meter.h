// Counts the items of a long loop and reports through Interaction every
// `stride` items, so that a loop of millions of cheap items pays one
// addition and one comparison per item.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ui/interaction.h"

namespace ombrel {

// "7396" -> "7.396": whole numbers in the texts shown to the person.
std::string GroupedNumber(std::uint64_t number);

class ProgressMeter {
 public:
  inline static constexpr std::uint64_t kDefaultStride = 4096;

  // label: what is being done ("Método de las secciones del hiperelipsoide");
  // unit: what is counted, plural ("elipses"); total: items of the whole
  // loop (0 is taken as 1); bytes, when given, tells the output written so
  // far and is called here and at each report: the reports then tell the
  // bytes written and, from the pace since here, those the loop will end at.
  ProgressMeter(Interaction& ui, std::string label, std::string unit, std::uint64_t total,
                std::uint64_t stride = kDefaultStride, std::function<std::uint64_t()> bytes = {});

  // One more item done; a report is due every stride items. Throws
  // ComputationStopped from the report when the person asked to stop.
  void Advance() {
    if (++done_ >= next_) Report();
  }

  // Reports at once, whatever the count ("3 de 9" before a slow item).
  void Report();

  std::uint64_t Done() const { return done_; }

 private:
  Interaction& ui_;
  std::string label_, unit_;
  std::uint64_t total_, stride_, done_ = 0, next_;
  std::function<std::uint64_t()> bytes_;
  std::uint64_t bytesAtStart_ = 0;
};

}  // namespace ombrel
