// The last line of a listing whose computation stopped before its end, so
// that what was written does not read as a complete result.
#pragma once

#include <string>

namespace ombrel {

// "    CÁLCULO INTERRUMPIDO: " and the reason, the message shown to the
// person with each run of line breaks, and the blanks around it, made one
// blank:
// "    CÁLCULO INTERRUMPIDO: ¡ Se ha producido un error en el cálculo !
// División por cero.", on one line.
std::string InterruptedLine(const std::string& reason);

// Appends an empty line and InterruptedLine(reason) to the listing at path.
// A listing that cannot be written is left as it is: its failure is the one
// being reported.
void EndInterruptedListing(const std::string& path, const std::string& reason);

}  // namespace ombrel
