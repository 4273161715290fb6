// The three methods of the hyperellipsoid figures, written after the
// decomposition of N. Each writes its section and fills its arrays.
#pragma once

#include "adjust/twin_listing.h"
#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// Each method reports its progress in ellipses through ui, which may throw
// ComputationStopped.

// Method 1 over the m' = figures.Unknowns coordinate unknowns; uses the
// kernel's Jacobi on each 2 x 2 block of N.
void WriteSections(TwinListing& out, HyperellipsoidFigureSet& figures, const Matrix& n,
                   Interaction& ui);

// Method 2 with homothetic factor c (c = 0 throws).
void WriteRosettes(TwinListing& out, const NetworkState& state, HyperellipsoidFigureSet& figures,
                   const Matrix& n, double c, Interaction& ui);

// Method 3 over the first AxisProjSemiAxes semi-axes of SemiAxisVectors.
void WriteAxisProjections(TwinListing& out, HyperellipsoidFigureSet& figures, Interaction& ui);

// The label of a number: leading blank, one more when two characters long.
std::string FigureLabel(int number);

}  // namespace ombrel
