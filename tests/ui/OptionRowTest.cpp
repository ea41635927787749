#include "WidgetFixture.h"
#include "ui/ButtonColumn.h"
#include "ui/OptionRow.h"
#include "ui/Palette.h"

namespace {

class OptionRowTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        useFont(14);
        for (const char16_t* label : {u"Easy (2)", u"Normal (3)", u"Hard (4)"}) row.addItem(label);
        row.setPosition(10, 20);
    }
    int32_t itemsWidth() { return row.items[0].getWidth() + row.items[1].getWidth() + row.items[2].getWidth(); }
    void frame() {
        clearHitList();
        row.draw();
    }
    OptionRow row;
};

TEST_F(OptionRowTest, FirstItemIsSelectedAndCapacityIsTen) {
    EXPECT_EQ(row.selectedIndex(), 0);
    EXPECT_TRUE(row.items[0].chosen);
    EXPECT_FALSE(row.items[1].chosen);
    for (int i = 0; i < 10; ++i) row.addItem(u"x");
    EXPECT_EQ(row.itemCount, OptionRow::Capacity);
    EXPECT_EQ(row.getHeight(), 13 + 6);  // ascent 13 and half of it
    EXPECT_EQ(row.height, 19);
}

TEST_F(OptionRowTest, GapSpreadsTheItemsFramedOrNot) {
    const int32_t w0 = row.items[0].getWidth(), w1 = row.items[1].getWidth();
    row.width = itemsWidth() + 80;  // four gaps of 20
    frame();
    EXPECT_EQ(row.items[0].x, 10 + 20);
    EXPECT_EQ(row.items[1].x, 10 + 20 + w0 + 20);
    EXPECT_EQ(row.items[2].x, 10 + 20 + w0 + 20 + w1 + 20);
    EXPECT_EQ(row.items[2].y, 20);

    row.framed = false;
    frame();
    EXPECT_EQ(row.items[0].x, 10);
    EXPECT_EQ(row.items[1].x, 10 + w0 + 20);
    EXPECT_EQ(row.items[2].x, 10 + w0 + 20 + w1 + 20);

    row.width = itemsWidth() + 61;  // 15.25 a gap, truncated
    frame();
    EXPECT_EQ(row.items[1].x, 10 + w0 + 15);
    row.width = itemsWidth() - 10;  // too narrow: -2.5, truncated towards zero, items overlap
    frame();
    EXPECT_EQ(row.items[1].x, 10 + w0 - 2);
}

TEST_F(OptionRowTest, FramedRowShowsOnlyTheSelectedChoiceInAWhiteBox) {
    row.width = itemsWidth() + 80;
    frame();
    EXPECT_EQ(pixel(10, 20), stored(inkColour));  // the panel's outline
    EXPECT_EQ(pixel(row.items[0].x, 22), stored(inkColour));
    EXPECT_EQ(pixel(row.items[0].x + 1, 22), stored(paletteWhite));
    EXPECT_EQ(pixel(row.items[1].x + 1, 22), stored(paletteLightBlue));  // no box: the panel shows
    // Items register before the row, so a press meets the item first.
    ASSERT_EQ(hitListCount(), 4);
    EXPECT_EQ(hitListEntry(3), &row);
}

TEST_F(OptionRowTest, UnframedRowBoxesTheSelectedChoiceInThePressedColours) {
    row.framed = false;
    row.width = itemsWidth() + 80;
    frame();
    EXPECT_EQ(pixel(row.items[0].x + 1, 22), stored(paletteLightBlue));
    EXPECT_EQ(pixel(row.items[1].x + 1, 22), rgbFrom565(background));  // plain text only
    press(row.items[0].x + 2, 22);
    frame();
    EXPECT_EQ(pixel(row.items[0].x + 1, 22), stored(paletteLightGreen));
    EXPECT_EQ(pixel(row.items[0].x, 22), stored(paletteGreen));
}

TEST_F(OptionRowTest, TappingAChoiceMovesTheSelection) {
    for (bool framed : {true, false}) {
        row.framed = framed;
        row.select(0);
        row.width = itemsWidth() + 80;
        frame();

        tap(row.items[0].x + 2, 22);  // the selected one: nothing changes
        EXPECT_EQ(row.selectedIndex(), 0);
        frame();
        tap(row.items[2].x + 2, 22);
        EXPECT_EQ(row.selectedIndex(), 2);
        EXPECT_FALSE(row.items[0].chosen);
        EXPECT_TRUE(row.items[2].chosen);
        frame();
        tap(row.items[1].x - 5, 22);  // between two choices
        EXPECT_EQ(row.selectedIndex(), 2);
        frame();
        tap(row.items[1].x + 2, 22);
        EXPECT_EQ(row.selectedIndex(), 1);
    }
}

TEST_F(OptionRowTest, SelectIgnoresIndicesThatNameNoChoice) {
    row.select(2);
    for (int32_t damaged : {-1, 3, 9, 10, 250}) {
        row.select(damaged);
        EXPECT_EQ(row.selectedIndex(), 2) << damaged;
    }
    EXPECT_TRUE(row.items[2].chosen);
    EXPECT_FALSE(row.items[0].chosen || row.items[1].chosen || row.items[3].chosen);

    OptionRow empty;
    empty.select(0);
    empty.draw();
    EXPECT_EQ(hitListCount(), 0);
    EXPECT_TRUE(untouched());
}

using ButtonColumnTest = WidgetTest;

TEST_F(ButtonColumnTest, EntriesAreStackedAtTheAscentPlusSpacing) {
    useFontWithAscent(12);
    ButtonColumn column;
    for (const char16_t* label : {u"Play (1)", u"Options (2)", u"Highscores (3)", u"Quit (0)", u"A", u"B"})
        column.addItem(label);
    EXPECT_EQ(column.itemCount, ButtonColumn::Capacity);
    column.itemCount = 4;
    column.spacing = 6;
    column.setPosition(20, 10);
    column.width = 120;
    EXPECT_EQ(column.getHeight(), 66);
    column.draw();
    for (int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(column.items[i].y, 10 + 18 * i);
        EXPECT_EQ(column.items[i].getHeight(), 18);
        EXPECT_EQ(column.items[i].getWidth(), 120);
    }
    EXPECT_EQ(hitListCount(), 4);                  // the entries, not the column
    EXPECT_EQ(pixel(20, 10), rgbFrom565(background));  // an entry shows no box until held
}

TEST_F(ButtonColumnTest, ClickedEntriesAreReportedLowestFirst) {
    useFont(14);
    ButtonColumn column;
    for (const char16_t* label : {u"Play (1)", u"Options (2)", u"Quit (0)"}) column.addItem(label);
    column.spacing = 7;
    column.width = 100;
    column.draw();
    tap(5, column.items[2].y + 3);
    tap(5, column.items[0].y + 3);

    int32_t index = -1;
    ASSERT_TRUE(column.takeClicked(index));
    EXPECT_EQ(index, 0);
    ASSERT_TRUE(column.takeClicked(index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(column.takeClicked(index));
}

}  // namespace
