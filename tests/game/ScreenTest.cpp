// The game screen as drawn: the clock's lights, the challenge's layout, and the keypad clear of everything
// else wherever it is shown.
#include "GameFixture.h"
#include "ui/Palette.h"

namespace {

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
bool inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

class ScreenTest : public GameTest {
protected:
    const GameLayout& layout() const { return game->play.layout(); }
    // A panel's region and its label's line and a half above it.
    Rect withLabel(const Rect& panel) const {
        const int32_t l = layout().lineStep;
        return {panel.left, panel.top, panel.right, panel.bottom + l + l / 2};
    }
    int count(const Rect& r, Rgb colour) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += backend->lastFrame()[y * backend->frameWidth() + x] == rgbTo565(colour);
        return n;
    }
    bool isInHitList(const Widget& widget) const {
        for (int32_t i = 0; i < hitListCount(); ++i)
            if (hitListEntry(i) == &widget) return true;
        return false;
    }
};

}  // namespace

TEST_F(ScreenTest, LightsFollowTheSecondsLeftAndBlinkAtTheEnd) {
    startPlaying(240, 320);
    const Rect panel = withLabel(layout().timePanel);
    game->round.clock().startClock(12, 60);
    frame();
    const int oneLight = count(panel, 0x0000FFFF);  // yellow
    EXPECT_GT(oneLight, 0) << "the left light is yellow";
    EXPECT_EQ(count(panel, paletteGreen) + count(panel, paletteRed), 0) << "the others are out";

    game->round.clock().startClock(4, 60);
    int redFrames = 0;
    for (int i = 0; i < 20; ++i) {
        frame();
        const int red = count(panel, paletteRed);
        EXPECT_TRUE(red == 0 || red == 3 * oneLight) << "all three blink together";
        redFrames += red > 0;
    }
    EXPECT_EQ(redFrames, 10) << "changing every 250 ms";
}

TEST_F(ScreenTest, TheChallengeReplacesTheNextPanelAndOffersASkipUntilADigitIsTyped) {
    startPlaying(240, 320);
    const Rect next = withLabel(layout().nextPanel);
    EXPECT_GT(count(next, paletteLightRed), 0);
    answerUntil(&ProblemGenerator::isChallenge);
    pose(48, OpMultiplication, 2);
    frame();
    EXPECT_EQ(count(next, paletteLightRed), 0);

    Button& skip = game->play.skipButton;
    ASSERT_TRUE(isInHitList(skip));
    EXPECT_TRUE(inside(boxOf(skip), layout().problemArea));
    key('9');
    frame();
    EXPECT_FALSE(isInHitList(skip)) << "gone once a digit is typed";
}

// Wherever a keypad is shown, the panels, the status lines, the problem with its answer line and the keys fit
// on the screen without covering each other, and the keys are big enough to hit; after a turn the keypad
// takes the new screen's shape.
TEST_F(ScreenTest, TheKeypadFitsClearOfEverythingElseAndFollowsTheScreen) {
    const int screens[][3] = {{240, 320, 28}, {320, 240, 28}, {240, 240, 28},
                              {480, 640, 56}, {640, 480, 56}, {176, 220, 0}};
    for (const auto& [w, h, minimumKey] : screens) {
        SCOPED_TRACE(w * 1000 + h);
        startPlaying(w, h);
        frame();
        ASSERT_EQ(layout().keypadShown, w != 176) << "the keypad phones have keys of their own";
        if (!layout().keypadShown) continue;
        const Rect status{layout().status.left, layout().status.top, std::min(layout().status.right, w),
                          layout().status.bottom};
        EXPECT_TRUE(inside(layout().keypad, {0, 0, w, h}));
        EXPECT_FALSE(overlap(layout().keypad, layout().problemArea));
        for (const Rect& other :
             {withLabel(layout().timePanel), withLabel(layout().nextPanel), status, layout().softKeyBar})
            EXPECT_FALSE(overlap(layout().keypad, other) || overlap(layout().problemArea, other));
        const Font& font = *game->play.bigFont;
        EXPECT_TRUE(problemFits(layout().problemArea, font.ascent(), font.charWidth('0'), layout().lineStep));
        int drawn = 0;
        for (Button& k : game->play.keypad.keys) {
            if (!isInHitList(k)) continue;
            ++drawn;
            EXPECT_GE(k.height, minimumKey);
            EXPECT_TRUE(inside(boxOf(k), layout().keypad));
        }
        EXPECT_EQ(drawn, 10) << "nine digits and one long zero";
    }

    startPlaying(640, 480);
    backend->rotate();
    frames(2);
    EXPECT_EQ(game->play.keypad.rows, 3);
    EXPECT_TRUE(isInHitList(game->play.keypad.key(3))) << "the tall zero of the right column";
}
