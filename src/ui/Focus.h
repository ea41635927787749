#pragma once
// The focus: the control a gamepad's D-pad or the keyboard's arrow keys have reached, for players
// with no stylus and no number row. Like the HitList it is rebuilt by every frame: the frame empties
// the list, and each focusable control joins it, in reading order, right after it is drawn:
//
//   startButton.draw();
//   joinFocus(startButton);        // one line per control; a ButtonColumn, OptionRow, CheckBox or
//                                  // KeyGrid has an overload that joins its entries or its label too
//
// The first control joined is where the focus starts on each screen. A move goes to the nearest
// control in its direction, wrapping round to the far side; left and right stay within the row
// (or step through the reading order on a screen of one column). A press reaches the focused control
// through the stylus path, as a tap in the middle of its hit rectangle, so it sets the same latches
// with the same one-frame timing. A focused control may take a focus key itself first, through
// Widget::onFocusKey: a digit selector turns on Up and Down.
//
// The focus is drawn only once a focus key has been used, and hides again at the next tap or at any
// other key, so that stylus and keyboard play look as they always have.
#include <cstdint>

#include "render/Rect.h"
#include "ui/Widget.h"

enum class FocusKey : int32_t { None, Up, Down, Left, Right, Press, Back, Reveal };

constexpr bool isFocusMove(FocusKey key) {
    return key == FocusKey::Up || key == FocusKey::Down || key == FocusKey::Left || key == FocusKey::Right;
}

// The one table of the keys the focus answers: the D-pad and the arrow keys move, A, Enter and Space
// press, B goes back. None for every other key.
FocusKey focusKeyOf(uint32_t key);

// A key as it arrives: the focus shows for a focus key and hides for any other key but a pad's
// (Start, Select and the buttons without a meaning leave it as it is). Enter and Space act only on a
// focus already shown; on a hidden one they only show it (Reveal), so that a habitual Enter after an
// answer never presses anything unseen.
FocusKey takeFocusKey(uint32_t key);

void clearFocusList();
// The control joins this frame's focus order; the focus is drawn round ring (by default the
// control's own rectangle). Ignored once the list is full.
void joinFocus(Widget& widget);
void joinFocus(Widget& widget, const Rect& ring);
int32_t focusCount();

// A new program: an empty list, nothing reached, the focus hidden.
void resetFocus();
bool focusShown();
void showFocus();
// A tap or an unrelated key.
void hideFocus();

// The focused control of the last frame drawn: the one reached last, or the first joined when that
// one is no longer on the screen. Null when nothing joined.
Widget* focusedWidget();
// Moves the focus (a control may take the key itself, see above).
void moveFocus(FocusKey direction);
// Where a press of the focused control lands: the middle of its hit rectangle. False when there is
// nothing to press, or the focused control took the press itself.
bool focusPressPoint(Point& point);
// The ring round the focused control, when the focus is shown. Drawn over everything else.
void drawFocus();
