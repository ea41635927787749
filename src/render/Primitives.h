#pragma once
// Solid lines, rectangles, outlines, filled circles and anti-aliased lines, drawn into the DrawTarget.
//
// Pixel rules, for every drawing operation in this folder:
// - The origin is the top-left pixel; x grows to the right, y downwards; pixel (x, y) is element
//   y * width + x of the target.
// - A Rect is half-open: it covers columns left .. right - 1 and rows top .. bottom - 1. Line, outline
//   and circle end points are included in what is drawn.
// - Everything is clipped against the DrawTarget's clip (left and top inclusive, right and bottom
//   exclusive), which never reaches outside the target; whatever falls outside is skipped silently.
//   No argument, however large, negative or reversed, makes a primitive write outside the target.
// - Colours are Rgb (0x00BBGGRR) and become RGB565 as they are written: each channel keeps its top
//   5, 6 and 5 bits (red, green, blue), so the low bits are dropped, never rounded up.
//
// Sources: the anti-aliased line is Xiaolin Wu's; the filled circle is the midpoint circle method.
#include <cstdint>

#include "render/Colour.h"
#include "render/Rect.h"

// The fill colour that drawFramedRect and drawPanel take as "leave the inside alone". Real colours
// have bits 24-31 clear, so it cannot be one of them.
constexpr Rgb NoFill = 0xFFFFFFFF;

// Row y from the smaller to the larger of x0 and x1, both included.
void drawHLine(int32_t x0, int32_t y, int32_t x1, Rgb colour);
// Column x from the smaller to the larger of y0 and y1, both included.
void drawVLine(int32_t x, int32_t y0, int32_t y1, Rgb colour);
void putPixel(int32_t x, int32_t y, Rgb colour);

// The area of rect; a rect with right < left or bottom < top draws nothing.
void fillRect(const Rect& rect, Rgb colour);
void fillBox(int32_t x, int32_t y, int32_t width, int32_t height, Rgb colour);
// An outline on columns left and right and rows top and bottom (all included), thickness pixels
// thick, growing inwards. A thickness of 0 or less draws nothing.
void drawFrame(const Rect& rect, int32_t thickness, Rgb colour);
// fillRect with fillColour unless it is NoFill, then drawFrame.
void drawFramedRect(const Rect& rect, Rgb frameColour, int32_t thickness, Rgb fillColour);
void drawPanel(int32_t x, int32_t y, int32_t width, int32_t height, Rgb frameColour, int32_t thickness, Rgb fillColour);

// What clipLine made of a segment.
enum ClipResult : int { ClipOutside = 0, ClipInside = 1, ClipMoved = 2 };
// Cuts the segment to the clip: ClipOutside when nothing of it is visible, ClipInside when both end
// points already lie inside (they are left alone), ClipMoved when end points were moved onto the clip.
int clipLine(int32_t& x0, int32_t& y0, int32_t& x1, int32_t& y1);

// An anti-aliased line; horizontal, vertical and 45-degree lines are drawn solid.
void drawSmoothLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, Rgb colour);

// A filled disc; radius 0 is the single pixel (cx, cy), a negative radius draws nothing.
void fillCircle(int32_t cx, int32_t cy, int32_t radius, Rgb colour);
