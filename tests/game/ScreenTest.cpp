// The game screen as drawn: its arrangement by orientation, the panel labels, the clock's lights, the
// challenge's layout, and the keypad clear of everything else at every size that shows one.
#include "GameFixture.h"
#include "ui/Palette.h"

using ScreenTest = GameTest;

namespace {

std::string sizeName(int w, int h) { return std::to_string(w) + "x" + std::to_string(h); }

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// A panel's region with its label's line and a half above the panel.
Rect withLabel(const Rect& panel, int32_t lineStep) {
    return {panel.left, panel.top, panel.right, panel.bottom + lineStep + lineStep / 2};
}

bool inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

}  // namespace

TEST_F(ScreenTest, ArrangementAndNextLabelFollowTheOrientation) {
    struct Case {
        int w, h;
        bool landscape;
        const char16_t* nextLabel;
        Rect problemRegion;
        Rect status;
    };
    // The front-end's font has a line step of 13 pixels, 11 on the keypad phones.
    const Case cases[] = {
        {240, 320, false, u"Next", {0, 90, 240, 320}, {114, 26, 246, 90}},
        {320, 240, true, u"Next Problem", {160, 26, 320, 240}, {0, 110, 160, 214}},
        {240, 240, false, u"Next", {0, 90, 240, 240}, {114, 26, 246, 90}},
        {176, 220, false, u"Next", {0, 76, 176, 220}, {83, 22, 181, 76}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(sizeName(c.w, c.h));
        startPlaying(c.w, c.h);
        frame();
        const GameLayout& layout = game->currentLayout();
        EXPECT_EQ(layout.landscape, c.landscape);
        EXPECT_EQ(layout.problemRegion, c.problemRegion);
        EXPECT_EQ(layout.status, c.status);

        // The label is measured from the frame: dark pixels in its row, around the "Next" panel.
        const int32_t l = layout.lineStep;
        // It is centred over its panel unless that would take it past the middle of a landscape screen.
        const int32_t labelWidth = game->arcadeFont->textWidth(c.nextLabel);
        const int32_t centred = layout.nextPanel.left + layout.nextPanel.width() / 2 - labelWidth / 2;
        const int32_t expectedLeft = std::min(centred, layout.labelLimit - labelWidth - 1);
        const Rect row{expectedLeft - 4, layout.nextPanel.top, expectedLeft + labelWidth + 4, layout.nextPanel.top + l};
        const auto [left, right] = darkColumns(row);
        EXPECT_NEAR(right - left + 1, labelWidth, 3);
        EXPECT_LT(right, layout.labelLimit) << "the label stays on its side of the screen";
    }
}

TEST_F(ScreenTest, KeypadPhonesHaveNoKeypadAndTheFullSizeProblem) {
    startPlaying(176, 220);
    frame();
    EXPECT_FALSE(game->currentLayout().keypadShown);
    for (const Button& k : game->keypad.keys) EXPECT_FALSE(isInHitList(k));
    ASSERT_TRUE(game->bigFont);
    EXPECT_EQ(game->currentLayout().problemFontSize, 36);
    EXPECT_TRUE(isInHitList(game->answerArea));
}

TEST_F(ScreenTest, LightsFollowTheSecondsLeftAndBlinkAtTheEnd) {
    startPlaying(240, 320);
    const GameLayout& layout = game->currentLayout();
    const int32_t l = layout.lineStep;
    const int32_t w = layout.timePanel.width();
    const int32_t size = w / 4;
    const int32_t margin = w / 16;
    const int32_t top = layout.timePanel.top + l + l / 2 + layout.timePanel.height() - size - margin;
    const auto light = [&](int i) {
        return pixel(layout.timePanel.left + margin + i * (size + margin) + size / 2, top + size / 2);
    };
    const uint16_t green = rgbTo565(0x0000FF00);
    const uint16_t yellow = rgbTo565(0x0000FFFF);
    const uint16_t red = rgbTo565(0x000000FF);
    const uint16_t white = rgbTo565(0x00FFFFFF);

    frame();
    EXPECT_EQ(light(0), green);
    EXPECT_EQ(light(1), yellow) << "30 seconds";
    EXPECT_EQ(light(2), white);

    game->clock.startClock(12, 60);
    frame();
    EXPECT_EQ(light(0), yellow);
    EXPECT_EQ(light(1), white);
    EXPECT_EQ(light(2), white);

    game->clock.startClock(4, 60);
    int redFrames = 0;
    int whiteFrames = 0;
    for (int i = 0; i < 20; ++i) {
        frame();
        EXPECT_EQ(light(0), light(1));
        EXPECT_EQ(light(1), light(2));
        redFrames += light(0) == red ? 1 : 0;
        whiteFrames += light(0) == white ? 1 : 0;
    }
    EXPECT_EQ(redFrames, 10) << "half a second of 20 frames, changing every 250 ms";
    EXPECT_EQ(whiteFrames, 10);
}

TEST_F(ScreenTest, TheChallengeReplacesTheNextPanelAndTheStatusLines) {
    startPlaying(240, 320);
    const GameLayout& layout = game->currentLayout();
    const Rect nextPanel = withLabel(layout.nextPanel, layout.lineStep);
    EXPECT_GT(countPixels(nextPanel, paletteLightRed), 0);
    EXPECT_FALSE(isInHitList(game->skipButton));

    answerUpTo(11);
    pose(48, OpMultiplication, 2);
    frame();
    ASSERT_TRUE(game->challengeActive);
    EXPECT_EQ(countPixels(nextPanel, paletteLightRed), 0) << "no preview of what follows the challenge";
    // Where the "Next" panel was, since the line may reach left of the status region to stay on screen.
    const Rect statusOnScreen{layout.nextPanel.left, layout.status.top, 240, layout.status.bottom};
    const auto [left, right] = darkColumns(statusOnScreen);
    EXPECT_NEAR(right - left + 1, game->arcadeFont->textWidth(u"Challenge Problem"), 3);
    EXPECT_LT(right, 240);

    // "Skip (#)" stands on the answer line, inside the problem's area, until a digit is typed.
    ASSERT_TRUE(isInHitList(game->skipButton));
    Button& skip = game->skipButton;
    EXPECT_TRUE(inside(Rect{skip.x, skip.y, skip.x + skip.getWidth(), skip.y + skip.getHeight()}, layout.problemArea));
    key('9');
    frame();
    EXPECT_FALSE(isInHitList(game->skipButton));
    EXPECT_EQ(game->answerText, u"9");

    tap(game->answerArea);
    frames(2);
    ASSERT_TRUE(game->answerText.empty());
    tap(game->skipButton);
    frames(2);
    EXPECT_EQ(game->level, 2);
    EXPECT_FALSE(game->challengeActive);
}

// Wherever a keypad is shown, the panels, the status lines, the problem with its answer line and the
// keys all fit on the screen without covering each other, and the keys are big enough to hit.
TEST_F(ScreenTest, TheKeypadFitsBesideEverythingElse) {
    struct Case {
        int w, h;
        int32_t minimumKey;
    };
    for (const Case& c : {Case{240, 320, 28}, Case{320, 240, 28}, Case{240, 240, 28}, Case{480, 640, 56},
                          Case{640, 480, 56}, Case{320, 480, 37}}) {
        SCOPED_TRACE(sizeName(c.w, c.h));
        startPlaying(c.w, c.h);
        frame();
        const GameLayout& layout = game->currentLayout();
        ASSERT_TRUE(layout.keypadShown);
        const Rect screen{0, 0, c.w, c.h};
        const int32_t l = layout.lineStep;
        const Rect panels[] = {withLabel(layout.timePanel, l), withLabel(layout.nextPanel, l)};
        const Rect status =
            layout.landscape ? layout.status : Rect{layout.status.left, layout.status.top, c.w, layout.status.bottom};

        EXPECT_TRUE(inside(layout.keypad, screen));
        EXPECT_TRUE(inside(layout.problemArea, screen));
        for (const Rect& other : {panels[0], panels[1], status, layout.problemArea, layout.softKeyBar}) {
            EXPECT_FALSE(overlap(layout.keypad, other));
        }
        for (const Rect& other : {panels[0], panels[1], status, layout.softKeyBar}) {
            EXPECT_FALSE(overlap(layout.problemArea, other));
        }
        if (layout.landscape) {
            EXPECT_FALSE(overlap(panels[1], status));
        }

        // The problem, with an answer of up to five digits, fits its area in the font it is drawn in.
        ASSERT_TRUE(game->bigFont);
        EXPECT_TRUE(problemFits(layout.problemArea, game->bigFont->ascent(), game->bigFont->charWidth('0'), l));

        int drawnKeys = 0;
        for (const Button& k : game->keypad.keys) {
            if (!isInHitList(k)) continue;
            ++drawnKeys;
            EXPECT_GE(k.height, c.minimumKey);
            EXPECT_TRUE(inside(Rect{k.x, k.y, k.x + k.width, k.y + k.height}, layout.keypad));
        }
        EXPECT_EQ(drawnKeys, 10) << "nine digits and one long zero";
    }
}

TEST_F(ScreenTest, TurningTheDeviceRelabelsTheKeypad) {
    startPlaying(240, 320);
    EXPECT_EQ(game->keypad.rows, 3);
    EXPECT_EQ(game->keypad.key(3).text, u"0");
    backend->rotate();
    frames(3);
    EXPECT_EQ(game->width, 320);
    EXPECT_EQ(game->keypad.rows, 4);
    EXPECT_EQ(game->keypad.key(3).text, u"4");
    EXPECT_EQ(game->keypad.key(9).text, u"0");
    EXPECT_TRUE(game->currentLayout().landscape);
    EXPECT_TRUE(isInHitList(game->keypad.key(9)));
}
