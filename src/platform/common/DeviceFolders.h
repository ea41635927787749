#pragma once
// What the device's file functions share: an owned descriptor, device paths taken apart, and the
// walk from the data root down to a file's folder without following links.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// Owns one open file descriptor.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        if (this != &other) {
            reset();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { reset(); }

    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }
    explicit operator bool() const { return fd_ >= 0; }
    void reset();

private:
    int fd_;
};

// A device path taken apart: the folders below the root, then the last name.
struct DevicePath {
    std::vector<std::string> folders;
    std::string leaf;  // empty for the root itself
};

// Splits a device path into names; refuses ".." and NUL, so the result always lies below the root.
std::optional<DevicePath> splitDevicePath(std::u16string_view path);
// The folder that holds path's leaf, reached without following a link; the root is created first
// when createRoot is set. Invalid (errno set) when any step fails.
Descriptor openParentFolder(const DevicePath& path, bool createRoot);
// Opens a regular file for reading, never a link, pipe or device.
Descriptor openRegularFile(int folder, const std::string& name);

}  // namespace platform
