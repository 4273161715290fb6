#include "adjust/question_snapshot.h"

#include "model/project_labels.h"

namespace ombrel {

QuestionSnapshot::QuestionSnapshot(const NetworkState& s)
    : datum_(s.Options.Datum),
      criterionFile_(s.CriterionFileName),
      listingFile_(s.ListingFileName),
      projectLabel_(s.ProjectLabel),
      pointsLabel_(s.PointsLabel),
      equationsLabel_(s.EquationsLabel),
      scaleUnknown_(s.Equations.ScaleUnknown),
      numCondEq_(s.Equations.NumCondEq),
      condMatrix_(s.Equations.CondMatrix),
      condTerms_(s.Equations.CondTerms),
      k_(s.Equations.K),
      observationNumber_(s.Network.ObservationNumber),
      obsWeights_(s.Network.ObsWeights),
      baardaShift_(s.Options.BaardaShift),
      fullOutput_(s.Options.FullOutput),
      outputTypeChosen_(s.Options.OutputTypeChosen) {}

void QuestionSnapshot::Restore(NetworkState& s, Interaction& ui) const {
  s.Options.Datum = datum_;
  s.CriterionFileName = criterionFile_;
  s.ListingFileName = listingFile_;
  s.Equations.ScaleUnknown = scaleUnknown_;
  s.Equations.NumCondEq = numCondEq_;
  s.Equations.CondMatrix = condMatrix_;
  s.Equations.CondTerms = condTerms_;
  s.Equations.K = k_;
  s.Network.ObservationNumber = observationNumber_;
  s.Network.ObsWeights = obsWeights_;
  s.Options.BaardaShift = baardaShift_;
  s.Options.FullOutput = fullOutput_;
  s.Options.OutputTypeChosen = outputTypeChosen_;
  SetLabels(s, ui, projectLabel_, pointsLabel_, equationsLabel_);
}

}  // namespace ombrel
