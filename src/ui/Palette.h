#pragma once
// The seven named colours the widgets, the front-end and the game screen share, and the ink that
// every widget outline and panel line is drawn in.
#include "render/Colour.h"

inline constexpr Rgb paletteLightBlue = 0x00FFDCDC;  // a box at rest, the option row's panel
inline constexpr Rgb paletteRed = 0x000000FF;
inline constexpr Rgb paletteLightRed = 0x00C8C8FF;
inline constexpr Rgb paletteGreen = 0x0000FF00;       // outline of a held widget, text of a held link
inline constexpr Rgb paletteLightGreen = 0x00DCFFDC;  // fill of a held widget
inline constexpr Rgb paletteBlue = 0x00FF0000;
inline constexpr Rgb paletteWhite = 0x00FFFFFF;  // an unticked check box, the chosen option of a framed row

// Black; nothing changes it.
inline constexpr Rgb inkColour = 0x00000000;
