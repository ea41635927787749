#pragma once
// How a PC keyboard's keys reach the program as the handheld's keys: one table, read by both backends
// and by the tests. The backend translates each key once; the program sees only the result.
//
// - Digits by their place on the keyboard, so that every layout types them: the top row sends "0"-"9".
// - The keypad is the handheld's keypad: with NumLock on its digits and operators send their
//   characters, with NumLock off their keypad codes (VK_NUMPAD0 ... VK_DIVIDE).
// - A phone's star and hash keys are VK_F8 and VK_F9: F8, F9, the keypad's "*" and the typed
//   characters "*" and "#" send them on any layout, because every "(*)" and "(#)" label must work.
// - Escape, Backspace, Delete, Enter and the arrows go by what the layout calls the key.
// - A top-row key held with a modifier that changes what it types (Shift, AltGr) goes by the character
//   it types instead: Shift+3 on a US layout and AltGr+3 on a French one are both "#".
#include <cstdint>
#include <span>

#include "platform/Platform.h"

namespace platform {

// How a row of the table recognises its key.
enum class KeyMatch : uint8_t {
    TopRow,     // a top-row digit by its place; held with Shift or AltGr it goes by its character instead
    Place,      // by its place on the keyboard (a USB HID usage id, which SDL's scancodes are)
    Label,      // by the key code the layout gives it (SDL's key code)
    Character,  // by the character typed, whatever key typed it
    Code,       // a keypad code that only the runner's "key" command sends
};

struct KeyRoute {
    KeyMatch by;
    uint32_t code;            // the place, label or character, as by says
    uint32_t key;             // what the program receives
    uint32_t numLockKey = 0;  // what it receives while NumLock is on; 0: the same as key
};

std::span<const KeyRoute> keyRoutes();

// One key press as the keyboard reports it.
struct KeyPress {
    uint16_t place = 0;
    uint32_t label = 0;
    bool characterModifier = false;  // Shift or AltGr is held
    bool numLock = false;
};

// What a key press sends; 0 when it sends nothing by itself (then the character it types, if any,
// decides through keyForCharacter).
uint32_t keyForPress(const KeyPress& press);
// What a typed character sends: the digits themselves, "*" and "#" the phone's keys; 0 for the rest.
uint32_t keyForCharacter(char32_t character);
// A key code sent as it is (the runner's "key" command), after the keypad's NumLock translation.
uint32_t keyUnderNumLock(uint32_t key, bool numLock);

}  // namespace platform
