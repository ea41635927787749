#pragma once
// What a backend supplies. The free functions of Platform.h forward to the active backend; the
// services both backends share (resources, fonts, files, the browser) live beside this file.
#include <memory>

#include "platform/Platform.h"

namespace platform {

class Backend {
public:
    virtual ~Backend() = default;

    virtual WindowResult createWindow(const std::u16string& className, const std::u16string& title, int iconId,
                                      WindowProcedure procedure) = 0;
    virtual bool peekMessage(Message& message) = 0;
    virtual bool getMessage(Message& message) = 0;
    virtual void postQuitMessage(int exitCode) = 0;

    virtual int screenWidth() = 0;
    virtual int screenHeight() = 0;
    virtual int workAreaTop() = 0;
    virtual int windowHeight() = 0;
    virtual void moveWindow(int width, int height) = 0;
    virtual void present(const uint16_t* pixels, int width, int height) = 0;

    virtual uint32_t tickCount() = 0;
    virtual SystemTime systemTimeUtc() = 0;
    virtual int64_t utcMilliseconds();  // the host's clock
    virtual void sleepMs(uint32_t milliseconds) = 0;

    virtual void messageBox(const std::u16string& text, const std::u16string& title) = 0;
    virtual bool openUrl(const std::u16string& address) = 0;
    virtual void playSound(int resourceId, uint32_t flags) = 0;
    virtual void logEvent(std::string_view) {}

    // Exit status once the program has run (the headless runner reports script failures here).
    virtual int finish() { return 0; }
};

// The backend chosen at start-up.
Backend& activeBackend();
void setActiveBackend(std::unique_ptr<Backend> backend);

// The window procedure the program registered with createWindow.
WindowProcedure registeredProcedure();
void registerProcedure(WindowProcedure procedure);

const AnswerQuery& registeredAnswerQuery();

// UTF-16 to UTF-8 for the host's APIs (unpaired surrogates become U+FFFD).
std::string toUtf8(const std::u16string& text);

}  // namespace platform
