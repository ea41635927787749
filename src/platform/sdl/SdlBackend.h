#pragma once
// The SDL2 backend: a real window that looks like the handheld's screen, presented through the
// window surface (never an OpenGL renderer), the keyboard, mouse and touch as the device's keys and
// stylus, gamepads as keys, one voice of audio, and one running copy per data root.
#include <SDL.h>

#include <atomic>
#include <map>
#include <memory>
#include <thread>
#include <vector>

#include "platform/common/Backend.h"
#include "platform/common/LaunchOptions.h"
#include "platform/sdl/SdlAudio.h"
#include "platform/sdl/SdlGamepads.h"
#include "platform/sdl/SdlPresenter.h"
#include "platform/sdl/SingleInstance.h"

namespace platform {

class SdlBackend : public Backend {
public:
    explicit SdlBackend(const LaunchOptions& options);
    ~SdlBackend() override;

    WindowResult createWindow(const std::u16string& className, const std::u16string& title, int iconId,
                              WindowProcedure procedure) override;
    bool peekMessage(Message& message) override;
    bool getMessage(Message& message) override;
    void postQuitMessage(int exitCode) override;
    int screenWidth() override;
    int screenHeight() override;
    int workAreaTop() override { return taskBar; }
    int windowHeight() override { return clientH; }
    void moveWindow(int width, int height) override;
    void present(const uint16_t* pixels, int width, int height) override;
    uint32_t tickCount() override { return SDL_GetTicks(); }
    SystemTime systemTimeUtc() override;
    void sleepMs(uint32_t milliseconds) override { SDL_Delay(milliseconds); }
    void messageBox(const std::u16string& text, const std::u16string& title) override;
    bool openUrl(const std::u16string& address) override;
    void playSound(int resourceId, uint32_t flags) override { audio.play(resourceId, flags); }

private:
    // Turns SDL events into queued messages; false when nothing was queued.
    void translate(const SDL_Event& event);
    void translateWindowEvent(const SDL_WindowEvent& event);
    void translateKey(const SDL_KeyboardEvent& event);
    void translateText(const SDL_TextInputEvent& event);
    void translateButton(const SDL_MouseButtonEvent& event);
    bool handleShortcut(const SDL_KeyboardEvent& event);
    void rotate();
    void toggleFullscreen();
    void pumpEvents();
    void startSignalWaiter();
    void stopSignalWaiter();
    void setWindowIcon();
    void noteFirstFrame();
    void sizeWindowToScale();
    bool startVideo();
    void takeDisplaySize();
    void queueKey(uint32_t message, uint32_t key) { queue.push_back({message, key, 1}); }

    int screenW;
    int screenH;
    int taskBar;
    int clientW;
    int clientH;
    bool startFullscreen;
    bool displaySizeTaken = false;
    int scale = 1;
    bool sdlStarted = false;
    bool firstFrameShown = false;
    SDL_Window* window = nullptr;
    std::vector<Message> queue;
    size_t queueHead = 0;
    bool lastKeyDownMapped = false;
    std::map<SDL_Scancode, uint32_t> keysDown;  // what each held key was sent as, for its key-up
    DoubleClickDetector doubleClicks;
    SdlPresenter presenter;
    SdlAudio audio;
    SdlGamepads gamepads;
    std::unique_ptr<SingleInstance> instance;
    uint32_t raiseEventType = 0;
    std::vector<int> openers;  // browser openers still to be reaped
    std::thread signalWaiter;
    std::atomic<bool> signalWaiterStopping{false};
};

}  // namespace platform
