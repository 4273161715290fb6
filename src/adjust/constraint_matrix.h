// The matrix of constraints E of a free network: the d rows E x = 0 that fix
// the reference parameters (translations, rotation, scale) that the fixed
// points leave undefined, chosen by network type, and the cofactor matrix
// of the constrained solution.
#pragma once

#include <optional>
#include <string>

#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

inline constexpr const char* kConstraintMatrixTitle = "Ombrel  Matriz de constreñimientos";
inline constexpr const char* kDesignConstraintMatrixTitle = "Ombrel   Matriz de constreñimientos";
// Why an adjustment whose E typed by hand was cancelled ends its listing.
inline constexpr const char* kConstraintEntryCancelled =
    "Se ha cancelado la introducción de la matriz de constreñimientos.";

// The network-type input box: sets Datum to Type1 .. Type8 for the
// answers "1" .. "8". Refuses (beep, "¡ Número no válido !", asked again)
// anything else, and the types without scale ("1", "3", "5", "7") when one
// of the rows 1..NumObs+NumCondEq is a distance. Returns false when the
// person cancels (empty answer); Datum is then left as it was. A
// non-empty leadingLine is shown as the first line of the box.
bool AskNetworkType(NetworkState& state, Interaction& ui, const std::string& leadingLine = "");

// Forms E (NumConstraints x 2u, u variable points) from the approximate
// coordinates (metres) for Datum Type1 .. Type7, or asks it element by
// element for Type8 (the first input box titled type8Title): the count
// of rows (1 .. 2u), then each element; an answer that is not a number, or
// a count out of range, is refused with "¡ Número no válido !" and asked
// again. Any other type leaves E as the state holds it. With exactly one
// fixed point the rotation and scale rows are taken about it, so that they
// span the datum defect wherever the fixed point lies. Returns false when a
// prompt of Type8 is cancelled.
bool FormConstraintMatrix(NetworkState& state, Interaction& ui, const std::string& type8Title);

// Qxx (u x u, re-dimensioned) = (N + E^t E)^-1 - E^t (E E^t)^-1 (E E^t)^-1 E,
// with N = normal (u x u) and the NumConstraints rows of E, inverting by the
// chosen method. Rows of types 1 to 7 that are a
// basis of the datum defect enter reduced to the centroid (or the fixed
// point) and scaled to N, which spans the same space and keeps the digits
// that rows in metres of coordinate lose; E itself is left as formed. A
// singular matrix throws (SingularMatrix under Gauss-Jordan, ArithmeticFault
// otherwise).
Matrix ConstraintCofactors(const NetworkState& state, const Matrix& normal, int u);

// The cofactor matrix above over the 2 (NumPoints - NumFixed) coordinate
// unknowns, with N = A^t P A formed from the state's equations and E as
// the state holds it.
Matrix FreeNetworkCofactors(const NetworkState& state);

// For the order-one design: forms E as above for the Datum already
// chosen (type 8 titled kDesignConstraintMatrixTitle) and returns
// FreeNetworkCofactors, writing nothing. Nothing when the entry of E is
// cancelled.
std::optional<Matrix> EnterConstraintMatrix(NetworkState& state, Interaction& ui);

}  // namespace ombrel
