#include "design/design_outcome.h"

namespace ombrel {

void AbandonDesign(ListingWriter& out, NetworkState& s, const std::string& problem,
                   int blanksBefore) {
  for (int i = 0; i < blanksBefore; ++i) out.BlankLine();
  out.Line("    --> CALCULO DEL " + problem + " ABANDONADO PREMATURAMENTE ");
  out.BlankLine();
  out.Close();
  s.NetworkType = kDesignAbandoned;
}

}  // namespace ombrel
