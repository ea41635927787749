#pragma once
// What the whole-program fixtures share: a pinned font, a data root of the test's own, a fresh headless
// backend per run, and a teardown that leaves no global state behind for the next test.
#include "common/DataRootTest.h"
#include "common/PinnedFontTest.h"
#include "platform/headless/HeadlessBackend.h"
#include "render/DrawTarget.h"
#include "render/Rect.h"
#include "support/Sound.h"
#include "ui/Focus.h"
#include "ui/HitList.h"
#include "ui/Widget.h"

class HeadlessProgramTest : public DataRootTest {
protected:
    void SetUp() override {
        platform::pinFontFile(pinnedFontFile);
        soundOn = true;
        DataRootTest::SetUp();
    }
    void TearDown() override {
        clearHitList();
        resetFocus();
        setDrawTarget(nullptr, 0, 0);
        platform::resetHeadlessBackend();
        platform::pinFontFile("");
        soundOn = true;
        DataRootTest::TearDown();
    }

    // A fresh backend for one run of the program on this screen and this test's data root.
    // The minute seeds the program's generator (-1: the real UTC minute).
    platform::HeadlessBackend& useScreen(int width, int height, int minute = -1, int taskBar = 0) {
        platform::LaunchOptions options;
        options.screenWidth = width;
        options.screenHeight = height;
        options.minute = minute;
        options.taskBarHeight = taskBar;
        options.dataDir = root.string();
        platform::HeadlessBackend& backend = platform::resetHeadlessBackend(options);
        platform::setDataRoot(root.string());
        soundOn = true;  // as at the start of a fresh process
        return backend;
    }
};

// A widget's box as it was last laid out.
inline Rect boxOf(Widget& widget) {
    return {widget.x, widget.y, widget.x + widget.getWidth(), widget.y + widget.getHeight()};
}
