#pragma once
// What the command line chose, shared by the backends.
#include <cstdint>
#include <string>

namespace platform {

struct LaunchOptions {
    int screenWidth = 480;
    int screenHeight = 640;
    int taskBarHeight = 0;
    bool fullscreen = false;
    bool headless = false;
    std::string scriptPath;
    int minute = -1;  // -1: the real UTC minute
    std::string dataDir;
    bool claimDataRoot = false;  // the headless runner holds the data root as a window copy does
    int64_t date = -1;           // --date as days since 1970-01-01; -1: the real date
    std::string exportHistory;
};

// Parses argv into options. Returns -1 to go on, or the status to exit with (usage printed).
int parseCommandLine(int argc, char** argv, LaunchOptions& options);

// Turns a stylus press into a double click when it follows the last one closely in time and place,
// as the handheld's window system does for a class that asks for double clicks.
class DoubleClickDetector {
public:
    static constexpr uint32_t doubleClickMs = 500;
    static constexpr int slopPixels = 4;

    // Returns true when this press at (x, y) at time now completes a double click.
    bool press(int x, int y, uint32_t now);

private:
    bool havePrevious = false;
    int lastX = 0;
    int lastY = 0;
    uint32_t lastTime = 0;
};

}  // namespace platform
