#pragma once
// Reduction of a drawn icon to the 16 colours of a 4-bit icon image.
#include "canvas.h"
#include "encode.h"

namespace artgen {

// Pixels under half coverage become transparent; the rest keep their own colour, mapped onto index 0
// (black, the colour transparent pixels carry) and up to 15 colours chosen for this image.
IndexedImage Quantize16(const Canvas& canvas);

}  // namespace artgen
