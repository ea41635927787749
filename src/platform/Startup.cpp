// Chooses the backend from the command line: the real SDL window, or the headless runner.
#include <fstream>
#include <sstream>

#include "platform/common/LaunchOptions.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/sdl/SdlBackend.h"

namespace platform {

namespace {

bool readWholeFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

int startHeadless(const LaunchOptions& options) {
    std::string text;
    if (!readWholeFile(options.scriptPath, text)) {
        std::fprintf(stderr, "vortellanox: cannot read script %s\n", options.scriptPath.c_str());
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

int configureFromCommandLine(int argc, char** argv) {
    LaunchOptions options;
    const int status = parseCommandLine(argc, argv, options);
    if (status >= 0) return status;
    if (!options.dataDir.empty()) setDataRoot(options.dataDir);
    if (options.headless) return startHeadless(options);
    setActiveBackend(std::make_unique<SdlBackend>(options));
    return -1;
}

}  // namespace platform
