#include "WidgetFixture.h"
#include "platform/headless/HeadlessBackend.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/LinkLabel.h"
#include "ui/Palette.h"

namespace {

using ButtonTest = WidgetTest;

TEST_F(ButtonTest, StartsAtItsDefaultSizeAndNeverNarrowsBelowItsText) {
    Button button;
    EXPECT_EQ(button.getWidth(), 96);
    EXPECT_EQ(button.getHeight(), 24);

    button.text = u"Highscores (3)";
    button.setWidth(10);  // no font: the request stands
    EXPECT_EQ(button.getWidth(), 10);

    const int32_t textWidth = useFont(14).textWidth(button.text);
    ASSERT_GT(textWidth, 40);
    button.setWidth(10);
    EXPECT_EQ(button.getWidth(), textWidth);
    button.setSize(textWidth + 50, 30);
    EXPECT_EQ(button.getWidth(), textWidth + 50);
    EXPECT_EQ(button.getHeight(), 30);
}

TEST_F(ButtonTest, LatchesFollowPressAndRelease) {
    useFont(14);
    Button button;
    button.text = u"Play (1)";
    button.setPosition(10, 10);
    button.draw();
    EXPECT_EQ(pixel(10, 10), stored(inkColour));

    press(20, 20);
    EXPECT_TRUE(button.downLatch);
    EXPECT_FALSE(button.clickLatch);
    release(200, 20);  // lifted elsewhere: still pressed-for, never clicked
    EXPECT_FALSE(button.takeClickLatch());
    EXPECT_TRUE(button.takeDownLatch());
    EXPECT_FALSE(button.takeDownLatch());  // taking clears it

    tap(20, 20);
    EXPECT_FALSE(button.takeDownLatch());  // the click replaced it
    EXPECT_TRUE(button.takeClickLatch());
    EXPECT_FALSE(button.takeClickLatch());
}

TEST_F(ButtonTest, HeldButtonIsDrawnInThePressedColours) {
    Button button;
    button.setPosition(10, 10);
    button.draw();
    press(20, 20);
    button.draw();
    EXPECT_EQ(pixel(10, 10), stored(paletteGreen));
    EXPECT_EQ(pixel(12, 12), stored(paletteLightGreen));
}

TEST_F(ButtonTest, HiddenButtonDrawsNothingButTakesTaps) {
    useFont(14);
    Button area;
    area.text = u"answer";
    area.hidden = true;
    area.setPosition(0, 0);
    area.draw();
    EXPECT_TRUE(untouched());
    EXPECT_EQ(hitListCount(), 1);
    tap(5, 5);
    EXPECT_TRUE(area.takeClickLatch());
}

using CheckBoxTest = WidgetTest;

TEST_F(CheckBoxTest, TogglesOnReleaseInsideTheBoxOnly) {
    useFont(14);
    bool flag = false;
    CheckBox box;
    box.text = u"Sound On (1)";
    box.bindFlag(&flag);
    box.setPosition(10, 10);
    box.draw();

    press(15, 15);
    EXPECT_FALSE(flag);  // not on the press
    release(15, 15);
    EXPECT_TRUE(flag);

    press(15, 15);
    release(100, 100);  // lifted outside
    EXPECT_TRUE(flag);

    tap(10 + box.getWidth() + 5, 15);  // on the label
    EXPECT_TRUE(flag);

    box.toggle();
    EXPECT_FALSE(flag);
}

TEST_F(CheckBoxTest, UnboundOrDisabledBoxIgnoresTaps) {
    CheckBox box;
    box.toggle();  // nothing to toggle
    box.setPosition(0, 0);
    box.draw();
    EXPECT_EQ(pixel(5, 5), stored(paletteWhite));  // drawn empty
    tap(5, 5);

    bool flag = true;
    box.bindFlag(&flag);
    box.enabled = false;
    clearHitList();
    box.draw();
    EXPECT_EQ(hitListCount(), 0);
    tap(5, 5);
    EXPECT_TRUE(flag);
}

TEST_F(CheckBoxTest, SizeAndTickWidthFollowTheFont) {
    CheckBox box;
    EXPECT_EQ(box.getWidth(), 16);  // no font
    bool flag = true;
    box.bindFlag(&flag);

    useFontWithAscent(15);
    EXPECT_EQ(box.getWidth(), 16);
    EXPECT_EQ(box.getHeight(), 16);
    box.draw();
    // The long stroke crosses the middle row: one anti-aliased pixel pair.
    int changed = 0;
    for (int32_t x = 1; x < 16; ++x) changed += pixel(x, 8) != stored(paletteLightBlue);
    EXPECT_GE(changed, 1);
    EXPECT_LE(changed, 2);

    useFontWithAscent(16);
    EXPECT_EQ(box.getWidth(), 32);
    box.draw();
    changed = 0;
    for (int32_t x = 1; x < 32; ++x) changed += pixel(x, 16) != stored(paletteLightBlue);
    EXPECT_GE(changed, 3);
    EXPECT_LE(changed, 4);
    EXPECT_EQ(pixel(4, 20), stored(inkColour));  // the first stroke starts at (d, h - 3d), d = 4

    flag = false;
    box.draw();
    for (int32_t x = 1; x < 32; ++x) EXPECT_EQ(pixel(x, 16), stored(paletteWhite));
}

using LinkLabelTest = WidgetTest;

TEST_F(LinkLabelTest, OpensItsAddressOrElseItsText) {
    platform::HeadlessBackend& backend = platform::resetHeadlessBackend();
    useFont(14);
    LinkLabel link;
    link.text = u"example.org (4)";
    link.setPosition(10, 10);
    link.active = true;
    link.draw();
    tap(12, 12);
    link.address = u"https://example.org/";
    link.draw();
    tap(12, 12);
    ASSERT_EQ(backend.openedAddresses().size(), 2u);
    EXPECT_EQ(backend.openedAddresses()[0], u"example.org (4)");
    EXPECT_EQ(backend.openedAddresses()[1], u"https://example.org/");
}

TEST_F(LinkLabelTest, InactiveLinkIsUnderlinedButTakesNoTaps) {
    platform::HeadlessBackend& backend = platform::resetHeadlessBackend();
    Font& f = useFont(14);
    LinkLabel link;
    link.text = u"web";
    link.textColour = paletteBlue;
    link.setPosition(10, 10);
    link.active = false;
    link.draw();
    EXPECT_EQ(link.getWidth(), f.textWidth(u"web"));
    EXPECT_EQ(link.getHeight(), f.ascent());
    for (int32_t x = 10; x <= 10 + link.getWidth(); ++x) EXPECT_EQ(pixel(x, 10 + f.ascent()), stored(paletteBlue));
    EXPECT_EQ(hitListCount(), 0);
    tap(12, 12);
    EXPECT_TRUE(backend.openedAddresses().empty());

    EXPECT_TRUE(link.openLink());  // a key can still open it
    EXPECT_EQ(backend.openedAddresses().size(), 1u);
}

TEST_F(LinkLabelTest, HeldLinkTurnsGreenAndNoFontMeansNoArea) {
    LinkLabel link;
    link.text = u"web";
    link.active = true;
    EXPECT_EQ(link.getWidth(), 0);
    EXPECT_EQ(link.getHeight(), 0);

    Font& f = useFont(14);
    link.setPosition(10, 10);
    link.draw();
    press(12, 12);
    link.draw();
    EXPECT_EQ(pixel(10, 10 + f.ascent()), stored(paletteGreen));
}

}  // namespace
