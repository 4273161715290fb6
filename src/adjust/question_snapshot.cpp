#include "adjust/question_snapshot.h"

#include "model/project_labels.h"

namespace ombrel {

QuestionSnapshot::QuestionSnapshot(const NetworkState& s)
    : datum_(s.Datum),
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
      observationNumber_(s.ObservationNumber),
      obsWeights_(s.ObsWeights),
      baardaShift_(s.BaardaShift),
      fullOutput_(s.FullOutput),
      outputTypeChosen_(s.OutputTypeChosen) {}

void QuestionSnapshot::Restore(NetworkState& s, Interaction& ui) const {
  s.Datum = datum_;
  s.CriterionFileName = criterionFile_;
  s.ListingFileName = listingFile_;
  s.Equations.ScaleUnknown = scaleUnknown_;
  s.Equations.NumCondEq = numCondEq_;
  s.Equations.CondMatrix = condMatrix_;
  s.Equations.CondTerms = condTerms_;
  s.Equations.K = k_;
  s.ObservationNumber = observationNumber_;
  s.ObsWeights = obsWeights_;
  s.BaardaShift = baardaShift_;
  s.FullOutput = fullOutput_;
  s.OutputTypeChosen = outputTypeChosen_;
  SetLabels(s, ui, projectLabel_, pointsLabel_, equationsLabel_);
}

}  // namespace ombrel
