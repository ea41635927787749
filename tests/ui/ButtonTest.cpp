// Buttons, check boxes and links: a button's width by the font, their colours and latches under the stylus, and
// what a tap or a key does with them.
#include "WidgetFixture.h"
#include "platform/headless/HeadlessBackend.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/LinkLabel.h"
#include "ui/Palette.h"

namespace {

using ButtonTest = WidgetTest;

// A width set before the font is known is kept; once there is one, the text is never cut.
TEST_F(ButtonTest, LatchesAndColoursFollowTheStylusEvenWhenHiddenAndTheTextIsNeverCut) {
    Button button;
    button.text = u"Highscores (3)";
    button.setWidth(10);
    EXPECT_EQ(button.getWidth(), 10);
    const int32_t textWidth = useFontWithAscent(13).textWidth(button.text);
    button.setWidth(10);
    EXPECT_EQ(button.getWidth(), textWidth);

    button.draw();
    EXPECT_EQ(pixel(0, 0), stored(inkColour));
    press(2, 2);
    button.draw();
    EXPECT_EQ(std::pair(pixel(0, 0), pixel(2, 2)), std::pair(stored(paletteGreen), stored(paletteLightGreen)));
    release(200, 20);  // lifted elsewhere: pressed, never clicked
    EXPECT_FALSE(button.takeClickLatch());
    EXPECT_TRUE(button.takeDownLatch());
    EXPECT_FALSE(button.takeDownLatch());

    button.hidden = true;
    useTarget(240, 160);
    clearHitList();
    button.draw();
    EXPECT_EQ(changedPixels(), 0u);
    tap(2, 2);
    EXPECT_FALSE(button.takeDownLatch());  // the click replaced it
    EXPECT_TRUE(button.takeClickLatch());
}

TEST_F(ButtonTest, CheckBoxTogglesOnReleaseInsideTheBox) {
    CheckBox box;
    box.text = u"Sound On (1)";
    useFontWithAscent(13);
    box.draw();
    tap(5, 5);  // nothing bound yet
    bool flag = false;
    box.bindFlag(&flag);
    press(5, 5);
    EXPECT_FALSE(flag);
    release(5, 5);
    EXPECT_TRUE(flag);
    press(5, 5), release(100, 100);
    tap(box.getWidth() + 5, 5);  // on the label
    EXPECT_TRUE(flag);
}

// Held, the underline turns green; inactive (where the screen is too small to aim at it) it takes no tap,
// but a key still opens it.
TEST_F(ButtonTest, ALinkOpensItsAddressByTapOnlyWhenActive) {
    platform::HeadlessBackend& backend = platform::resetHeadlessBackend();
    LinkLabel link;
    link.text = u"example.org (4)";
    link.address = u"https://example.org/";
    link.active = true;
    const int32_t underline = useFontWithAscent(13).ascent();
    link.draw();
    press(2, 2);
    link.draw();
    EXPECT_EQ(pixel(0, underline), stored(paletteGreen));
    release(2, 2);

    link.active = false;
    clearHitList();
    link.draw();
    EXPECT_EQ(pixel(link.getWidth(), underline), stored(inkColour));
    tap(2, 2);
    EXPECT_TRUE(link.openLink());
    EXPECT_EQ(backend.openedAddresses(), std::vector<std::u16string>(2, u"https://example.org/")) << "tap, key";
}

}  // namespace
