#include "model/network_state.h"

namespace ombrel {

NetworkState::NetworkState() {
  ObsWeights.Redim(2, kObsWeightColumns);
  ResetObsWeights(*this);
}

void ResetObsWeights(NetworkState& state) {
  for (int c = 1; c <= kObsWeightColumns; ++c) {
    state.ObsWeights(1, c) = 0.0;
    state.ObsWeights(2, c) = 1.0;
  }
}

void ForgetErrorFigures(NetworkState& state) {
  state.EllipsesDone = false;
  state.ZeroDesignEllipses = false;
  state.SectionsDone = false;
  state.RosettesDone = false;
  state.AxisProjDone = false;
  state.EllipsesAPriori = false;
}

}  // namespace ombrel
