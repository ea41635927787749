// The key table: what each keyboard key sends the program, as the SDL backend asks it (place and
// label as SDL reports them) and as the runner's "key" and "type" commands ask it.
#include <gtest/gtest.h>

#include "platform/Keys.h"

using namespace platform;

// SDL's scancodes (USB HID usage ids) and key codes of the keys the cases press.
constexpr uint16_t top3 = 32, top0 = 39, keypad7 = 95, keypad0 = 98, keypadSlash = 84, keypadStar = 85, keypadDot = 99,
                   keypadEnter = 88, letterQ = 20, capsLock = 57, escapePlace = 41;
constexpr uint32_t labelEscape = 0x1B, labelDelete = 0x7F, labelUp = (1u << 30) | 82, labelF9 = (1u << 30) | 66;

// The top row sends its digit by place, whatever the layout labels the key; held with Shift or AltGr it
// sends nothing by itself and the character it types decides (French: key 3 is '"', AltGr+3 types '#',
// the phone's hash key). The keypad is the handheld's keypad: its own codes without NumLock, the
// characters with it; its '*' is the star key and its Enter is Enter either way. Escape, Delete, the
// arrows and F8/F9 go by what the layout calls the key, not by its place.
TEST(Keys, EveryKindOfKeyPress) {
    struct Case {
        uint16_t place;
        uint32_t label;
        bool characterModifier;
        uint32_t sent;
    };
    const Case cases[] = {{top3, '"', false, '3'},    {top3, '"', true, 0},
                          {letterQ, 'a', false, 0},   {capsLock, labelEscape, false, VK_ESCAPE},
                          {escapePlace, 0, false, 0}, {76, labelDelete, false, VK_DELETE},
                          {82, labelUp, true, VK_UP}, {66, labelF9, false, VK_F9}};
    for (const Case& c : cases)
        EXPECT_EQ(keyForPress({c.place, c.label, c.characterModifier, false}), c.sent) << c.place;
    EXPECT_EQ(keyForPress({top0, '0', false, true}), '0');
    struct Keypad {
        uint16_t place;
        uint32_t off, on;
    };
    const Keypad keypad[] = {{keypad7, 103, '7'},   {keypad0, 96, '0'},         {keypadSlash, 111, '/'},
                             {keypadDot, 110, '.'}, {keypadStar, VK_F8, VK_F8}, {keypadEnter, VK_RETURN, VK_RETURN}};
    for (const Keypad& k : keypad) {
        EXPECT_EQ(keyForPress({k.place, 0, false, false}), k.off) << k.place;
        EXPECT_EQ(keyForPress({k.place, 0, true, true}), k.on) << k.place;
    }
    // (What "type" sends for a digit, '*' and '#' is the runner's script test's.)
    for (char32_t other : {U'"', U'&', U'a', U'+', U'\u00E9'}) EXPECT_EQ(keyForCharacter(other), 0u);
    // The runner's "key" command sends codes, which take the keypad's translation too (a keypad digit
    // under NumLock is typed in the play tests).
    EXPECT_EQ(keyUnderNumLock(VK_MULTIPLY, true), '*');
    EXPECT_EQ(keyUnderNumLock(VK_SEPARATOR, true), ',');
    EXPECT_EQ(keyUnderNumLock(VK_NUMPAD0 + 7, false), 103u);
    for (uint32_t untouched : {uint32_t('0'), uint32_t(VK_RETURN), uint32_t(VK_F8), uint32_t(VK_UP)})
        EXPECT_EQ(keyUnderNumLock(untouched, true), untouched);
}
