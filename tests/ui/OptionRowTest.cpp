// The option row and the menu column: where their items go, how they are drawn, and what a tap chooses.
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
        row.width = row.items[0].getWidth() + row.items[1].getWidth() + row.items[2].getWidth() + 80;  // gaps of 20
    }
    // Drawn as in a frame.
    void drawRow() {
        clearHitList();
        row.draw();
    }
    // Just inside an item's box, and a point on the item away from its edges.
    Rgb inside(int i) const { return pixel(row.items[i].x + 1, 22); }
    void tapItem(int i) { tap(row.items[i].x + 2, 22); }
    OptionRow row;
};

// Framed, only the selected item has its white box; plain, it has a light blue one, light green while held.
// The row registers after its items, so that a press reaches them first.
TEST_F(OptionRowTest, OnlyTheSelectedItemIsBoxedFramedOrNot) {
    drawRow();
    EXPECT_EQ(std::pair(inside(0), inside(1)), std::pair(stored(paletteWhite), stored(paletteLightBlue)));
    EXPECT_EQ(hitListEntry(hitListCount() - 1), &row);

    row.framed = false;
    useTarget(240, 160);
    drawRow();
    EXPECT_EQ(std::pair(inside(0), inside(1)), std::pair(stored(paletteLightBlue), rgbFrom565(background)));
    press(row.items[0].x + 2, 22);
    drawRow();
    EXPECT_EQ(inside(0), stored(paletteLightGreen));
}

TEST_F(OptionRowTest, ATapMovesTheSelectionAndIndicesThatNameNoChoiceAreIgnored) {
    EXPECT_TRUE(row.items[0].chosen) << "the first item starts selected";
    for (bool framed : {true, false}) {
        row.framed = framed;
        row.select(0);
        drawRow();
        tapItem(0);  // already selected
        EXPECT_EQ(row.selectedIndex(), 0);
        drawRow();
        tapItem(2);
        EXPECT_EQ(row.selectedIndex(), 2);
        EXPECT_FALSE(row.items[0].chosen);
        drawRow();
        tap(row.items[1].x - 5, 22);  // between two choices
        EXPECT_EQ(row.selectedIndex(), 2);
    }
    for (int32_t damaged : {-1, 3, 10, 250}) row.select(damaged);  // as a damaged settings file may ask
    EXPECT_EQ(row.selectedIndex(), 2);
    EXPECT_FALSE(row.items[0].chosen || row.items[1].chosen || row.items[3].chosen);
    for (int i = 0; i < 10; ++i) row.addItem(u"x");
    EXPECT_EQ(row.itemCount, OptionRow::Capacity);
}

using ButtonColumnTest = WidgetTest;

TEST_F(ButtonColumnTest, EntriesStackAndReportTheirClicksLowestFirst) {
    ASSERT_EQ(useFontWithAscent(12).ascent(), 12);
    ButtonColumn column;
    for (char16_t label = u'A'; label <= u'I'; ++label) column.addItem(WString(1, label));
    EXPECT_EQ(column.itemCount, ButtonColumn::Capacity);
    column.itemCount = 4;
    column.spacing = 6;
    column.setPosition(20, 10);
    column.width = 120;
    column.draw();
    EXPECT_EQ(column.items[3].hitRect(), (Rect{20, 64, 140, 82})) << "entries of 12 + 6 under each other";
    EXPECT_EQ(hitListCount(), 4) << "the entries, not the column";
    EXPECT_EQ(pixel(20, 10), rgbFrom565(background)) << "no box until held";

    tap(25, 50);
    tap(25, 15);
    int32_t index = -1;
    EXPECT_TRUE(column.takeClicked(index) && index == 0);
    EXPECT_TRUE(column.takeClicked(index) && index == 2);
    EXPECT_FALSE(column.takeClicked(index));
}

}  // namespace
