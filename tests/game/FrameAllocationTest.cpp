// A steady frame of the game allocates nothing: every text it builds goes into a buffer that is kept,
// and fonts are made only when the layout changes. The count comes from replacing the program's
// allocation function for this test program.
#include <cstdlib>
#include <new>

#include "GameFixture.h"

namespace {

bool counting = false;
long allocations = 0;

}  // namespace

void* operator new(std::size_t size) {
    if (counting) ++allocations;
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block) std::abort();
    return block;
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace {

class FrameAllocationTest : public GameTest {
protected:
    // Every digit once in each font, so that the glyph caches hold all a game can show.
    void warmUp() {
        const Problem current = game->generator.current;
        const Problem prepared = game->generator.prepared;
        game->generator.current = Problem{67890, 12345, OpMultiplication};
        game->generator.prepared = Problem{67890, 12345, OpSubtraction};
        frames(2);
        game->generator.current = current;
        game->generator.prepared = prepared;
        frames(2);
    }
    long allocationsIn(int frameCount) {
        soundOn = false;  // the headless backend keeps a log of sounds, which grows
        allocations = 0;
        counting = true;
        frames(frameCount);
        counting = false;
        soundOn = true;
        return allocations;
    }
};

}  // namespace

TEST_F(FrameAllocationTest, SteadyFramesAllocateNothing) {
    for (const auto& [w, h] : {std::pair{240, 320}, std::pair{320, 240}, std::pair{176, 220}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        startPlaying(w, h);
        pose(7, OpAddition, 5);
        type("12");  // the fading copy of a right answer
        pose(48, OpMultiplication, 25);
        type("12");  // and a typed answer
        warmUp();
        EXPECT_EQ(allocationsIn(20), 0) << "play";

        answerUpTo(11);
        game->clock.startClock(4, 60);
        warmUp();
        EXPECT_EQ(allocationsIn(20), 0) << "the challenge with blinking lights";

        key(starKey);
        frames(2);
        ASSERT_TRUE(game->optionsShown);
        EXPECT_EQ(allocationsIn(20), 0) << "the options screen";
    }
}
