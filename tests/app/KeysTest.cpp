// The key table: what each keyboard key sends the program, as the SDL backend asks it (place and
// label as SDL reports them) and as the runner's "key" and "type" commands ask it.
#include <gtest/gtest.h>

#include "platform/Keys.h"

using namespace platform;

namespace {

// SDL's scancodes (USB HID usage ids) and key codes of the keys the cases press.
constexpr uint16_t top3 = 32, top0 = 39, keypad7 = 95, keypad0 = 98, keypadSlash = 84, keypadStar = 85, keypadDot = 99,
                   keypadEnter = 88, letterQ = 20, escapePlace = 41;
constexpr uint32_t labelEscape = 0x1B, labelDelete = 0x7F, labelUp = (1u << 30) | 82, labelF9 = (1u << 30) | 66,
                   labelQuote = '"';

uint32_t press(uint16_t place, uint32_t label, bool characterModifier = false, bool numLock = false) {
    return keyForPress({place, label, characterModifier, numLock});
}

}  // namespace

// The top row sends its digit by place, whatever the layout labels the key; a key held with Shift or
// AltGr sends nothing by itself and the character it types decides: on a French layout key 3 is '"',
// AltGr+3 types '#' (the phone's hash key) and Shift+3 types '3'.
TEST(Keys, TopRowGoesByPlaceUnlessAModifierChangesTheCharacter) {
    EXPECT_EQ(press(top3, labelQuote), '3');
    EXPECT_EQ(press(top0, '0', false, true), '0');
    EXPECT_EQ(press(top3, labelQuote, true), 0u);
    EXPECT_EQ(keyForCharacter('#'), VK_F9);
    EXPECT_EQ(keyForCharacter('3'), '3');
    EXPECT_EQ(keyForCharacter('*'), VK_F8);
    for (char32_t other : {U'"', U'&', U'a', U'+', U'\u00E9'}) EXPECT_EQ(keyForCharacter(other), 0u);
    EXPECT_EQ(press(letterQ, 'a'), 0u);  // an unmapped key may still type a mapped character
}

// The keypad is the handheld's keypad: its own codes without NumLock, the characters with it; its '*'
// is the star key and its Enter is Enter either way, with or without a modifier.
TEST(Keys, KeypadTakesTheNumLockTranslation) {
    struct Case {
        uint16_t place;
        uint32_t off, on;
    };
    const Case cases[] = {{keypad7, 103, '7'},   {keypad0, 96, '0'},         {keypadSlash, 111, '/'},
                          {keypadDot, 110, '.'}, {keypadStar, VK_F8, VK_F8}, {keypadEnter, VK_RETURN, VK_RETURN}};
    for (const Case& c : cases) {
        EXPECT_EQ(press(c.place, 0), c.off) << c.place;
        EXPECT_EQ(press(c.place, 0, true, true), c.on) << c.place;
    }
    // The runner's "key" command sends codes, which take the same translation.
    EXPECT_EQ(keyUnderNumLock(VK_NUMPAD0 + 7, true), '7');
    EXPECT_EQ(keyUnderNumLock(VK_MULTIPLY, true), '*');
    EXPECT_EQ(keyUnderNumLock(VK_SEPARATOR, true), ',');
    EXPECT_EQ(keyUnderNumLock(VK_NUMPAD0 + 7, false), 103u);
    for (uint32_t untouched : {uint32_t('0'), uint32_t(VK_RETURN), uint32_t(VK_F8), uint32_t(VK_UP)})
        EXPECT_EQ(keyUnderNumLock(untouched, true), untouched);
}

// Escape, Delete, the arrows and F8/F9 go by what the layout calls the key, not by its place.
TEST(Keys, NamedKeysGoByTheirLabel) {
    EXPECT_EQ(press(57, labelEscape), VK_ESCAPE);  // Caps Lock made an Escape
    EXPECT_EQ(press(escapePlace, 0), 0u);
    EXPECT_EQ(press(76, labelDelete), VK_DELETE);
    EXPECT_EQ(press(82, labelUp, true), VK_UP);
    EXPECT_EQ(press(66, labelF9), VK_F9);
}
