#include "listing/ellipse_columns.h"

#include "listing/number_format.h"

namespace ombrel {

void AppendEllipseColumns(std::string& line, double semiMajor, double azimuthMajor,
                          double semiMinor, double azimuthMinor) {
  AppendNumber(line, semiMajor, 3, 4);
  line += " mts  ";
  AppendNumber(line, azimuthMajor, 5, 4);
  line += " gra     ";
  AppendNumber(line, semiMinor, 3, 4);
  line += " mts  ";
  AppendNumber(line, azimuthMinor, 5, 4);
  line += " gra ";
}

}  // namespace ombrel
