// The free functions of the platform contract, forwarded to the backend chosen at start-up.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/common/Backend.h"

namespace platform {

namespace {
std::unique_ptr<Backend> backend;
WindowProcedure procedure = nullptr;
AnswerQuery answerQuery;
bool failed = false;
}  // namespace

Backend& activeBackend() {
    if (!backend) {
        // A program that forgot to choose a backend would otherwise fail somewhere far from the cause.
        std::fputs("vortellanox: no platform backend was chosen\n", stderr);
        std::abort();
    }
    return *backend;
}
void setActiveBackend(std::unique_ptr<Backend> chosen) {
    backend = std::move(chosen);
    failed = false;  // a new run has failed at nothing yet
}

WindowProcedure registeredProcedure() { return procedure; }
void registerProcedure(WindowProcedure windowProcedure) { procedure = windowProcedure; }

WindowResult createWindow(const std::u16string& className, const std::u16string& title, int iconId,
                          WindowProcedure windowProcedure) {
    registerProcedure(windowProcedure);
    const WindowResult result = activeBackend().createWindow(className, title, iconId, windowProcedure);
    // A program that could not open its window has failed to start.
    if (result == WindowResult::ClassRegistrationFailed || result == WindowResult::CreationFailed) noteFailure();
    return result;
}
bool peekMessage(Message& message) { return activeBackend().peekMessage(message); }
bool getMessage(Message& message) { return activeBackend().getMessage(message); }
intptr_t dispatchMessage(const Message& message) {
    if (!procedure) return defaultWindowProcedure(message);
    return procedure(message.message, message.wParam, message.lParam);
}
intptr_t defaultWindowProcedure(const Message&) { return 0; }
void postQuitMessage(int exitCode) { activeBackend().postQuitMessage(exitCode); }

int screenWidth() { return activeBackend().screenWidth(); }
int screenHeight() { return activeBackend().screenHeight(); }
int workAreaTop() { return activeBackend().workAreaTop(); }
int windowHeight() { return activeBackend().windowHeight(); }
void moveWindow(int width, int height) { activeBackend().moveWindow(width, height); }
void present(const uint16_t* pixels, int width, int height) { activeBackend().present(pixels, width, height); }

uint32_t tickCount() { return activeBackend().tickCount(); }
SystemTime systemTimeUtc() { return activeBackend().systemTimeUtc(); }
int64_t utcMilliseconds() { return activeBackend().utcMilliseconds(); }
int64_t Backend::utcMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}
void sleepMs(uint32_t milliseconds) { activeBackend().sleepMs(milliseconds); }

void messageBox(const std::u16string& text, const std::u16string& title) { activeBackend().messageBox(text, title); }
bool openUrl(const std::u16string& address) { return activeBackend().openUrl(address); }
void playSound(int resourceId, uint32_t flags) { activeBackend().playSound(resourceId, flags); }
void logEvent(std::string_view line) { activeBackend().logEvent(line); }

int shutdown() {
    int status = backend ? backend->finish() : 0;
    backend.reset();
    if (failed && status == 0) status = 1;
    failed = false;
    return status;
}

void noteFailure() { failed = true; }

void reportFailure(const std::u16string& text) {
    std::fprintf(stderr, "vortellanox: %s\n", toUtf8(text).c_str());
    noteFailure();
}

void setAnswerQuery(AnswerQuery query) { answerQuery = std::move(query); }
const AnswerQuery& registeredAnswerQuery() { return answerQuery; }

std::string toUtf8(const std::u16string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace platform
