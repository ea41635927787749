// The strip tile: one period of the ribbon, repeated by the program along the top and the bottom.
#include "Ribbon.h"
#include "SheetArt.h"

namespace art {

void drawStripTile(Painter& painter, const SheetLayout&) {
    // The bands run past both ends so the edges are full colour; the counters keep clear of them.
    ribbon::drawBands(painter, -ribbon::period, 2 * ribbon::period, 0);
    ribbon::drawCounters(painter, -ribbon::period, 2 * ribbon::period, 0, 0);
}

}  // namespace art
