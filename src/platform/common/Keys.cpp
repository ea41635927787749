#include "platform/Keys.h"

#include <array>

namespace platform {

namespace {

// USB HID usage ids of the places the table names.
enum Place : uint32_t {
    Digit1 = 30,  // through Digit9 = 38, then Digit0 = 39
    Digit0 = 39,
    F8 = 65,
    F9 = 66,
    Right = 79,
    Left = 80,
    Down = 81,
    Up = 82,
    KeypadDivide = 84,
    KeypadMultiply = 85,
    KeypadMinus = 86,
    KeypadPlus = 87,
    KeypadEnter = 88,
    Keypad1 = 89,  // through Keypad9 = 97, then Keypad0 = 98
    Keypad0 = 98,
    KeypadPeriod = 99,
};

// The key code a layout gives a key that types no character: its place with bit 30 set; the keys that
// type a control character have that character.
constexpr uint32_t named(uint32_t place) { return (1u << 30) | place; }

using enum KeyMatch;

constexpr KeyRoute topRow(uint32_t place, char digit) { return {TopRow, place, uint32_t(digit)}; }
constexpr KeyRoute keypad(uint32_t place, uint32_t key, char withNumLock) {
    return {Place, place, key, uint32_t(withNumLock)};
}
constexpr KeyRoute typed(char character, uint32_t key) { return {Character, uint32_t(character), key}; }

constexpr std::array routes{
    topRow(Digit1, '1'),
    topRow(Digit1 + 1, '2'),
    topRow(Digit1 + 2, '3'),
    topRow(Digit1 + 3, '4'),
    topRow(Digit1 + 4, '5'),
    topRow(Digit1 + 5, '6'),
    topRow(Digit1 + 6, '7'),
    topRow(Digit1 + 7, '8'),
    topRow(Digit1 + 8, '9'),
    topRow(Digit0, '0'),

    keypad(Keypad1, VK_NUMPAD0 + 1, '1'),
    keypad(Keypad1 + 1, VK_NUMPAD0 + 2, '2'),
    keypad(Keypad1 + 2, VK_NUMPAD0 + 3, '3'),
    keypad(Keypad1 + 3, VK_NUMPAD0 + 4, '4'),
    keypad(Keypad1 + 4, VK_NUMPAD0 + 5, '5'),
    keypad(Keypad1 + 5, VK_NUMPAD0 + 6, '6'),
    keypad(Keypad1 + 6, VK_NUMPAD0 + 7, '7'),
    keypad(Keypad1 + 7, VK_NUMPAD0 + 8, '8'),
    keypad(Keypad1 + 8, VK_NUMPAD9, '9'),
    keypad(Keypad0, VK_NUMPAD0, '0'),
    keypad(KeypadPlus, VK_ADD, '+'),
    keypad(KeypadMinus, VK_SUBTRACT, '-'),
    keypad(KeypadPeriod, VK_DECIMAL, '.'),
    keypad(KeypadDivide, VK_DIVIDE, '/'),
    KeyRoute{Place, KeypadMultiply, VK_F8},  // the phone's star key
    KeyRoute{Place, KeypadEnter, VK_RETURN},
    KeyRoute{Code, 0, VK_MULTIPLY, '*'},
    KeyRoute{Code, 0, VK_SEPARATOR, ','},

    KeyRoute{Label, 0x1B, VK_ESCAPE},
    KeyRoute{Label, 0x08, VK_BACK},
    KeyRoute{Label, 0x7F, VK_DELETE},
    KeyRoute{Label, 0x0D, VK_RETURN},
    KeyRoute{Label, 0x20, VK_SPACE},
    KeyRoute{Label, named(Left), VK_LEFT},
    KeyRoute{Label, named(Up), VK_UP},
    KeyRoute{Label, named(Right), VK_RIGHT},
    KeyRoute{Label, named(Down), VK_DOWN},
    KeyRoute{Label, named(F8), VK_F8},
    KeyRoute{Label, named(F9), VK_F9},

    typed('0', '0'),
    typed('1', '1'),
    typed('2', '2'),
    typed('3', '3'),
    typed('4', '4'),
    typed('5', '5'),
    typed('6', '6'),
    typed('7', '7'),
    typed('8', '8'),
    typed('9', '9'),
    typed('*', VK_F8),
    typed('#', VK_F9),
};

uint32_t sent(const KeyRoute& route, bool numLock) {
    return numLock && route.numLockKey ? route.numLockKey : route.key;
}

}  // namespace

std::span<const KeyRoute> keyRoutes() { return routes; }

uint32_t keyForPress(const KeyPress& press) {
    for (const KeyRoute& route : routes) {
        if (route.by == TopRow && route.code == press.place) return press.characterModifier ? 0 : route.key;
        if (route.by == Place && route.code == press.place) return sent(route, press.numLock);
    }
    for (const KeyRoute& route : routes) {
        if (route.by == Label && route.code == press.label) return route.key;
    }
    return 0;
}

uint32_t keyForCharacter(char32_t character) {
    for (const KeyRoute& route : routes) {
        if (route.by == Character && route.code == character) return route.key;
    }
    return 0;
}

uint32_t keyUnderNumLock(uint32_t key, bool numLock) {
    for (const KeyRoute& route : routes) {
        if (route.key == key && route.numLockKey) return sent(route, numLock);
    }
    return key;
}

}  // namespace platform
