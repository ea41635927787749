#pragma once
// The program's icon, for the window system and anything else that shows it.
//
// Icon resource 118 holds every size in one blob (all numbers 32-bit little-endian):
//   offset 0   "VXIC"
//   offset 4   count, the number of pictures
//   offset 8   count entries of { size, offset }: a size x size picture starting at that offset
//   then       each picture as size x size pixels 0xAARRGGBB (straight alpha), rows top first
// The pictures are drawn separately for 64, 48, 32, 24 and 16 pixels, largest first.
#include <cstdint>
#include <span>
#include <vector>

namespace platform {

// The sizes the icon holds, in the order stored; empty when the resource is missing or damaged.
std::vector<int> iconSizes();

// The picture of the given size as 0xAARRGGBB pixels, rows top first. False, leaving argb empty,
// when there is no picture of that size or the resource's bytes do not hold what they claim.
bool iconPixels(int size, std::vector<uint32_t>& argb);

// The same from bytes laid out as the icon resource, whatever they hold.
bool readIconPixels(std::span<const uint8_t> bytes, int size, std::vector<uint32_t>& argb);

}  // namespace platform
