// The stylus at the widgets and at the application.
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

}  // namespace

using InputDispatch = AppTest;

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
