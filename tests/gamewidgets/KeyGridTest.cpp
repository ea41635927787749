// The keypad's grid: where its keys go, the long zero key, and which keys take touches.
#include "game/KeyGrid.h"
#include "ui/WidgetFixture.h"

namespace {

class KeyGridTest : public WidgetTest {
protected:
    void layOut(int32_t rows, int32_t columns, int32_t width, int32_t height, std::vector<const char16_t*> labels) {
        ASSERT_TRUE(grid.setLayout(rows, columns));
        for (size_t i = 0; i < labels.size(); ++i) grid.key(static_cast<int32_t>(i)).text = labels[i];
        grid.setSize(width, height);
        clearHitList();
        grid.draw();
    }
    Rect keyRect(int32_t i) {
        const Button& k = grid.key(i);
        return Rect{k.x, k.y, k.x + k.width, k.y + k.height};
    }
    // The keys that take touches, by index.
    std::vector<int32_t> listed() {
        std::vector<int32_t> keys;
        for (int32_t i = 0; i < KeyGrid::KeyCount; ++i) {
            for (int32_t e = 0; e < hitListCount(); ++e) keys.insert(keys.end(), hitListEntry(e) == &grid.key(i), i);
        }
        return keys;
    }
    KeyGrid grid;
};

TEST_F(KeyGridTest, ThreeRowKeypadHasOneZeroKeyDownTheRightColumnAndFourRowsOneAcrossTheBottom) {
    grid.setPosition(10, 5);
    layOut(3, 4, 121, 91, {u"7", u"8", u"9", u"0", u"4", u"5", u"6", u"0", u"1", u"2", u"3", u"0"});
    EXPECT_EQ(keyRect(0), (Rect{10, 5, 40, 35}));
    EXPECT_EQ(keyRect(3), (Rect{100, 5, 130, 95}));  // ends on the grid's right and bottom edges
    EXPECT_EQ(keyRect(10), (Rect{70, 65, 100, 95}));
    EXPECT_EQ(listed(), (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 8, 9, 10}));

    grid.setPosition(0, 0);
    layOut(4, 3, 91, 121, {u"7", u"8", u"9", u"4", u"5", u"6", u"1", u"2", u"3", u"0"});
    EXPECT_EQ(keyRect(8), (Rect{60, 60, 90, 90}));
    EXPECT_EQ(keyRect(9), (Rect{0, 90, 90, 120}));
    EXPECT_EQ(listed(), (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(KeyGridTest, CellsKeepTheirFractionsAndTheLastColumnTakesTheRest) {
    layOut(1, 4, 100, 20, {});  // cells of 24.75
    EXPECT_EQ(keyRect(1), (Rect{24, 0, 49, 19}));
    EXPECT_EQ(keyRect(2), (Rect{49, 0, 74, 19}));
    EXPECT_EQ(keyRect(3), (Rect{74, 0, 99, 19}));
    useFontWithAscent(13);
    grid.setPosition(30, 40);
    layOut(1, 1, 50, 24, {u"Menu (*) is wider than the key"});
    EXPECT_EQ(keyRect(0), (Rect{30, 40, 79, 63}));
}

TEST_F(KeyGridTest, AHeldKeyIsDrawnLastAndTheLayoutMustFitTheTwelveKeys) {
    layOut(2, 2, 81, 41, {});
    press(5, 25);  // key 2 held
    grid.draw();
    EXPECT_EQ(hitListEntry(hitListCount() - 1), &grid.key(2));
    EXPECT_FALSE(grid.setLayout(4, 4));
    EXPECT_FALSE(grid.setLayout(0, 3));
    EXPECT_EQ(grid.rows * 10 + grid.columns, 22) << "the layout is kept";
    KeyGrid unset;
    clearHitList();
    unset.setSize(100, 100);
    unset.draw();
    EXPECT_EQ(hitListCount(), 0);
}

}  // namespace
