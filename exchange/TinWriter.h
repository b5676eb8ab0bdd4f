#pragma once

#include "exchange/ModelScale.h"

#include <iosfwd>

namespace tarn {

struct TTin;

// Writes a triangulated irregular network as a TIN file, a text layout of
// our own, one item per line (line feeds only):
//
//   TIN 1
//   # any number of comment lines (the writer notes the source grid and the
//   # largest vertical error)
//   VERTICES n
//   x y z          n lines: model units (TModelScale), x east and y north
//                  from the south-west corner, z up
//   TRIANGLES m
//   i j k          m lines: vertex numbers counted from 0, counter-clockwise
//                  seen from above
//   END
//
// Numbers are decimal with a point, separated by one blank.
void WriteTin(std::ostream& out, const TTin& tin, const TModelScale& scale);

}  // namespace tarn
