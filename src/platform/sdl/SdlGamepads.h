#pragma once
// Gamepads through SDL's game-controller layer: every pad plugged in before or after start is opened,
// with SDL's own mappings, those in SDL_GAMECONTROLLERCONFIG and those in a gamecontrollerdb.txt in
// the data root. Buttons become key messages (the table in platform/common/PadButtons.h); the left
// stick acts as the D-pad.
#include <SDL.h>

#include <map>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace platform {

class SdlGamepads {
public:
    SdlGamepads() = default;
    SdlGamepads(const SdlGamepads&) = delete;
    SdlGamepads& operator=(const SdlGamepads&) = delete;
    ~SdlGamepads() { stop(); }

    // Starts the game-controller layer after SDL_Init, adding the mappings in mappingFile when it
    // exists. Without it (no joystick support on the host) the game simply hears no pads.
    void start(const std::string& mappingFile);
    // Closes every pad and the layer; call before SDL_Quit.
    void stop();
    // Appends the key messages for a controller event; false when the event is not a pad's.
    bool translate(const SDL_Event& event, std::vector<Message>& queue);

private:
    struct Pad {
        SDL_GameController* controller = nullptr;
        int stickX = 0;  // the left stick's direction on each axis: -1, 0 or 1
        int stickY = 0;
        std::vector<uint32_t> held;  // keys sent down and not yet up, released if the pad goes
    };

    void open(int deviceIndex);
    void close(SDL_JoystickID id, std::vector<Message>& queue);
    void moveStick(Pad& pad, SDL_GameControllerAxis axis, int value, std::vector<Message>& queue);
    static void press(Pad& pad, uint32_t key, bool down, std::vector<Message>& queue);

    bool started = false;
    std::map<SDL_JoystickID, Pad> pads;
};

}  // namespace platform
