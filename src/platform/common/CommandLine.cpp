#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/common/LaunchOptions.h"

namespace platform {

namespace {

const char* const usage =
    "usage: vortellanox [--screen WxH] [--task-bar N] [--fullscreen] [--data-dir DIR]\n"
    "                   [--headless --script FILE|- [--minute M] [--date YYYY-MM-DD]]\n"
    "                   [--export-history FILE|-] [--help] [--version]\n"
    "  --task-bar N   0 up to one less than the screen's shorter side (the device turns)\n";

int fail(const std::string& message) {
    std::fprintf(stderr, "vortellanox: %s\n%s", message.c_str(), usage);
    return 2;
}

// A whole decimal number in [lo, hi]; nothing else counts (no sign, no trailing text).
bool parseNumber(const char* text, int lo, int hi, int& out) {
    if (!text || !*text || std::strlen(text) > 6) return false;
    int value = 0;
    for (const char* p = text; *p; ++p) {
        if (*p < '0' || *p > '9') return false;
        value = value * 10 + (*p - '0');
    }
    if (value < lo || value > hi) return false;
    out = value;
    return true;
}

// WxH with both sides even (rows of the frame buffer are whole 32-bit words) and of a sane size.
bool parseScreen(const char* text, int& width, int& height) {
    if (!text) return false;
    const char* x = std::strchr(text, 'x');
    if (!x) return false;
    const std::string w(text, x);
    return parseNumber(w.c_str(), 16, 8192, width) && parseNumber(x + 1, 16, 8192, height) && width % 2 == 0 &&
           height % 2 == 0;
}

// YYYY-MM-DD, a real day of the years 1970 to 9999, as days since 1970-01-01.
bool parseDate(const char* text, int64_t& days) {
    if (!text || std::strlen(text) != 10 || text[4] != '-' || text[7] != '-') return false;
    const std::string t(text);
    int year = 0, month = 0, day = 0;
    if (!parseNumber(t.substr(0, 4).c_str(), 1970, 9999, year) || !parseNumber(t.substr(5, 2).c_str(), 1, 12, month) ||
        !parseNumber(t.substr(8, 2).c_str(), 1, 31, day))
        return false;
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    if (!date.ok()) return false;
    days = std::chrono::sys_days{date}.time_since_epoch().count();
    return true;
}

}  // namespace

int parseCommandLine(int argc, char** argv, LaunchOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (arg == "--help" || arg == "-h") {
            std::printf("%s", usage);
            return 0;
        }
        if (arg == "--version") {
            std::printf("vortellanox 1.0\n");
            return 0;
        }
        if (arg == "--fullscreen") {
            options.fullscreen = true;
        } else if (arg == "--headless") {
            options.headless = true;
        } else if (arg == "--screen") {
            if (!parseScreen(value, options.screenWidth, options.screenHeight))
                return fail("--screen wants WIDTHxHEIGHT with even sides from 16 to 8192, e.g. 240x320");
            ++i;
        } else if (arg == "--task-bar") {
            if (!parseNumber(value, 0, 4096, options.taskBarHeight))
                return fail("--task-bar wants a height in pixels from 0 up");
            ++i;
        } else if (arg == "--minute") {
            if (!parseNumber(value, 0, 59, options.minute)) return fail("--minute wants a minute from 0 to 59");
            ++i;
        } else if (arg == "--script") {
            if (!value || !*value) return fail("--script wants a file");
            options.scriptPath = value;
            ++i;
        } else if (arg == "--date") {
            if (!parseDate(value, options.date)) return fail("--date wants a day as YYYY-MM-DD, from 1970 on");
            ++i;
        } else if (arg == "--export-history") {
            if (!value || !*value) return fail("--export-history wants a file, or - for standard output");
            options.exportHistory = value;
            ++i;
        } else if (arg == "--data-dir") {
            if (!value || !*value) return fail("--data-dir wants a folder");
            options.dataDir = value;
            ++i;
        } else {
            return fail("unknown option " + arg);
        }
    }
    // The device turns, so the task bar must leave room in either orientation.
    const int shorterSide = std::min(options.screenWidth, options.screenHeight);
    if (options.taskBarHeight >= shorterSide)
        return fail("--task-bar must be less than the screen's shorter side (at most " +
                    std::to_string(shorterSide - 1) + " here)");
    if (options.headless && options.scriptPath.empty()) return fail("--headless needs --script FILE");
    if (!options.headless && (!options.scriptPath.empty() || options.minute >= 0 || options.date >= 0))
        return fail("--script, --minute and --date go with --headless");
    if (!options.exportHistory.empty() && options.headless) return fail("--export-history goes without --headless");
    return -1;
}

bool DoubleClickDetector::press(int x, int y, uint32_t now) {
    const bool isDouble = havePrevious && now - lastTime <= doubleClickMs && std::abs(x - lastX) <= slopPixels &&
                          std::abs(y - lastY) <= slopPixels;
    // A double click ends the pair: a third press starts a new one.
    havePrevious = !isDouble;
    lastX = x;
    lastY = y;
    lastTime = now;
    return isDouble;
}

}  // namespace platform
