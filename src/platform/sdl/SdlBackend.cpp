#include "platform/sdl/SdlBackend.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "platform/Keys.h"
#include "platform/common/WindowIcon.h"
#include "platform/sdl/DisplayFit.h"

extern char** environ;

namespace platform {

namespace {

// A hang-up, an interrupt or a termination request ends the game as closing its window does, so that
// it saves first. The three are blocked in every thread (from before SDL or anything else starts one)
// and taken by a thread of their own in sigwait, which hands each to the event queue: the loop sleeps
// until then instead of waking now and then to look for them.
sigset_t endSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : {SIGHUP, SIGINT, SIGTERM}) sigaddset(&set, signal);
    return set;
}

// The longest the loop sleeps with no pad open: a pad plugged in meanwhile is noticed within it.
constexpr int padPlugCheckMs = 1000;
// With a pad open the loop reads it this often while it sleeps, as often as frames would.
constexpr int padReadMs = 25;

// The drivers that draw nowhere, which SDL falls back on when no display can be reached: a game on
// them would run unseen until it is killed. Only one asked for by name (tests do) is taken.
bool drawsNowhere(const char* driver) {
    if (!driver || (SDL_strcmp(driver, "offscreen") != 0 && SDL_strcmp(driver, "dummy") != 0)) return false;
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    return !asked || SDL_strcasecmp(asked, driver) != 0;
}

// Largest whole scale at which the client area fits the display's usable area.
int fittingScale(int width, int height) {
    SDL_Rect usable{0, 0, width, height};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
    int scale = 1;
    // Leave room for the window decorations the window manager adds.
    while ((scale + 1) * width <= usable.w && (scale + 1) * height <= usable.h - 48) ++scale;
    return scale;
}

}  // namespace

