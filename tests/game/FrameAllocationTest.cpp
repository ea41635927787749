// A steady frame of the game allocates nothing: the texts it builds go into buffers that are kept, and
// fonts are made only when the layout changes. Allocations are counted by replacing the allocation
// function of this test program, on the frame's thread alone (saves are committed on a thread of their own).
#include <cstdlib>
#include <new>

#include "GameFixture.h"

namespace {
thread_local bool counting = false;
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
    // Every digit in every font once first, so that the glyph caches hold all a game can show.
    long allocationsInSteadyFrames() {
        soundOn = false;  // the headless backend's log of sounds grows; the settings saved for it settle first
        ProblemGenerator& generator = game->round.generator();
        const std::pair kept(generator.current, generator.prepared);
        generator.current = generator.prepared = Problem{67890, 12345, OpMultiplication};
        frames(2);
        std::tie(generator.current, generator.prepared) = kept;
        frames(2);
        allocations = 0;
        counting = true;
        frames(20);
        counting = false;
        return allocations;
    }
};

}  // namespace

TEST_F(FrameAllocationTest, SteadyFramesAllocateNothing) {
    for (const auto& [w, h] : {std::pair{240, 320}, std::pair{320, 240}, std::pair{176, 220}}) {
        SCOPED_TRACE(w);
        startPlaying(w, h);
        pose(7, OpAddition, 5);
        type("12");  // the fading copy of a right answer
        pose(48, OpMultiplication, 25);
        type("12");  // and a typed answer
        EXPECT_EQ(allocationsInSteadyFrames(), 0) << "play";

        answerUntil(&ProblemGenerator::isChallenge);
        game->round.clock().startClock(4, 60);
        EXPECT_EQ(allocationsInSteadyFrames(), 0) << "the challenge with blinking lights";

        key(starKey);
        EXPECT_EQ(allocationsInSteadyFrames(), 0) << "the options screen";
    }
}
