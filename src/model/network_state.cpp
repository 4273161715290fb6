#include "model/network_state.h"

namespace ombrel {

NetworkState::NetworkState() {
  Network.ObsWeights.Redim(2, kObsWeightColumns);
  ResetObsWeights(*this);
}

void ResetObsWeights(NetworkState& state) {
  for (int c = 1; c <= kObsWeightColumns; ++c) {
    state.Network.ObsWeights(1, c) = 0.0;
    state.Network.ObsWeights(2, c) = 1.0;
  }
}

void ForgetErrorFigures(NetworkState& state) {
  state.Ellipses.Done = false;
  state.Ellipses.ForDesignVertices = false;
  state.Figures.SectionsDone = false;
  state.Figures.RosettesDone = false;
  state.Figures.AxisProjDone = false;
  state.Ellipses.APriori = false;
}

}  // namespace ombrel
