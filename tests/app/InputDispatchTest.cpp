// Keys after the keypad translation, and the stylus at the widgets and at the application.
#include "RecordingApp.h"
#include "ui/Widget.h"

using namespace platform;

namespace {

// A widget covering the whole client area that logs what the widget layer tells it.
class LoggingWidget : public Widget {
public:
    explicit LoggingWidget(std::vector<std::string>& log) : log(log) {}
    void draw() override {
        setSize(targetWidth(), targetHeight());
        registerForInput();
    }
    void onPress(const Point&) override { log.push_back("press"); }
    void onClick(const Point&) override { log.push_back("click"); }

private:
    std::vector<std::string>& log;
};

// The keys the application received for these key presses, down and up.
std::vector<std::string> keysSeen(const RecordingApp& app) {
    std::vector<std::string> keys;
    for (const std::string& entry : app.calls())
        if (entry.starts_with("key")) keys.push_back(entry);
    return keys;
}

std::vector<std::string> downsAndUps(std::initializer_list<int> codes) {
    std::vector<std::string> out;
    for (int code : codes) {
        out.push_back("keydown " + std::to_string(code));
        out.push_back("keyup " + std::to_string(code));
    }
    return out;
}

}  // namespace

using InputDispatch = AppTest;

// With NumLock the keypad's digits and operators arrive as their characters; without it they pass
// unchanged. Top-row digits and other keys are never touched.
TEST_F(InputDispatch, NumLockTranslatesOnlyTheKeypad) {
    const uint32_t pressed[] = {VK_NUMPAD0 + 7, VK_DIVIDE, VK_NUMPAD0, VK_NUMPAD9, VK_MULTIPLY, VK_DECIMAL, '0', '9',
                                VK_RETURN,      VK_UP,     VK_F8};
    for (bool numLock : {true, false}) {
        SCOPED_TRACE(numLock ? "NumLock on" : "NumLock off");
        HeadlessBackend& backend = useScreen(240, 320);
        backend.setNumLock(numLock);
        for (uint32_t key : pressed) backend.pushKey(key);
        RecordingApp app;
        runScript(app, "");
        const auto expected = numLock ? downsAndUps({55, 47, 48, 57, 42, 46, 48, 57, 13, 38, 119})
                                      : downsAndUps({103, 111, 96, 105, 106, 110, 48, 57, 13, 38, 119});
        EXPECT_EQ(keysSeen(app), expected);
    }
}

// A quick second tap on the same spot: where double clicks count as presses (the front-end), the
// widgets see two whole clicks and onDoubleClick is never called; otherwise the second press is a
// double click that the widgets never see.
TEST_F(InputDispatch, DoubleTapIsTwoClicksUnlessDoubleClicksAreDistinguished) {
    for (bool distinguish : {false, true}) {
        SCOPED_TRACE(distinguish ? "double clicks distinguished" : "double clicks are presses");
        HeadlessBackend& backend = useScreen(240, 320);
        backend.pushTap(20, 20);
        backend.pushTap(22, 21);
        RecordingApp app;
        app.distinguishDoubleClick = distinguish;
        std::vector<std::string> widgetLog;
        LoggingWidget widget(widgetLog);
        app.duringFrame = [&](int) { widget.draw(); };
        runScript(app, "");

        if (distinguish) {
            EXPECT_EQ(widgetLog, (std::vector<std::string>{"press", "click"}));
            EXPECT_EQ(app.calls(), (std::vector<std::string>{"start", "down 20,20", "up 20,20", "double 22,21",
                                                             "up 22,21", "exit"}));
            EXPECT_FALSE(app.pointerHeld);
        } else {
            EXPECT_EQ(widgetLog, (std::vector<std::string>{"press", "click", "press", "click"}));
            EXPECT_EQ(app.calls(),
                      (std::vector<std::string>{"start", "down 20,20", "up 20,20", "down 22,21", "up 22,21", "exit"}));
        }
    }
}

// Taps apart in time or place are never a double click, and a third quick tap starts a new pair.
TEST_F(InputDispatch, OnlyACloseSecondTapIsADoubleClick) {
    HeadlessBackend& backend = useScreen(240, 320);
    RecordingApp app;
    runScript(app, "tap 50 50\nwait 501\ntap 50 50\ntap 55 50\ntap 55 50\ntap 55 50\ntap 56 51\n");
    const std::vector<std::string> expected = {"start",      "down 50,50",   "up 50,50",     "down 50,50", "up 50,50",
                                               "down 55,50", "up 55,50",     "double 55,50", "up 55,50",   "down 55,50",
                                               "up 55,50",   "double 56,51", "up 56,51",     "exit"};
    EXPECT_EQ(app.calls(), expected);
    EXPECT_EQ(backend.frameWidth(), 240);
}
