// The datum of a free network adjusted with the matrix of constraints E:
// the network type the person picks, 1 .. 8, in the network-type box.
#pragma once

namespace ombrel {

enum class DatumType {
  None,   // none picked: E is not formed from the coordinates (it was imported)
  Type1,  // no fixed point, orientation nor scale: translations, rotation, scale (d = 4)
  Type2,  // no fixed point nor orientation: translations, rotation (d = 3)
  Type3,  // no fixed point nor scale: translations, scale (d = 3)
  Type4,  // no fixed point: translations (d = 2)
  Type5,  // a fixed point, no orientation nor scale: rotation, scale (d = 2)
  Type6,  // a fixed point, no orientation: rotation (d = 1)
  Type7,  // a fixed point, no scale: scale (d = 1)
  Type8,  // E typed element by element
};

}  // namespace ombrel
