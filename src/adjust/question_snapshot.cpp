#include "adjust/question_snapshot.h"

#include "model/project_labels.h"

namespace ombrel {

QuestionSnapshot::QuestionSnapshot(const NetworkState& s)
    : options_(s.Options),
      equations_(s.Equations),
      criterionFile_(s.CriterionFileName),
      listingFile_(s.ListingFileName),
      projectLabel_(s.ProjectLabel),
      pointsLabel_(s.PointsLabel),
      equationsLabel_(s.EquationsLabel),
      observationNumber_(s.Network.ObservationNumber),
      obsWeights_(s.Network.ObsWeights) {}

void QuestionSnapshot::Restore(NetworkState& s, Interaction& ui) const {
  s.Options = options_;
  s.Equations = equations_;
  s.CriterionFileName = criterionFile_;
  s.ListingFileName = listingFile_;
  s.Network.ObservationNumber = observationNumber_;
  s.Network.ObsWeights = obsWeights_;
  SetLabels(s, ui, projectLabel_, pointsLabel_, equationsLabel_);
}

}  // namespace ombrel
