#include "WidgetFixture.h"
#include "platform/headless/HeadlessBackend.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/LinkLabel.h"
#include "ui/Palette.h"

namespace {

using ButtonTest = WidgetTest;

TEST_F(ButtonTest, NeverNarrowerThanItsTextOnceThereIsAFont) {
    Button button;
    button.text = u"Highscores (3)";
    button.setWidth(10);
    EXPECT_EQ(button.getWidth(), 10);  // no font yet
    const int32_t textWidth = useFontWithAscent(13).textWidth(button.text);
    button.setWidth(10);
    EXPECT_EQ(button.getWidth(), textWidth);
}

TEST_F(ButtonTest, LatchesAndColoursFollowTheStylusEvenWhenHidden) {
    Button button;
    button.draw();
    EXPECT_EQ(pixel(0, 0), stored(inkColour));
    press(20, 20);
    button.draw();
    EXPECT_EQ(pixel(0, 0), stored(paletteGreen));
    EXPECT_EQ(pixel(2, 2), stored(paletteLightGreen));
    release(200, 20);  // lifted elsewhere: pressed, never clicked
    EXPECT_FALSE(button.takeClickLatch());
    EXPECT_TRUE(button.takeDownLatch());
    EXPECT_FALSE(button.takeDownLatch());

    button.hidden = true;
    useTarget(240, 160);
    clearHitList();
    button.draw();
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), background), std::ssize(pixels));
    tap(20, 20);
    EXPECT_FALSE(button.takeDownLatch());  // the click replaced it
    EXPECT_TRUE(button.takeClickLatch());
}

TEST_F(ButtonTest, CheckBoxTogglesOnReleaseInsideTheBoxOnly) {
    useFontWithAscent(13);
    bool flag = false;
    CheckBox box;
    box.text = u"Sound On (1)";
    box.draw();
    tap(5, 5);  // nothing bound yet
    box.bindFlag(&flag);
    press(5, 5);
    EXPECT_FALSE(flag);
    release(5, 5);
    EXPECT_TRUE(flag);
    press(5, 5), release(100, 100);
    tap(box.getWidth() + 5, 5);  // on the label
    EXPECT_TRUE(flag);
}

TEST_F(ButtonTest, CheckBoxSizeAndTickWidthFollowTheFont) {
    CheckBox box;
    EXPECT_EQ(box.getWidth(), 16);  // no font
    bool flag = true;
    box.bindFlag(&flag);
    const auto tickPixelsInMiddleRow = [&] {
        box.draw();
        int changed = 0;
        for (int32_t x = 1; x < box.getWidth(); ++x)
            changed += pixel(x, box.getHeight() / 2) != stored(paletteLightBlue);
        return changed;
    };
    ASSERT_EQ(useFontWithAscent(15).ascent(), 15);
    EXPECT_EQ(box.getHeight(), 16);
    const int thin = tickPixelsInMiddleRow();
    EXPECT_TRUE(thin == 1 || thin == 2) << thin;  // one anti-aliased pixel pair
    useFontWithAscent(16);
    EXPECT_EQ(box.getHeight(), 32);
    const int wide = tickPixelsInMiddleRow();
    EXPECT_TRUE(wide == 3 || wide == 4) << wide;
    EXPECT_EQ(pixel(4, 20), stored(inkColour));  // the tick starts at (d, h - 3d), d = 4
}

TEST_F(ButtonTest, LinkOpensItsAddressOrElseItsTextWhenActive) {
    platform::HeadlessBackend& backend = platform::resetHeadlessBackend();
    LinkLabel link;
    link.text = u"example.org (4)";
    link.active = true;
    EXPECT_EQ(link.getWidth() + link.getHeight(), 0);  // no font: no area
    const int32_t underline = useFontWithAscent(13).ascent();
    link.draw();
    tap(2, 2);
    link.address = u"https://example.org/";
    link.draw();
    press(2, 2);
    link.draw();
    EXPECT_EQ(pixel(0, underline), stored(paletteGreen));  // held
    release(2, 2);

    link.active = false;
    clearHitList();
    link.draw();
    EXPECT_EQ(pixel(link.getWidth(), underline), stored(inkColour));
    tap(2, 2);
    EXPECT_TRUE(link.openLink());  // a key still opens it
    const std::vector<std::u16string> expected{u"example.org (4)", u"https://example.org/", u"https://example.org/"};
    EXPECT_EQ(backend.openedAddresses(), expected);
}

}  // namespace
