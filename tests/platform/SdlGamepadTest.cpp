// Gamepads through the SDL backend itself: virtual pads that SDL attaches in this process press
// buttons and move the stick, and the backend's messages are read as the program would read them.
// Runs on SDL's dummy video driver, or on the real X window when SDL_VIDEODRIVER says so (the
// gamepad_window script does that under Xvfb).
#include <SDL.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <string>
#include <vector>

#include "common/DataRootTest.h"
#include "platform/sdl/SdlBackend.h"

using namespace platform;

namespace {

// A pad of SDL's own kind comes with SDL's mapping; a plain joystick is a pad only by a mapping.
int attachPad(const char* name, SDL_JoystickType type = SDL_JOYSTICK_TYPE_GAMECONTROLLER) {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = static_cast<Uint16>(type);
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;  // joystick button n is controller button n
    desc.name = name;
    return SDL_JoystickAttachVirtualEx(&desc);
}

// The GUIDs SDL gives plain virtual joysticks of these names, found in a throwaway session, as a
// mapping database writes them (without the name's checksum in characters 4-7).
std::vector<std::string> guidsOf(const std::vector<const char*>& names) {
    std::vector<std::string> guids;
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return guids;
    for (const char* name : names) {
        char text[64] = {};
        SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(attachPad(name, SDL_JOYSTICK_TYPE_UNKNOWN)), text,
                                  sizeof text);
        guids.emplace_back(text);
        guids.back().replace(4, 4, "0000");
    }
    SDL_Quit();
    return guids;
}

// "down 119" / "up 203" for every key message the backend has for us now.
std::vector<std::string> keysFrom(SdlBackend& backend) {
    std::vector<std::string> keys;
    for (int round = 0; round < 3; ++round) {
        Message message;
        while (backend.peekMessage(message)) {
            if (message.message == WM_KEYDOWN || message.message == WM_KEYUP)
                keys.push_back((message.message == WM_KEYDOWN ? "down " : "up ") + std::to_string(message.wParam));
        }
    }
    return keys;
}

class PadInput : public DataRootTest {};

}  // namespace

// Pads plugged in before and after start, three at once: one mapped by SDL_GAMECONTROLLERCONFIG,
// one by the data root's gamecontrollerdb.txt, one by SDL's own mapping; every button of the table
// and the stick, and a pad pulled out with a button held lets go of its key.
TEST_F(PadInput, VirtualPadsBecomeKeyMessages) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const std::vector<std::string> guids = guidsOf({"Env Pad", "File Pad"});
    if (guids.size() != 2 || guids[0] == guids[1]) GTEST_SKIP() << "this SDL cannot attach virtual pads";
    // Plain joysticks: these mappings alone make them pads, with button 0 as Start and Back.
    setenv("SDL_GAMECONTROLLERCONFIG", (guids[0] + ",Env Pad,start:b0,platform:Linux,").c_str(), 1);
    std::ofstream(root / "gamecontrollerdb.txt") << "# pads\n" << guids[1] << ",File Pad,back:b0,platform:Linux,\n";
    // No window manager gives the window the focus; SDL would hold pad events back without it.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");

    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
    SDL_Joystick* envPad = SDL_JoystickOpen(attachPad("Env Pad", SDL_JOYSTICK_TYPE_UNKNOWN));  // plugged in before start
    SdlBackend backend{LaunchOptions{}};
    ASSERT_EQ(backend.createWindow(u"Test", u"Test", 118, nullptr), WindowResult::Created) << SDL_GetError();
    keysFrom(backend);
    SDL_Joystick* filePad = SDL_JoystickOpen(attachPad("File Pad", SDL_JOYSTICK_TYPE_UNKNOWN));
    SDL_Joystick* plainPad = SDL_JoystickOpen(attachPad("Plain Pad"));
    ASSERT_TRUE(envPad && filePad && plainPad) << SDL_GetError();
    keysFrom(backend);

    for (auto [pad, key] : {std::pair{envPad, std::string("119")}, {filePad, std::string("120")}}) {
        SDL_JoystickSetVirtualButton(pad, 0, 1);
        EXPECT_EQ(keysFrom(backend), std::vector<std::string>{"down " + key});
        SDL_JoystickSetVirtualButton(pad, 0, 0);
        EXPECT_EQ(keysFrom(backend), std::vector<std::string>{"up " + key});
    }

    const std::pair<SDL_GameControllerButton, uint32_t> table[] = {
        {SDL_CONTROLLER_BUTTON_A, 195},          {SDL_CONTROLLER_BUTTON_B, 196},
        {SDL_CONTROLLER_BUTTON_X, 197},          {SDL_CONTROLLER_BUTTON_Y, 198},
        {SDL_CONTROLLER_BUTTON_BACK, 120},       {SDL_CONTROLLER_BUTTON_START, 119},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, 200}, {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, 199},
        {SDL_CONTROLLER_BUTTON_DPAD_UP, 203},    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, 204},
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, 205},  {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 206},
        {SDL_CONTROLLER_BUTTON_GUIDE, 0},        {SDL_CONTROLLER_BUTTON_LEFTSTICK, 0},
    };
    for (const auto& [button, key] : table) {
        SCOPED_TRACE(SDL_GameControllerGetStringForButton(button));
        SDL_JoystickSetVirtualButton(plainPad, button, 1);
        const std::vector<std::string> down = keysFrom(backend);
        SDL_JoystickSetVirtualButton(plainPad, button, 0);
        const std::vector<std::string> up = keysFrom(backend);
        if (key == 0) {
            EXPECT_TRUE(down.empty() && up.empty());
        } else {
            EXPECT_EQ(down, std::vector<std::string>{"down " + std::to_string(key)});
            EXPECT_EQ(up, std::vector<std::string>{"up " + std::to_string(key)});
        }
    }

    // The left stick: right once it is pushed firmly, and held until it is well back.
    const std::pair<int, std::vector<std::string>> stick[] = {
        {12000, {}}, {20000, {"down 206"}}, {12000, {}}, {-20000, {"up 206", "down 205"}}, {0, {"up 205"}},
    };
    for (const auto& [value, keys] : stick) {
        SDL_JoystickSetVirtualAxis(plainPad, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(value));
        EXPECT_EQ(keysFrom(backend), keys) << value;
    }
    SDL_JoystickSetVirtualAxis(plainPad, SDL_CONTROLLER_AXIS_LEFTY, -32768);
    EXPECT_EQ(keysFrom(backend), std::vector<std::string>{"down 203"});

    SDL_JoystickSetVirtualButton(plainPad, SDL_CONTROLLER_BUTTON_A, 1);
    EXPECT_EQ(keysFrom(backend), std::vector<std::string>{"down 195"});
    SDL_JoystickClose(plainPad);
    SDL_JoystickDetachVirtual(2);  // pulled out with A and the stick held
    EXPECT_EQ(keysFrom(backend), (std::vector<std::string>{"up 203", "up 195"}));
    SDL_JoystickClose(envPad);
    SDL_JoystickClose(filePad);
    unsetenv("SDL_GAMECONTROLLERCONFIG");
}
