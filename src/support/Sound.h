#pragma once
// One WAVE sound from the program's resources, played asynchronously and only while soundOn is set.
#include <cstdint>

// The player's sound switch; saved with the settings.
extern bool soundOn;

class Sound {
public:
    // Extra play flags (platform::SND_NOSTOP keeps a playing sound and drops this one).
    uint32_t playFlags = 0;
    int32_t resourceId = 0;

    void makeResourceSound(int32_t id) {
        resourceId = id;
        playFlags = 0;
    }
    void playSound() const;
};
