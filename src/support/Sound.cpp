#include "support/Sound.h"

#include "platform/Platform.h"

bool soundOn = true;

void Sound::playSound() const {
    if (!soundOn) return;
    platform::playSound(resourceId & 0xFFFF, playFlags);
}
