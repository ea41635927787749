#pragma once
// One voice on one SDL audio device: a new sound cuts off the one playing; a no-stop sound is dropped
// while another plays. The device opens at the first sound and pauses when it falls silent, so an idle
// game costs no audio CPU. Without an audio device sounds are skipped silently.
#include <SDL.h>

#include <cstdint>
#include <map>
#include <vector>

namespace platform {

class SdlAudio {
public:
    ~SdlAudio();
    void play(int resourceId, uint32_t flags);
    // Pauses the device once the queue has run dry.
    void idle();
    // Closes the device: even paused, its thread wakes to feed it silence. The next sound opens it again.
    void release();
    // Milliseconds until the sound playing ends (and idle may pause the device); 0 while paused.
    uint32_t playingMs();

private:
    bool open();
    const std::vector<uint8_t>* converted(int resourceId);

    SDL_AudioDeviceID device = 0;
    SDL_AudioSpec deviceFormat{};
    bool unavailable = false;
    bool paused = true;
    std::map<int, std::vector<uint8_t>> cache;  // each sound in the device's format
};

}  // namespace platform