SdlBackend::SdlBackend(const LaunchOptions& options)
    : screenW(options.screenWidth),
      screenH(options.screenHeight),
      taskBar(options.taskBarHeight),
      clientW(options.screenWidth),
      clientH(options.screenHeight - options.taskBarHeight),
      startFullscreen(options.fullscreen) {
    const sigset_t set = endSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

SdlBackend::~SdlBackend() {
    stopSignalWaiter();
    gamepads.stop();
    instance.reset();
    if (window) SDL_DestroyWindow(window);
    if (sdlStarted) SDL_Quit();
}

WindowResult SdlBackend::createWindow(const std::u16string&, const std::u16string& title, int iconId, WindowProcedure) {
    bool anotherRuns = false;
    instance = SingleInstance::claim(dataRoot(), anotherRuns);
    if (anotherRuns) return WindowResult::AnotherInstanceRaised;

    if (!startVideo()) return WindowResult::ClassRegistrationFailed;
    if (drawsNowhere(SDL_GetCurrentVideoDriver())) return WindowResult::CreationFailed;
    startSignalWaiter();
    raiseEventType = SDL_RegisterEvents(1);
    if (instance && raiseEventType != static_cast<uint32_t>(-1)) instance->listen(raiseEventType);
    gamepads.start(dataRoot() + "/gamecontrollerdb.txt");

    if (startFullscreen) takeDisplaySize();
    scale = fittingScale(clientW, clientH);
    Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    if (startFullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    int windowW = clientW * scale, windowH = clientH * scale;
    SDL_DisplayMode mode;
    if (startFullscreen && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
        // As large as the display from the start: with no window manager to obey the full-screen
        // request (a kiosk, a bare X server) the window would otherwise keep the simulated size.
        windowW = mode.w;
        windowH = mode.h;
    }
    const std::string utf8 = toUtf8(title);
    window = SDL_CreateWindow(utf8.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, windowW, windowH, flags);
    if (!window) {
        std::fprintf(stderr, "vortellanox: SDL could not create the window: %s\n", SDL_GetError());
        return WindowResult::CreationFailed;
    }
    (void)iconId;
    setWindowIcon();
    SDL_RaiseWindow(window);
    return WindowResult::Created;
}

bool SdlBackend::startVideo() {
    if (sdlStarted) return true;
    // Present through the window surface, never an OpenGL renderer: on software GL that costs five
    // times the CPU and much more memory.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // Pads are read by the event pump itself: left to SDL, a sleeping loop would wake every millisecond
    // while a pad is open.
    SDL_SetHint(SDL_HINT_AUTO_UPDATE_JOYSTICKS, "0");
    sdlStarted = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0;
    if (!sdlStarted) std::fprintf(stderr, "vortellanox: SDL could not start its video: %s\n", SDL_GetError());
    return sdlStarted;
}

// Full screen on a handheld: the simulated screen is the display, or on a big display a whole
// fraction of it. The program asks for the screen's size before the window exists, so this runs at
// the first question.
void SdlBackend::takeDisplaySize() {
    if (displaySizeTaken || !startVideo()) return;
    displaySizeTaken = true;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return;
    const ScreenSize size = fullscreenScreenSize(mode.w, mode.h);
    if (size.width <= 0 || size.height <= 0) return;
    screenW = clientW = size.width;
    screenH = clientH = size.height;
    taskBar = 0;
}

int SdlBackend::screenWidth() {
    if (startFullscreen) takeDisplaySize();
    return screenW;
}

int SdlBackend::screenHeight() {
    if (startFullscreen) takeDisplaySize();
    return screenH;
}

void SdlBackend::sizeWindowToScale() {
    if (!window || (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP)) return;
    SDL_SetWindowSize(window, clientW * scale, clientH * scale);
}

void SdlBackend::moveWindow(int width, int height) {
    if (width == clientW && height == clientH) return;
    clientW = width;
    clientH = height;
    sizeWindowToScale();
}

void SdlBackend::present(const uint16_t* pixels, int width, int height) {
    presenter.present(window, pixels, width, height);
    if (!firstFrameShown) {
        firstFrameShown = true;
        noteFirstFrame();
    }
}

// For the start-up benchmark: VX_FIRST_FRAME_FILE names a file that receives the wall-clock time
// (ns since the epoch) at which the first frame reached the window.
void SdlBackend::noteFirstFrame() {
    const char* path = std::getenv("VX_FIRST_FRAME_FILE");
    if (!path || !*path) return;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    if (std::FILE* file = std::fopen(path, "w")) {
        std::fprintf(file, "%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fclose(file);
    }
}

void SdlBackend::startSignalWaiter() {
    if (signalWaiter.joinable()) return;
    signalWaiter = std::thread([this] {
        const sigset_t set = endSignals();
        for (;;) {
            int signal = 0;
            if (sigwait(&set, &signal) != 0) continue;
            if (signalWaiterStopping) return;
            SDL_Event event{};
            event.type = SDL_QUIT;  // becomes a close, as when the last window closes
            SDL_PushEvent(&event);  // safe from any thread, and wakes a waiting loop
        }
    });
}

void SdlBackend::stopSignalWaiter() {
    if (!signalWaiter.joinable()) return;
    signalWaiterStopping = true;
    pthread_kill(signalWaiter.native_handle(), SIGTERM);
    signalWaiter.join();
}

void SdlBackend::pumpEvents() {
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER)) SDL_GameControllerUpdate();
    SDL_Event event;
    while (SDL_PollEvent(&event)) translate(event);
    audio.idle();
    std::erase_if(openers, [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; });
}

bool SdlBackend::peekMessage(Message& message) {
    if (queueHead == queue.size()) pumpEvents();
    if (queueHead == queue.size()) {
        queue.clear();
        queueHead = 0;
        return false;
    }
    message = queue[queueHead++];
    return true;
}

// Asleep until the window system, a signal or a pad has something for us; awake early only to pause the
// audio device when a sound ends, and to read the pads, which SDL leaves to the pump.
bool SdlBackend::getMessage(Message& message) {
    while (!peekMessage(message)) {
        int timeout = -1;
        if (SDL_WasInit(SDL_INIT_GAMECONTROLLER)) timeout = SDL_NumJoysticks() > 0 ? padReadMs : padPlugCheckMs;
        if (const uint32_t soundLeft = audio.playingMs(); soundLeft > 0)
            timeout = timeout < 0 ? static_cast<int>(soundLeft) : std::min(timeout, static_cast<int>(soundLeft));
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, timeout)) translate(event);
    }
    return message.message != WM_QUIT;
}

