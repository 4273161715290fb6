// The criterion (objective) cofactor matrix QxxE of the order-one and
// order-two designs: the option chosen, the automatic rule of the means,
// and its reading from a file or entry by hand. Matrices are symmetric of
// the given order, in the cofactor units of the unknowns (m²).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "numeric/matrix.h"
#include "ui/interaction.h"

namespace ombrel {

// Asks the option among the lines given (a single character "1" .. count,
// default defaultOption) under the criterion-matrix heading; anything else
// is refused with "¡ Número no válido !". nullopt when cancelled.
std::optional<int> AskCriterionOption(Interaction& ui, const std::string& question,
                                      const std::vector<std::string>& options,
                                      const std::string& defaultOption);

// The rule of the means from the cofactor matrix q (order 2v, v points):
// between points i < j the xx and yy elements both take their mean a, the
// yx element the mean b of the cross elements and the xy element -b; the
// x and y variances of each point both take their mean, its xy element 0.
Matrix MeansCriterion(const Matrix& q, int order);

// A criterion matrix read from a file, and the file's path.
struct CriterionFile {
  std::string path;
  Matrix matrix;
};

// Asks the criterion file (default "QxxE.txt") of a run that writes the
// listing listingFile, and reads it (order x order). Naming the listing is
// refused with its message and asked again. nullopt when the prompt is
// cancelled. The file holds the upper triangle with the diagonal, row by
// row, as numbers separated by commas, blanks or line ends; a file that
// cannot be read or holds too few numbers throws FileError.
std::optional<CriterionFile> AskCriterionFile(Interaction& ui, const std::string& listingFile,
                                              int order);

// The upper triangle of the file's free-format numbers, mirrored.
Matrix ReadCriterionFile(const std::string& path, int order);

// Entry by hand of the upper triangle, each element offered with its value
// in qxxe as default, then corrections of single elements "I,J" until the
// person answers No. Fills qxxe symmetrically. An element that is not a
// number is refused with "¡ Número no válido !"; false as soon as one is
// cancelled, with qxxe partly entered.
bool EnterCriterionByHand(Interaction& ui, int order, Matrix& qxxe);

}  // namespace ombrel
