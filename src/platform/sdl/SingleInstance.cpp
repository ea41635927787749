#include "platform/sdl/SingleInstance.h"

#include <SDL.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/Platform.h"

namespace platform {

namespace {

// How long the listener waits for a knocking copy to say something, and a knocking copy for the
// running one to take its call: neither may ever wait for good.
constexpr int requestWaitMs = 500;

bool socketAddress(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;  // too long for a socket name
    std::memcpy(address.sun_path, path.c_str(), path.size());
    return true;
}

void askToRaise(const std::string& path) {
    sockaddr_un address;
    if (!socketAddress(path, address)) return;
    // Non-blocking: a listener whose backlog is full (or that hangs) makes the connect fail at once
    // instead of hanging this start.
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return;
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        const char request[] = "raise\n";
        pollfd ready{fd, POLLOUT, 0};
        if (poll(&ready, 1, requestWaitMs) == 1) {
            [[maybe_unused]] const ssize_t sent = send(fd, request, sizeof request - 1, MSG_NOSIGNAL);
        }
    }
    close(fd);
}

}  // namespace

SingleInstance::SingleInstance(int lock, std::string path) : lockFd(lock), socketPath(std::move(path)) {}

std::unique_ptr<SingleInstance> SingleInstance::claim(const std::string& root, bool& anotherRuns) {
    anotherRuns = false;
    if (!createDeviceFolder(programFolder())) return nullptr;
    // Never through a link: the lock file is always the data root's own.
    const std::string lockPath = root + "/.instance.lock";
    const int fd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return nullptr;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return nullptr;
    }
    const std::string socketPath = root + "/.instance.sock";
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        anotherRuns = errno == EWOULDBLOCK;
        if (anotherRuns) askToRaise(socketPath);
        return nullptr;
    }
    return std::unique_ptr<SingleInstance>(new SingleInstance(fd, socketPath));
}

void SingleInstance::listen(uint32_t eventType) {
    sockaddr_un address;
    if (!socketAddress(socketPath, address)) return;
    unlink(socketPath.c_str());  // left by a copy that crashed; we hold the lock now
    listenFd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd < 0) return;
    const mode_t previous = umask(077);  // only this user may ask us anything
    const bool bound = bind(listenFd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    umask(previous);
    if (!bound || ::listen(listenFd, 4) != 0) {
        close(listenFd);
        listenFd = -1;
        return;
    }
    chmod(socketPath.c_str(), 0700);
    listener = std::thread([this, eventType] { acceptLoop(eventType); });
}

// Runs on its own thread, asleep in accept until a second copy knocks.
void SingleInstance::acceptLoop(uint32_t eventType) {
    while (!stopping) {
        const int client = accept(listenFd, nullptr, nullptr);
        if (client < 0) {
            if (errno == EINTR) continue;
            return;
        }
        // A client that connects and says nothing is given up on after a moment.
        char request[16];
        pollfd said{client, POLLIN, 0};
        if (poll(&said, 1, requestWaitMs) == 1) {
            [[maybe_unused]] const ssize_t got = recv(client, request, sizeof request, MSG_DONTWAIT);
        }
        close(client);
        if (stopping) return;
        SDL_Event event{};
        event.type = eventType;
        SDL_PushEvent(&event);
    }
}

SingleInstance::~SingleInstance() {
    stopping = true;
    if (listenFd >= 0) {
        shutdown(listenFd, SHUT_RDWR);  // wakes the accept
        if (listener.joinable()) listener.join();
        close(listenFd);
        unlink(socketPath.c_str());
    }
    close(lockFd);
}

}  // namespace platform
