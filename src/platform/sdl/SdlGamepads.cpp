#include "platform/sdl/SdlGamepads.h"

#include <algorithm>

#include "platform/common/PadButtons.h"

namespace platform {

namespace {

constexpr int stickPressAt = 16000;   // about half way out
constexpr int stickReleaseAt = 8000;  // about a quarter

uint32_t keyForButton(int button) {
    const char* name = SDL_GameControllerGetStringForButton(static_cast<SDL_GameControllerButton>(button));
    return name ? padButtonKey(name) : 0;
}

// The left stick's direction on one axis: it tips over at a firm push and comes back only well inside
// that, so a stick resting near the threshold does not chatter.
int stickDirection(int current, int value) {
    if (value >= stickPressAt) return 1;
    if (value <= -stickPressAt) return -1;
    if (current > 0 && value > stickReleaseAt) return current;
    if (current < 0 && value < -stickReleaseAt) return current;
    return 0;
}

}  // namespace

void SdlGamepads::start(const std::string& mappingFile) {
    // SDL reads SDL_GAMECONTROLLERCONFIG itself when the layer starts.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return;
    started = true;
    // A missing file is the usual case, not an error. The pads already plugged in arrive as
    // SDL_CONTROLLERDEVICEADDED events, so they are opened with everything else, on the first pump.
    SDL_GameControllerAddMappingsFromFile(mappingFile.c_str());
}

void SdlGamepads::stop() {
    for (auto& [id, pad] : pads) SDL_GameControllerClose(pad.controller);
    pads.clear();
    if (started) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    started = false;
}

void SdlGamepads::open(int deviceIndex) {
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    if (pads.contains(id)) {
        SDL_GameControllerClose(controller);  // announced again after a new mapping: open already
        return;
    }
    pads[id].controller = controller;
}

void SdlGamepads::close(SDL_JoystickID id, std::vector<Message>& queue) {
    auto found = pads.find(id);
    if (found == pads.end()) return;
    // A pad pulled out while a button is held must not leave that key down.
    for (uint32_t key : found->second.held) queue.push_back({WM_KEYUP, key, 1});
    SDL_GameControllerClose(found->second.controller);
    pads.erase(found);
}

void SdlGamepads::press(Pad& pad, uint32_t key, bool down, std::vector<Message>& queue) {
    if (key == 0) return;
    auto held = std::find(pad.held.begin(), pad.held.end(), key);
    if (down == (held != pad.held.end())) return;  // the D-pad and the stick may both hold a direction
    if (down)
        pad.held.push_back(key);
    else
        pad.held.erase(held);
    queue.push_back({down ? WM_KEYDOWN : WM_KEYUP, key, 1});
}

void SdlGamepads::moveStick(Pad& pad, SDL_GameControllerAxis axis, int value, std::vector<Message>& queue) {
    if (axis != SDL_CONTROLLER_AXIS_LEFTX && axis != SDL_CONTROLLER_AXIS_LEFTY) return;
    const bool across = axis == SDL_CONTROLLER_AXIS_LEFTX;
    int& direction = across ? pad.stickX : pad.stickY;
    const int now = stickDirection(direction, value);
    if (now == direction) return;
    const uint32_t negative = keyForButton(across ? SDL_CONTROLLER_BUTTON_DPAD_LEFT : SDL_CONTROLLER_BUTTON_DPAD_UP);
    const uint32_t positive = keyForButton(across ? SDL_CONTROLLER_BUTTON_DPAD_RIGHT : SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    if (direction != 0) press(pad, direction < 0 ? negative : positive, false, queue);
    if (now != 0) press(pad, now < 0 ? negative : positive, true, queue);
    direction = now;
}

bool SdlGamepads::translate(const SDL_Event& event, std::vector<Message>& queue) {
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            open(event.cdevice.which);
            return true;
        case SDL_CONTROLLERDEVICEREMOVED:
            close(event.cdevice.which, queue);
            return true;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (auto found = pads.find(event.cbutton.which); found != pads.end())
                press(found->second, keyForButton(event.cbutton.button), event.type == SDL_CONTROLLERBUTTONDOWN, queue);
            return true;
        case SDL_CONTROLLERAXISMOTION:
            if (auto found = pads.find(event.caxis.which); found != pads.end())
                moveStick(found->second, static_cast<SDL_GameControllerAxis>(event.caxis.axis), event.caxis.value,
                          queue);
            return true;
        default:
            return false;
    }
}

}  // namespace platform
