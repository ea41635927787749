#include <gtest/gtest.h>

#include "platform/Platform.h"

// Every test program runs on the headless backend, so no test opens a window or an audio device.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    platform::useHeadlessBackend();
    return RUN_ALL_TESTS();
}
