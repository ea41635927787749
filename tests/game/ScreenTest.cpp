// The game screen as drawn: its arrangement by orientation, the "Next" label, the clock's lights, the
// challenge's layout, and the keypad clear of everything else wherever it is shown.
#include "GameFixture.h"
#include "ui/Palette.h"

using ScreenTest = GameTest;

namespace {

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
bool inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}
// A panel's region and its label's line and a half.
Rect withLabel(const Rect& panel, int32_t l) { return {panel.left, panel.top, panel.right, panel.bottom + l + l / 2}; }

}  // namespace

TEST_F(ScreenTest, ArrangementAndNextLabelFollowTheOrientation) {
    struct Case {
        int w, h;
        const char16_t* label;
        Rect problemRegion, status;
    };
    // The front-end's font steps 13 pixels a line, 11 on the keypad phones.
    for (const Case& c : {Case{240, 320, u"Next", {0, 90, 240, 320}, {114, 26, 246, 90}},
                          Case{320, 240, u"Next Problem", {160, 26, 320, 240}, {0, 110, 160, 214}},
                          Case{240, 240, u"Next", {0, 90, 240, 240}, {114, 26, 246, 90}},
                          Case{176, 220, u"Next", {0, 76, 176, 220}, {83, 22, 181, 76}}}) {
        SCOPED_TRACE(c.w);
        startPlaying(c.w, c.h);
        frame();
        const GameLayout& layout = game->currentLayout();
        EXPECT_EQ(layout.problemRegion, c.problemRegion);
        EXPECT_EQ(layout.status, c.status);
        EXPECT_EQ(layout.keypadShown, c.w != 176) << "the keypad phones have keys of their own";
        EXPECT_EQ(game->keypad.rows, c.h > c.w ? 3 : 4);

        // Centred over its panel, unless that would take it past the middle of a landscape screen.
        const int32_t width = game->arcadeFont->textWidth(c.label);
        const Rect& panel = layout.nextPanel;
        const int32_t left = std::min(panel.left + panel.width() / 2 - width / 2, layout.labelLimit - width - 1);
        EXPECT_NEAR(darkWidth({left - 4, panel.top, left + width + 4, panel.top + layout.lineStep}), width, 3);
    }
    EXPECT_EQ(game->currentLayout().problemFontSize, 36);
}

TEST_F(ScreenTest, LightsFollowTheSecondsLeftAndBlinkAtTheEnd) {
    startPlaying(240, 320);
    const Rect& panel = game->currentLayout().timePanel;
    const int32_t size = panel.width() / 4;
    const int32_t margin = panel.width() / 16;
    const int32_t centreY = panel.bottom + 13 + 6 - margin - size / 2;
    const auto light = [&](int i) { return pixel(panel.left + margin + i * (size + margin) + size / 2, centreY); };
    const uint16_t yellow = rgbTo565(0x0000FFFF), red = rgbTo565(0x000000FF), white = rgbTo565(0x00FFFFFF);

    game->clock.startClock(12, 60);
    frame();
    EXPECT_EQ(light(0), yellow);
    EXPECT_EQ(light(1), white);
    EXPECT_EQ(light(2), white);

    game->clock.startClock(4, 60);
    std::vector<uint16_t> seen;
    for (int i = 0; i < 20; ++i) {
        frame();
        EXPECT_TRUE(light(0) == light(1) && light(1) == light(2));
        seen.push_back(light(0));
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), red), 10) << "changing every 250 ms";
    EXPECT_EQ(std::count(seen.begin(), seen.end(), white), 10);
}

TEST_F(ScreenTest, TheChallengeReplacesTheNextPanelAndTheStatusLines) {
    startPlaying(240, 320);
    const GameLayout& layout = game->currentLayout();
    const Rect next = withLabel(layout.nextPanel, layout.lineStep);
    const auto lightRedIn = [&](const Rect& r) {
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) count += pixel(x, y) == rgbTo565(paletteLightRed);
        return count;
    };
    EXPECT_GT(lightRedIn(next), 0);
    answerUpTo(11);
    pose(48, OpMultiplication, 2);
    frame();
    EXPECT_EQ(lightRedIn(next), 0);
    // The line keeps clear of the screen's edge, reaching left where the "Next" panel was.
    EXPECT_NEAR(darkWidth({next.left, layout.status.top, 240, layout.status.bottom}),
                game->arcadeFont->textWidth(u"Challenge Problem"), 3);

    ASSERT_TRUE(isInHitList(game->skipButton));
    EXPECT_TRUE(inside(boxOf(game->skipButton), layout.problemArea));
    key('9');
    frame();
    EXPECT_FALSE(isInHitList(game->skipButton)) << "gone once a digit is typed";
    key(platform::VK_BACK);
    frame();
    tap(game->skipButton);
    frames(2);
    EXPECT_EQ(game->level, 2);
}

// Wherever a keypad is shown, the panels, the status lines, the problem with its answer line and the
// keys fit on the screen without covering each other, and the keys are big enough to hit.
TEST_F(ScreenTest, TheKeypadFitsBesideEverythingElse) {
    struct Case {
        int w, h, minimumKey;
    };
    for (const Case& c :
         {Case{240, 320, 28}, Case{320, 240, 28}, Case{240, 240, 28}, Case{480, 640, 56}, Case{640, 480, 56}}) {
        SCOPED_TRACE(c.w);
        startPlaying(c.w, c.h);
        frame();
        const GameLayout& layout = game->currentLayout();
        const int32_t l = layout.lineStep;
        const Rect status{layout.status.left, layout.status.top, std::min(layout.status.right, c.w),
                          layout.status.bottom};
        const Rect others[] = {withLabel(layout.timePanel, l), withLabel(layout.nextPanel, l), status,
                               layout.softKeyBar};
        EXPECT_TRUE(inside(layout.keypad, {0, 0, c.w, c.h}));
        EXPECT_FALSE(overlap(layout.keypad, layout.problemArea));
        for (const Rect& other : others)
            EXPECT_FALSE(overlap(layout.keypad, other) || overlap(layout.problemArea, other));
        EXPECT_TRUE(problemFits(layout.problemArea, game->bigFont->ascent(), game->bigFont->charWidth('0'), l));

        int drawn = 0;
        for (Button& k : game->keypad.keys) {
            if (!isInHitList(k)) continue;
            ++drawn;
            EXPECT_GE(k.height, c.minimumKey);
            EXPECT_TRUE(inside(boxOf(k), layout.keypad));
        }
        EXPECT_EQ(drawn, 10) << "nine digits and one long zero";
    }

    backend->rotate();  // 480 x 640
    frames(2);
    EXPECT_EQ(game->keypad.rows, 3);
    EXPECT_EQ(game->keypad.key(3).text, u"0");
    EXPECT_TRUE(isInHitList(game->keypad.key(3)));
}
