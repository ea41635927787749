#include "WidgetFixture.h"
#include "ui/ButtonColumn.h"
#include "ui/OptionRow.h"
#include "ui/Palette.h"

namespace {

class OptionRowTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        useFontWithAscent(13);
        for (const char16_t* label : {u"Easy (2)", u"Normal (3)", u"Hard (4)"}) row.addItem(label);
        row.setPosition(10, 20);
        row.width = itemWidth(0) + itemWidth(1) + itemWidth(2) + 80;  // four gaps of 20
    }
    int32_t itemWidth(int i) { return row.items[i].getWidth(); }
    int32_t itemX(int i) { return row.items[i].x; }
    void frame() {
        clearHitList();
        row.draw();
    }
    OptionRow row;
};

TEST_F(OptionRowTest, GapSpreadsTheItemsFramedOrNot) {
    frame();
    EXPECT_EQ(itemX(0), 10 + 20);
    EXPECT_EQ(itemX(1), 10 + 20 + itemWidth(0) + 20);
    EXPECT_EQ(itemX(2), itemX(1) + itemWidth(1) + 20);
    EXPECT_EQ(pixel(itemX(0) + 1, 22), stored(paletteWhite));  // only the selected one is boxed
    EXPECT_EQ(pixel(itemX(1) + 1, 22), stored(paletteLightBlue));
    EXPECT_EQ(hitListEntry(hitListCount() - 1), &row);  // after its items

    row.framed = false;
    useTarget(240, 160);
    frame();
    EXPECT_EQ(itemX(0), 10);
    EXPECT_EQ(itemX(1), 10 + itemWidth(0) + 20);
    EXPECT_EQ(itemX(2), itemX(1) + itemWidth(1) + 20);
    EXPECT_EQ(pixel(itemX(0) + 1, 22), stored(paletteLightBlue));
    EXPECT_EQ(pixel(itemX(1) + 1, 22), rgbFrom565(background));  // plain text
    press(itemX(0) + 2, 22);
    frame();
    EXPECT_EQ(pixel(itemX(0) + 1, 22), stored(paletteLightGreen));

    row.width -= 19;  // 15.25 a gap, truncated
    frame();
    EXPECT_EQ(itemX(1), 10 + itemWidth(0) + 15);
    row.width -= 71;  // too narrow: -2.5, truncated towards zero, and the items overlap
    frame();
    EXPECT_EQ(itemX(1), 10 + itemWidth(0) - 2);
}

TEST_F(OptionRowTest, TappingAChoiceMovesTheSelection) {
    for (bool framed : {true, false}) {
        row.framed = framed;
        row.select(0);
        frame();
        tap(itemX(0) + 2, 22);  // already selected
        EXPECT_EQ(row.selectedIndex(), 0);
        frame();
        tap(itemX(2) + 2, 22);
        EXPECT_EQ(row.selectedIndex(), 2);
        EXPECT_FALSE(row.items[0].chosen);
        frame();
        tap(itemX(1) - 5, 22);  // between two choices
        EXPECT_EQ(row.selectedIndex(), 2);
    }
}

TEST_F(OptionRowTest, FirstItemStartsSelectedAndSelectIgnoresIndicesThatNameNoChoice) {
    EXPECT_EQ(row.selectedIndex(), 0);
    EXPECT_TRUE(row.items[0].chosen);
    EXPECT_EQ(row.getHeight(), 13 + 6);
    row.select(2);
    for (int32_t damaged : {-1, 3, 10, 250}) row.select(damaged);  // as a damaged settings file may ask
    EXPECT_EQ(row.selectedIndex(), 2);
    EXPECT_TRUE(row.items[2].chosen);
    EXPECT_FALSE(row.items[0].chosen || row.items[1].chosen || row.items[3].chosen);
    for (int i = 0; i < 10; ++i) row.addItem(u"x");
    EXPECT_EQ(row.itemCount, OptionRow::Capacity);
}

using ButtonColumnTest = WidgetTest;

TEST_F(ButtonColumnTest, EntriesStackAndReportTheirClicksLowestFirst) {
    ASSERT_EQ(useFontWithAscent(12).ascent(), 12);
    ButtonColumn column;
    for (const char16_t* label :
         {u"Play (1)", u"Options (2)", u"Highscores (3)", u"Quit (0)", u"A", u"B", u"C", u"D", u"E"})
        column.addItem(label);
    EXPECT_EQ(column.itemCount, ButtonColumn::Capacity);
    column.itemCount = 4;
    column.spacing = 6;
    column.setPosition(20, 10);
    column.width = 120;
    EXPECT_EQ(column.getHeight(), 66);
    column.draw();
    for (int32_t i = 0; i < 4; ++i) EXPECT_EQ((Rect{20, 10 + 18 * i, 140, 28 + 18 * i}), column.items[i].hitRect());
    EXPECT_EQ(hitListCount(), 4);                      // the entries, not the column
    EXPECT_EQ(pixel(20, 10), rgbFrom565(background));  // no box until held

    tap(25, 50);
    tap(25, 15);
    int32_t index = -1;
    EXPECT_TRUE(column.takeClicked(index) && index == 0);
    EXPECT_TRUE(column.takeClicked(index) && index == 2);
    EXPECT_FALSE(column.takeClicked(index));
}

}  // namespace
