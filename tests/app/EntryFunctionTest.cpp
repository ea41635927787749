// The entry function: make the program object, run it, delete it, and return 0 whatever happened.
#include <new>

#include "RecordingApp.h"

namespace {

bool refuseAllocation = false;
std::vector<std::string> logOfDeletedApp;

class EntryApp : public RecordingApp {
public:
    ~EntryApp() override { logOfDeletedApp = log; }
};

}  // namespace

GameApp* createApplication() { return refuseAllocation ? nullptr : new (std::nothrow) EntryApp; }

using EntryFunction = AppTest;

TEST_F(EntryFunction, RunsAndDeletesTheProgramObjectOrSaysItCannotBeMade) {
    platform::HeadlessBackend& backend = useScreen(240, 320);
    backend.setScript({});
    EXPECT_EQ(runApplication(), 0);
    EXPECT_EQ(logOfDeletedApp, (std::vector<std::string>{"start", "frame", "exit"}));
    EXPECT_EQ(currentApp, nullptr);
    EXPECT_TRUE(backend.messageBoxes().empty());

    platform::HeadlessBackend& refused = useScreen(240, 320);
    refuseAllocation = true;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(runApplication(), 0);
    ::testing::internal::GetCapturedStderr();
    refuseAllocation = false;
    EXPECT_EQ(refused.messageBoxes(), (std::vector<std::u16string>{u"ERROR: Failed to start the program."}));
    EXPECT_FALSE(refused.windowCreated());
}
