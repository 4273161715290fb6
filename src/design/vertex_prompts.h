// The questions by which a design problem learns its chosen vertices: how
// many, then the vertex number of each.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// The whole-number rules of the design counts and vertex numbers: no "," or
// ".", not "0" or " 0", first character not below "1", numeric, not negative.
bool IsDesignWholeNumber(const std::string& text);

// Heading of the k-th vertex prompt (k >= 1): "PRIMER VERTICE ...." to
// "OCTAVO VERTICE ....", then "SIGUIENTE VERTICE ....". With padded, the
// dots fill every heading to 20 characters ("SEXTO VERTICE ......").
std::string VertexHeading(int k, bool padded);

// Point index (1..NumPoints) of the vertex numbered number; 0 when none.
int PointWithNumber(const NetworkState& state, int number);

// Point index of the k-th variable point (VariableIndex k); 0 when none.
int VariablePoint(const NetworkState& state, int k);

// Shows the refusal of an invalid number: beep and "¡ Número no válido !".
void RefuseNumber(Interaction& ui);

// Asks the k-th vertex until the answer is the number (1..98) of a variable
// point not yet in chosen, refusing anything else. An empty answer returns
// nullopt when cancellable, and is refused otherwise.
std::optional<int> AskDesignVertex(const NetworkState& state, Interaction& ui, int k, bool padded,
                                   const std::vector<int>& chosen, bool cancellable);

}  // namespace ombrel
