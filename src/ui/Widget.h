#pragma once
// The UI widgets (src/ui): this base, the HitList that matches the stylus against the widgets of the
// last frame (HitList.h), the focus a gamepad moves (Focus.h), the palette (Palette.h) and the kinds:
// Button, MenuButton, CheckBox, LinkLabel, OptionItem, OptionRow, ButtonColumn and DigitSelector.
//
// The base of every on-screen control. Widgets are immediate-mode: each frame empties the HitList,
// a widget that takes the stylus appends itself while it draws, and the press and release that
// arrive before the next frame are matched against that list (see HitList.h). Widgets never call
// their owners: they set latches that the owner polls, so a tap is seen one frame later:
//
//   moment                     pressed  downLatch  clickLatch  owner, after drawing
//   frame N draws the button   0        0          0           takeDownLatch() -> false
//   stylus press inside        1        1          0           (no frame runs)
//   frame N+1                  1        1 -> 0     0           drawn held; takeDownLatch() -> true
//   stylus release inside      0        0          1           (no frame runs)
//   frame N+2                  0        0          1 -> 0      drawn at rest; takeClickLatch() -> true
//
// Every kind keeps the same short skeleton:
//   size      getWidth/getHeight (a kind may compute them from the current font);
//   register  registerForInput at the top of draw, while it takes the stylus (a container such as
//             OptionRow registers after its items, so that a press reaches the item first);
//   react     onPress/onClick set flags and latches only, never call the owner;
//   draw      the rest of draw, reading the flags (pressed colours from outlineColour/fillColour);
//   expose    take...Latch() / takeClicked(), which answer once and clear.
//
// A gamepad or the arrow keys reach the same controls through the focus (Focus.h): a screen lets a
// control join it with one line after drawing it, joinFocus(control), in reading order, and a press
// of the focused control arrives as a tap in its middle, through the same latches.
//
// Widgets are plain members of their owners and are never deleted through a Widget pointer, so
// the base has no virtual destructor; it is protected to keep it that way.
#include <cstdint>

#include "render/Colour.h"
#include "render/Rect.h"
#include "support/WString.h"

// A stylus position in client pixels.
struct Point {
    int32_t x = 0;
    int32_t y = 0;
};

// Left and top edges are inside, right and bottom edges outside.
constexpr bool pointInRect(const Point& point, const Rect& rect) { return rect.contains(point.x, point.y); }

enum class FocusKey : int32_t;  // see Focus.h

class Widget {
public:
    virtual void setPosition(int32_t newX, int32_t newY);
    virtual void setWidth(int32_t w);
    virtual int32_t getWidth();
    virtual void setHeight(int32_t h);
    virtual int32_t getHeight();
    virtual void setSize(int32_t w, int32_t h);  // through setWidth and setHeight, so a kind's rules apply
    virtual void draw();
    virtual void onPress(const Point& point);  // set flags and latches only; the owner acts on them
    virtual void onClick(const Point& point);
    // A focus key that reached the widget while it is focused; true when the widget took it itself
    // (a digit selector turns on Up and Down), false to let the focus move or press as usual.
    virtual bool onFocusKey(FocusKey key);
    virtual void registerForInput();  // appends to the HitList (while room is left) and records the clip

    Rgb outlineColour() const;
    Rgb fillColour() const;
    // The widget's rectangle as a panel in the colours of its pressed state.
    void drawBox();
    // The area a tap must land in: the widget's rectangle cut at the top and bottom of the clip it
    // was registered under, never at the sides.
    Rect hitRect();

    int32_t x = 0;
    int32_t y = 0;
    WString text;
    Rgb textColour = 0;
    bool bordered = true;
    int32_t width = 0;
    int32_t height = 0;
    bool passThrough = false;
    bool pressed = false;
    Rect clipRect;

protected:
    Widget() = default;
    Widget(const Widget&) = default;
    Widget& operator=(const Widget&) = default;
    ~Widget() = default;
};
