// Gamepads through the SDL backend itself: virtual pads attached in this process, their messages read
// as the program reads them; on SDL's dummy video driver, or under Xvfb on X11 (scripts/real_window.sh).
#include <SDL.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <string>
#include <vector>

#include "common/DataRootTest.h"
#include "platform/sdl/SdlBackend.h"

using namespace platform;
using Keys = std::vector<std::string>;

namespace {

// A pad of SDL's own kind comes with SDL's mapping, button n as controller button n; a plain
// joystick is a pad only by a mapping.
int attachPad(const char* name, SDL_JoystickType type = SDL_JOYSTICK_TYPE_GAMECONTROLLER) {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = static_cast<Uint16>(type);
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = name;
    return SDL_JoystickAttachVirtualEx(&desc);
}

// The GUID SDL gives a plain virtual joystick of this name, as mapping databases write it (without
// the name's checksum in characters 4-7), found in a throwaway session.
std::string guidOf(const char* name) {
    char text[64] = {};
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0)
        SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(attachPad(name, SDL_JOYSTICK_TYPE_UNKNOWN)), text, 64);
    SDL_Quit();
    std::string guid(text);
    return guid.size() == 32 ? guid.replace(4, 4, "0000") : guid;
}

// "down 119" / "up 203" for every key message the backend has now.
Keys keysFrom(SdlBackend& backend) {
    Keys keys;
    Message m;
    for (int round = 0; round < 3; ++round)
        while (backend.peekMessage(m))
            if (m.message == WM_KEYDOWN || m.message == WM_KEYUP)
                keys.push_back((m.message == WM_KEYDOWN ? "down " : "up ") + std::to_string(m.wParam));
    return keys;
}

class PadInput : public DataRootTest {};

}  // namespace

// Three pads at once, plugged in before and after start: one mapped by SDL_GAMECONTROLLERCONFIG, one
// by the data root's gamecontrollerdb.txt, one by SDL's own mapping; every button of the table, the
// stick, and a pad pulled out with buttons held, which lets go of their keys.
TEST_F(PadInput, VirtualPadsBecomeKeyMessages) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    const std::string envGuid = guidOf("Env Pad"), fileGuid = guidOf("File Pad");
    ASSERT_TRUE(envGuid.size() == 32 && envGuid != fileGuid) << "this SDL cannot attach virtual pads: " << envGuid;
    setenv("SDL_GAMECONTROLLERCONFIG", (envGuid + ",Env Pad,start:b0,platform:Linux,").c_str(), 1);
    std::ofstream(root / "gamecontrollerdb.txt") << "# pads\n" << fileGuid << ",File Pad,back:b0,platform:Linux,\n";
    // No window manager gives the window the focus; SDL would hold pad events back without it.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");

    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
    SDL_Joystick* envPad = SDL_JoystickOpen(attachPad("Env Pad", SDL_JOYSTICK_TYPE_UNKNOWN));
    SdlBackend backend{LaunchOptions{}};
    ASSERT_EQ(backend.createWindow(u"Test", u"Test", 118, nullptr), WindowResult::Created) << SDL_GetError();
    keysFrom(backend);
    SDL_Joystick* filePad = SDL_JoystickOpen(attachPad("File Pad", SDL_JOYSTICK_TYPE_UNKNOWN));
    SDL_Joystick* plainPad = SDL_JoystickOpen(attachPad("Plain Pad"));
    ASSERT_TRUE(envPad && filePad && plainPad) << SDL_GetError();
    keysFrom(backend);
    SDL_JoystickSetVirtualButton(envPad, 0, 1);
    EXPECT_EQ(keysFrom(backend), Keys{"down 119"});
    SDL_JoystickSetVirtualButton(filePad, 0, 1);
    EXPECT_EQ(keysFrom(backend), Keys{"down 120"});

    // Every button at once, in SDL's order: a b x y back (guide) start (the sticks) the shoulders, the
    // D-pad (and the rest, which send nothing).
    for (const char* change : {"down ", "up "}) {
        Keys keys = {"195", "196", "197", "198", "120", "119", "200", "199", "203", "204", "205", "206"};
        for (std::string& key : keys) key = change + key;
        for (int button = 0; button < SDL_CONTROLLER_BUTTON_MAX; ++button)
            SDL_JoystickSetVirtualButton(plainPad, button, *change == 'd');
        EXPECT_EQ(keysFrom(backend), keys);
    }

    // The left stick: right once it is pushed firmly, and held until it is well back.
    const std::pair<int, Keys> stick[] = {
        {12000, {}}, {20000, {"down 206"}}, {12000, {}}, {-20000, {"up 206", "down 205"}}, {0, {"up 205"}}};
    for (const auto& [value, keys] : stick) {
        SDL_JoystickSetVirtualAxis(plainPad, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(value));
        EXPECT_EQ(keysFrom(backend), keys) << value;
    }
    SDL_JoystickSetVirtualAxis(plainPad, SDL_CONTROLLER_AXIS_LEFTY, -32768);
    SDL_JoystickSetVirtualButton(plainPad, SDL_CONTROLLER_BUTTON_A, 1);
    EXPECT_EQ(keysFrom(backend), (Keys{"down 203", "down 195"}));
    SDL_JoystickClose(plainPad);
    SDL_JoystickDetachVirtual(2);
    EXPECT_EQ(keysFrom(backend), (Keys{"up 203", "up 195"}));
    for (SDL_Joystick* pad : {envPad, filePad}) SDL_JoystickClose(pad);
}
