// The stylus at the widgets and at the application.
#include "RecordingApp.h"
#include "ui/Widget.h"

using namespace platform;

namespace {

// A widget covering the whole client area that logs what the widget layer tells it.
class LoggingWidget : public Widget {
public:
    void draw() override {
        setSize(targetWidth(), targetHeight());
        registerForInput();
    }
    void onPress(const Point&) override { log.push_back("press"); }
    void onClick(const Point&) override { log.push_back("click"); }

    std::vector<std::string> log;
};

}  // namespace

using InputDispatch = AppTest;

// Only a quick second tap close by is a double click; taps apart in time or place are not, and a third
// quick tap starts a new pair. Where double clicks count as presses (the front-end), the widgets see
// whole clicks and onDoubleClick is never called; otherwise the double click reaches onDoubleClick and
// the widgets never see it.
TEST_F(InputDispatch, ACloseSecondTapIsADoubleClickOrTwoClicks) {
    for (const bool distinguish : {true, false}) {
        SCOPED_TRACE(distinguish ? "double clicks distinguished" : "double clicks are presses");
        useScreen(240, 320);
        RecordingApp app;
        app.distinguishDoubleClick = distinguish;
        LoggingWidget widget;
        app.duringFrame = [&](int) { widget.draw(); };
        start(app);
        tap(50, 50);
        waitMs(525);
        for (const auto& [x, y] : {std::pair{50, 50}, {55, 50}, {55, 50}, {55, 50}, {56, 51}}) {
            tap(x, y);
            frame();
        }
        const std::string second = distinguish ? "double" : "down";
        EXPECT_EQ(app.trace(false), "start, down 50,50, up 50,50, down 50,50, up 50,50, down 55,50, up 55,50, " +
                                        second + " 55,50, up 55,50, down 55,50, up 55,50, " + second +
                                        " 56,51, up 56,51");
        std::vector<std::string> clicks;  // a press and a click for each tap the widgets see
        for (int i = 0; i < (distinguish ? 4 : 6); ++i) clicks.insert(clicks.end(), {"press", "click"});
        EXPECT_EQ(widget.log, clicks);
        EXPECT_FALSE(app.pointerHeld);
    }
}
