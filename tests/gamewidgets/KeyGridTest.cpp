// The keypad's grid: keys that tile it, the long zero key, and which keys take touches.
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
        for (int32_t i = 0; i < KeyGrid::KeyCount; ++i)
            for (int32_t e = 0; e < hitListCount(); ++e) keys.insert(keys.end(), hitListEntry(e) == &grid.key(i), i);
        return keys;
    }
    KeyGrid grid;
};

// The zero spans the cells of the zeros it stands for, and only the keys drawn take touches.
TEST_F(KeyGridTest, ThreeRowKeypadHasOneZeroKeyDownTheRightColumnAndFourRowsOneAcrossTheBottom) {
    layOut(3, 4, 121, 91, {u"7", u"8", u"9", u"0", u"4", u"5", u"6", u"0", u"1", u"2", u"3", u"0"});
    EXPECT_EQ(std::pair(keyRect(3).top, keyRect(3).bottom), std::pair(keyRect(0).top, keyRect(10).bottom));
    EXPECT_EQ(listed(), (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 8, 9, 10}));

    layOut(4, 3, 91, 121, {u"7", u"8", u"9", u"4", u"5", u"6", u"1", u"2", u"3", u"0"});
    EXPECT_EQ(std::pair(keyRect(9).left, keyRect(9).right), std::pair(keyRect(6).left, keyRect(8).right));
    EXPECT_EQ(listed(), (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

// Cells keep their fractions, so that rounding does not pile up along a row: neighbours share an edge,
// no two differ by more than a pixel, and the last column ends on the grid's edge. A label wider than its
// cell does not widen the key.
TEST_F(KeyGridTest, KeysTileTheGridWhateverTheirLabels) {
    useFontWithAscent(13);
    for (const auto& [columns, width] : {std::pair{4, 100}, std::pair{3, 91}, std::pair{4, 121}, std::pair{1, 50}}) {
        SCOPED_TRACE(width);
        grid.setPosition(30, 40);
        layOut(1, columns, width, 24, std::vector<const char16_t*>(columns, u"Menu (*) is wider than the key"));
        int32_t edge = 30, narrowest = width, widest = 0;
        for (int32_t i = 0; i < columns; ++i) {
            EXPECT_EQ(keyRect(i).left, edge);
            edge = keyRect(i).right;
            narrowest = std::min(narrowest, keyRect(i).width()), widest = std::max(widest, keyRect(i).width());
        }
        EXPECT_EQ(edge, 30 + width - 1);
        EXPECT_LE(widest - narrowest, 1);
    }
}

TEST_F(KeyGridTest, AHeldKeyIsDrawnLastAndTheLayoutMustFitTheTwelveKeys) {
    layOut(2, 2, 81, 41, {});
    press(5, 25);  // key 2 held
    grid.draw();
    EXPECT_EQ(hitListEntry(hitListCount() - 1), &grid.key(2));
    EXPECT_FALSE(grid.setLayout(4, 4) || grid.setLayout(0, 3));
    EXPECT_EQ(grid.rows * 10 + grid.columns, 22) << "the layout is kept";
}

}  // namespace