void SdlBackend::postQuitMessage(int exitCode) { queue.push_back({WM_QUIT, static_cast<uint32_t>(exitCode), 0}); }

void SdlBackend::translate(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            queue.push_back({WM_CLOSE, 0, 0});
            break;  // the last window closed
        case SDL_WINDOWEVENT:
            translateWindowEvent(event.window);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            translateKey(event.key);
            break;
        case SDL_TEXTINPUT:
            translateText(event.text);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            translateButton(event.button);
            break;
        case SDL_CONTROLLERDEVICEADDED:
        case SDL_CONTROLLERDEVICEREMOVED:
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
        case SDL_CONTROLLERAXISMOTION:
            gamepads.translate(event, queue);
            break;
        case SDL_MOUSEMOTION: {
            int x = 0, y = 0;
            presenter.toBuffer(window, event.motion.x, event.motion.y, x, y);
            queue.push_back({WM_MOUSEMOVE, (event.motion.state & SDL_BUTTON_LMASK) ? 1u : 0u, makePointLParam(x, y)});
            break;
        }
        default:
            if (event.type == raiseEventType && window) {
                SDL_RestoreWindow(window);
                SDL_RaiseWindow(window);
            }
            break;
    }
}

void SdlBackend::translateWindowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            queue.push_back({WM_ACTIVATE, WA_ACTIVE, 0});
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            // An inactive game draws nothing and plays nothing; its sounds' device would still wake.
            audio.release();
            queue.push_back({WM_ACTIVATE, WA_INACTIVE, 0});
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            presenter.refresh(window);
            queue.push_back({WM_PAINT, 0, 0});
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            presenter.refresh(window);
            break;
        case SDL_WINDOWEVENT_CLOSE:
            queue.push_back({WM_CLOSE, 0, 0});
            break;
        default:
            break;
    }
}

// Ctrl+R turns the device; F11 switches between the window and full screen.
bool SdlBackend::handleShortcut(const SDL_KeyboardEvent& event) {
    if (event.type != SDL_KEYDOWN)
        return event.keysym.sym == SDLK_F11 || ((event.keysym.mod & KMOD_CTRL) && event.keysym.sym == SDLK_r);
    if ((event.keysym.mod & KMOD_CTRL) && event.keysym.sym == SDLK_r) {
        if (!event.repeat) rotate();
        return true;
    }
    if (event.keysym.sym == SDLK_F11) {
        if (!event.repeat) toggleFullscreen();
        return true;
    }
    return false;
}

void SdlBackend::translateKey(const SDL_KeyboardEvent& event) {
    if (handleShortcut(event)) return;
    const SDL_Scancode code = event.keysym.scancode;
    if (event.type == SDL_KEYUP) {
        if (auto held = keysDown.find(code); held != keysDown.end()) {
            queueKey(WM_KEYUP, held->second);
            keysDown.erase(held);
        }
        return;
    }
    const uint16_t mod = event.keysym.mod;
    const uint32_t key = keyForPress({.place = static_cast<uint16_t>(code),
                                      .label = static_cast<uint32_t>(event.keysym.sym),
                                      .characterModifier = (mod & (KMOD_SHIFT | KMOD_RALT | KMOD_MODE)) != 0,
                                      .numLock = (mod & KMOD_NUM) != 0});
    // A key that sends nothing by itself may still type a character that does: the text event says.
    lastKeyDownMapped = key != 0;
    if (!key) return;
    keysDown[code] = key;
    queueKey(WM_KEYDOWN, key);
}

