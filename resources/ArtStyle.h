#pragma once
// The colours the artwork is painted with, so every picture belongs to the same family: the panel
// frame's warm red, orange and yellow, clear toy-box blues, greens and reds, and one dark ink for
// outlines, all on the light blue of the front-end's background.
#include "Rgba.h"

namespace art::style {

inline constexpr Rgba background = fromColour24(sheetColourKey);
inline constexpr Rgba white = rgb(255, 255, 255);
inline constexpr Rgba ink = rgb(30, 38, 88);
inline constexpr Rgba shadow = {ink.r, ink.g, ink.b, 0.28f};

inline constexpr Rgba frameRed = fromColour24(frameOuterBand);
inline constexpr Rgba frameOrange = fromColour24(frameMiddleBand);
inline constexpr Rgba frameYellow = fromColour24(frameInnerBand);

inline constexpr Rgba sunYellow = rgb(255, 222, 80);
inline constexpr Rgba cream = rgb(255, 248, 226);
inline constexpr Rgba cherry = rgb(228, 54, 68);
inline constexpr Rgba skyBlue = rgb(64, 140, 236);
inline constexpr Rgba deepBlue = rgb(34, 74, 178);
inline constexpr Rgba leafGreen = rgb(64, 182, 88);
inline constexpr Rgba grape = rgb(136, 82, 206);
inline constexpr Rgba wood = rgb(200, 122, 58);
inline constexpr Rgba darkWood = rgb(128, 70, 30);
inline constexpr Rgba steel = rgb(150, 162, 184);

}  // namespace art::style
