#pragma once
// One running copy per data root: a lock file says a copy runs, and a Unix socket beside it lets a
// second start ask that copy to raise its window before the second one exits.
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

namespace platform {

class SingleInstance {
public:
    // Claims the data root. Null when another copy holds it (that copy has been asked to raise its
    // window) or when the root cannot be used (then the caller runs without the guard).
    static std::unique_ptr<SingleInstance> claim(const std::string& root, bool& anotherRuns);
    ~SingleInstance();

    // Starts answering raise requests by pushing an SDL user event of this type. The listener is
    // closed, and its thread ended, when the claim is released.
    void listen(uint32_t eventType);

private:
    SingleInstance(int lockFd, std::string socketPath);
    void acceptLoop(uint32_t eventType);

    int lockFd;
    int listenFd = -1;
    std::string socketPath;
    std::thread listener;
    std::atomic<bool> stopping{false};
};

}  // namespace platform