void SdlBackend::translateText(const SDL_TextInputEvent& event) {
    const bool alreadySent = lastKeyDownMapped;
    lastKeyDownMapped = false;
    if (alreadySent || event.text[0] == 0 || event.text[1] != 0) return;
    const uint32_t key = keyForCharacter(static_cast<unsigned char>(event.text[0]));
    if (!key) return;
    queueKey(WM_KEYDOWN, key);
    queueKey(WM_KEYUP, key);
}

void SdlBackend::translateButton(const SDL_MouseButtonEvent& event) {
    int x = 0, y = 0;
    presenter.toBuffer(window, event.x, event.y, x, y);
    const int32_t point = makePointLParam(x, y);
    const bool down = event.type == SDL_MOUSEBUTTONDOWN;
    if (event.button == SDL_BUTTON_LEFT) {
        uint32_t message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
        if (down && doubleClicks.press(x, y, SDL_GetTicks())) message = WM_LBUTTONDBLCLK;
        queue.push_back({message, down ? 1u : 0u, point});
    } else if (event.button == SDL_BUTTON_RIGHT && down) {
        queue.push_back({event.clicks == 2 ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN, 2u, point});
    } else if (event.button == SDL_BUTTON_RIGHT) {
        queue.push_back({WM_RBUTTONUP, 0u, point});
    }
}

// The device turns: its sides swap, and like a device it deactivates and reactivates the window, so
// the program's own activation path lays everything out again.
void SdlBackend::rotate() {
    std::swap(screenW, screenH);
    queue.push_back({WM_ACTIVATE, WA_INACTIVE, 0});
    queue.push_back({WM_ACTIVATE, WA_ACTIVE, 0});
}

void SdlBackend::toggleFullscreen() {
    const bool full = SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP;
    SDL_Rect bounds;
    if (!full && SDL_GetDisplayBounds(std::max(0, SDL_GetWindowDisplayIndex(window)), &bounds) == 0) {
        // Cover the display first: with no window manager to obey the full-screen request the window
        // would keep its size and show only a corner of the picture.
        SDL_SetWindowPosition(window, bounds.x, bounds.y);
        SDL_SetWindowSize(window, bounds.w, bounds.h);
    }
    SDL_SetWindowFullscreen(window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    if (full) {
        sizeWindowToScale();
        SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    presenter.refresh(window);
}

SystemTime SdlBackend::systemTimeUtc() {
    const std::time_t seconds = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    return {utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec};
}

void SdlBackend::messageBox(const std::u16string& text, const std::u16string& title) {
    const std::string utf8Text = toUtf8(text), utf8Title = toUtf8(title);
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, utf8Title.c_str(), utf8Text.c_str(), window) != 0)
        std::fprintf(stderr, "%s: %s\n", utf8Title.c_str(), utf8Text.c_str());
}

// xdg-open with the address as its one argument, never through a shell. It may keep running as long
// as the browser it started, so it is reaped later, from the event pump.
bool SdlBackend::openUrl(const std::u16string& address) {
    const std::string utf8 = toUtf8(address);
    if (utf8.empty() || utf8[0] == '-') return false;  // never let an address pass as an option
    char program[] = "xdg-open";
    char* argv[] = {program, const_cast<char*>(utf8.c_str()), nullptr};
    // The browser must not inherit the signals this process keeps for its own waiting thread.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    pid_t child = 0;
    const int failed = posix_spawnp(&child, program, nullptr, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    if (failed != 0) return false;
    openers.push_back(child);
    return true;
}

// The icon's 64-pixel picture (window managers scale it to what they show).
void SdlBackend::setWindowIcon() {
    std::vector<uint32_t> argb;
    if (!iconPixels(64, argb)) return;
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(argb.data(), 64, 64, 32, 64 * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!icon) return;
    SDL_SetWindowIcon(window, icon);
    SDL_FreeSurface(icon);
}

}  // namespace platform
