// Chooses the backend from the command line: the real SDL window, or the headless runner.
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "platform/common/LaunchOptions.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/sdl/SdlBackend.h"

namespace platform {

namespace {

std::string exportFile;

// A script bigger than this is no script (the longest lines and waits are limited too).
constexpr off_t largestScript = 16 * 1024 * 1024;

// Reads a script that is a readable regular file of a sane size; otherwise says why not.
bool readScript(const std::string& path, std::string& text, std::string& why) {
    struct stat info {};
    // "-" is standard input, which the runner reads as it comes.
    if (path != "-") {
        if (::stat(path.c_str(), &info) != 0) return why = "cannot read script", false;
        if (!S_ISREG(info.st_mode)) return why = "the script is not a regular file", false;
        if (info.st_size > largestScript) return why = "the script is larger than 16 MiB", false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return why = "cannot read script", false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

int startHeadless(LaunchOptions options) {
    // A program reading our output through a pipe sees each line as it is written.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    options.claimDataRoot = true;
    if (options.scriptPath == "-") {
        HeadlessBackend& backend = resetHeadlessBackend(options);
        backend.streamScript(std::cin);
        backend.setEcho(true);
        return -1;
    }
    std::string text, why;
    if (!readScript(options.scriptPath, text, why)) {
        std::fprintf(stderr, "vortellanox: %s: %s\n", why.c_str(), options.scriptPath.c_str());
        return 2;
    }
    std::vector<ScriptCommand> commands;
    std::string error;
    if (!parseScript(text, commands, error)) {
        std::fprintf(stderr, "vortellanox: %s: %s\n", options.scriptPath.c_str(), error.c_str());
        return 2;
    }
    HeadlessBackend& backend = resetHeadlessBackend(options);
    backend.setScript(std::move(commands));
    backend.setEcho(true);
    return -1;
}

}  // namespace

const std::string& historyExportFile() { return exportFile; }

int configureFromCommandLine(int argc, char** argv) {
    LaunchOptions options;
    const int status = parseCommandLine(argc, argv, options);
    if (status >= 0) return status;
    if (!options.dataDir.empty()) setDataRoot(options.dataDir);
    exportFile = options.exportHistory;
    if (!exportFile.empty()) return -1;  // the export needs no window; the program writes it and ends
    // Refused now rather than found out at the first save, when the player's results would be lost.
    if (const std::string problem = dataRootProblem(dataRoot()); !problem.empty()) {
        std::fprintf(stderr, "vortellanox: %s: %s\n", problem.c_str(), dataRoot().c_str());
        return 2;
    }
    if (options.headless) return startHeadless(options);
    setActiveBackend(std::make_unique<SdlBackend>(options));
    return -1;
}

}  // namespace platform
