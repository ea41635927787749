#include "platform/common/PadButtons.h"

#include <algorithm>
#include <cctype>

#include "platform/Platform.h"

namespace platform {

namespace {

struct PadButton {
    std::string_view name;
    uint32_t key;
};

// Start and Back are the phone's star and hash keys, which every "(*)" and "(#)" label already
// answers to; the others keep the codes Windows gives a gamepad's buttons.
constexpr PadButton padButtons[] = {
    {"a", VK_GAMEPAD_A},
    {"b", VK_GAMEPAD_B},
    {"x", VK_GAMEPAD_X},
    {"y", VK_GAMEPAD_Y},
    {"back", VK_F9},
    {"start", VK_F8},
    {"leftshoulder", VK_GAMEPAD_LEFT_SHOULDER},
    {"rightshoulder", VK_GAMEPAD_RIGHT_SHOULDER},
    {"dpup", VK_GAMEPAD_DPAD_UP},
    {"dpdown", VK_GAMEPAD_DPAD_DOWN},
    {"dpleft", VK_GAMEPAD_DPAD_LEFT},
    {"dpright", VK_GAMEPAD_DPAD_RIGHT},
};

bool sameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

uint32_t padButtonKey(std::string_view sdlName) {
    for (const PadButton& button : padButtons)
        if (sameName(button.name, sdlName)) return button.key;
    return 0;
}

}  // namespace platform
