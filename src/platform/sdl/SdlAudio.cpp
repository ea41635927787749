#include "platform/sdl/SdlAudio.h"

#include <cstring>

#include "platform/Platform.h"
#include "platform/common/Wave.h"

namespace platform {

SdlAudio::~SdlAudio() {
    if (device) SDL_CloseAudioDevice(device);
    if (device || unavailable) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::open() {
    if (device) return true;
    if (unavailable) return false;
    unavailable = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 1024;
    device = SDL_OpenAudioDevice(nullptr, 0, &want, &deviceFormat,
                                 SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (!device) return false;
    unavailable = false;
    return true;
}

// The sound converted once to the device's rate and channels, or null when it cannot be played.
const std::vector<uint8_t>* SdlAudio::converted(int resourceId) {
    if (auto found = cache.find(resourceId); found != cache.end()) return &found->second;
    const WaveData wave = parseWave(findResource(ResourceType::Wave, resourceId));
    if (!wave.valid()) return nullptr;
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, AUDIO_S16LSB, static_cast<Uint8>(wave.channels), wave.sampleRate, deviceFormat.format,
                          deviceFormat.channels, deviceFormat.freq) < 0)
        return nullptr;
    std::vector<uint8_t> buffer(wave.samples.size() * static_cast<size_t>(cvt.len_mult) + 16);
    std::memcpy(buffer.data(), wave.samples.data(), wave.samples.size());
    cvt.buf = buffer.data();
    cvt.len = static_cast<int>(wave.samples.size());
    if (cvt.needed && SDL_ConvertAudio(&cvt) != 0) return nullptr;
    buffer.resize(cvt.needed ? static_cast<size_t>(cvt.len_cvt) : wave.samples.size());
    return &cache.emplace(resourceId, std::move(buffer)).first->second;
}

void SdlAudio::play(int resourceId, uint32_t flags) {
    if (!open()) return;
    const bool playing = SDL_GetQueuedAudioSize(device) > 0;
    if ((flags & SND_NOSTOP) && playing) return;
    const std::vector<uint8_t>* samples = converted(resourceId);
    if (!samples) return;
    SDL_ClearQueuedAudio(device);
    SDL_QueueAudio(device, samples->data(), static_cast<Uint32>(samples->size()));
    if (paused) {
        SDL_PauseAudioDevice(device, 0);
        paused = false;
    }
}

void SdlAudio::release() {
    if (!device) return;
    SDL_CloseAudioDevice(device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    device = 0;
    paused = true;
    unavailable = false;
    cache.clear();  // the device opened next may take another format
}

uint32_t SdlAudio::playingMs() {
    if (!device || paused) return 0;
    const uint32_t bytesPerSecond =
        static_cast<uint32_t>(deviceFormat.freq) * deviceFormat.channels * SDL_AUDIO_BITSIZE(deviceFormat.format) / 8;
    if (bytesPerSecond == 0) return 1;
    // One more millisecond, so the wait does not end just before the last samples have gone.
    return static_cast<uint32_t>(uint64_t{SDL_GetQueuedAudioSize(device)} * 1000 / bytesPerSecond) + 1;
}

void SdlAudio::idle() {
    if (device && !paused && SDL_GetQueuedAudioSize(device) == 0) {
        SDL_PauseAudioDevice(device, 1);
        paused = true;
    }
}

}  // namespace platform
