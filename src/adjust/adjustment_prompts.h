// The questions the adjustment asks before computing anything. Each returns
// false when the person cancels, which ends the command at once.
#pragma once

#include <string>

#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// Asks whether to add condition equations (up to 7) and, if so, their
// coefficients, independent terms and weights. Sets NumCondEq, CondMatrix,
// CondTerms, the condition rows of K, ObservationNumber and ObsWeights, and
// appends " + n" to the equation-count label. An element that is not a
// number is refused ("¡ Número no válido !") and asked again; cancelling
// any element ends the command.
bool AskConditionEquations(NetworkState& state, Interaction& ui);

// Baarda's translation parameter (default 4.12, must be > 0) into BaardaShift.
bool AskBaardaShift(NetworkState& state, Interaction& ui);

// Whether to compute the hyperellipsoid figures by the three methods.
bool AskThreeMethods(Interaction& ui);

// The listing file name (default "salida.tmp") into ListingFileName, asking
// before overwriting an existing file; No asks for the name again. A name
// that is one of the run's input files or that cannot be written is refused
// with its message and asked again; withSecondReport applies the same to
// the "elipses.tmp" the hyperellipsoid figures write beside the listing.
bool AskListingFile(NetworkState& state, Interaction& ui, bool withSecondReport = false);

// Shows the output-type dialog until a choice is made; sets FullOutput and
// OutputTypeChosen.
void AskOutputType(NetworkState& state, Interaction& ui);

// The closing question of a computation, once the busy pointer is cleared:
// the listing is opened in the editor when the person answers Yes.
void OfferListing(NetworkState& state, Interaction& ui);

}  // namespace ombrel
