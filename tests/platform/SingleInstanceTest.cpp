// One running copy per data root: a copy that holds the root can never be wedged by what knocks on
// its socket, and the lock never reaches outside the root.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>

#include "common/DataRootTest.h"
#include "platform/sdl/SingleInstance.h"

using namespace platform;

namespace {

int silentClient(const std::string& socketPath) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    return fd;
}

// Ends the test instead of hanging it when something does not return.
bool returns(std::function<void()> work) {
    return std::async(std::launch::async, work).wait_for(std::chrono::seconds(30)) == std::future_status::ready;
}

}  // namespace

using SingleInstanceTest = DataRootTest;

// Clients that connect and say nothing (more of them than the backlog holds) neither stop a second
// start from returning nor keep the holder from shutting down.
TEST_F(SingleInstanceTest, SilentClientsWedgeNothing) {
    bool anotherRuns = true;
    std::unique_ptr<SingleInstance> holder = SingleInstance::claim(root.string(), anotherRuns);
    ASSERT_TRUE(holder);
    EXPECT_FALSE(anotherRuns);
    holder->listen(0);
    std::vector<int> clients;
    for (int i = 0; i < 12; ++i) clients.push_back(silentClient(host(".instance.sock").string()));
    bool second = false;
    EXPECT_TRUE(returns([&] { EXPECT_EQ(SingleInstance::claim(root.string(), second), nullptr); }));
    EXPECT_TRUE(second);
    EXPECT_TRUE(returns([&] { holder.reset(); }));
    for (const int fd : clients) close(fd);
    EXPECT_FALSE(std::filesystem::exists(host(".instance.sock")));
}

TEST_F(SingleInstanceTest, TheLockFileIsNeverALinkOutOfTheRoot) {
    const std::filesystem::path outside = root.string() + "-outside";
    std::ofstream(outside) << "kept";
    std::filesystem::create_symlink(outside, host(".instance.lock"));
    bool anotherRuns = true;
    EXPECT_EQ(SingleInstance::claim(root.string(), anotherRuns), nullptr);
    EXPECT_FALSE(anotherRuns);
    std::ifstream in(outside);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "kept");
    std::filesystem::remove(outside);
}
