#pragma once
// The program's icon: four keys of a calculator pad showing + - x and the division sign on a dark
// tile. Each size is drawn on its own, with strokes and gaps fitted to whole pixels and the finer
// touches (bevels, the rim) only where there is room for them.
#include "Canvas.h"

namespace art {

RgbaImage drawIcon(int size);

}  // namespace art
