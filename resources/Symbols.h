#pragma once
// The four arithmetic signs and the equals sign as shapes, centred on a point, size being the
// width of the sign and pen the width of its strokes.
#include "Shape.h"

namespace art {

Shape plusSign(Vec centre, float size, float pen);
Shape minusSign(Vec centre, float size, float pen);
Shape timesSign(Vec centre, float size, float pen);
Shape divideSign(Vec centre, float size, float pen);
Shape equalsSign(Vec centre, float size, float pen);
// One of '+', '-', 'x', '/', '='.
Shape operatorSign(char sign, Vec centre, float size, float pen);

}  // namespace art
