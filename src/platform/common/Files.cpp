// The device's file system on the host. Device paths map below one host folder, the data root, and
// are walked one folder at a time without following symbolic links, so no device path reaches outside
// it. A stream that writes never touches its target until it is closed: it works on a temporary file
// beside the target, which is flushed, synced and renamed over the target on close. A kill, a crash or
// a full disk therefore leaves either the old file or the new one, never a torn one.
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "platform/common/Backend.h"

namespace platform {

namespace {

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

private:
    void reset() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    int fd_;
};

// A device path taken apart: the folders below the root, then the last name.
struct DevicePath {
    std::vector<std::string> folders;
    std::string leaf;  // empty for the root itself
};

// A written stream waiting for its close: the temporary file, its target and their folder.
struct Replacement {
    Descriptor folder;
    std::string temporary;
    std::string target;
};

std::string chosenRoot;

std::map<std::FILE*, Replacement>& pendingReplacements() {
    static std::map<std::FILE*, Replacement> pending;
    return pending;
}

std::string homeFolder() {
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return home;
    const passwd* user = ::getpwuid(::getuid());
    return user && user->pw_dir ? user->pw_dir : "";
}

std::string defaultDataRoot() {
    // Only an absolute XDG_DATA_HOME counts; a relative one is to be ignored.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/') return std::string(dataHome) + "/vortellanox";
    const std::string home = homeFolder();
    return home.empty() ? "" : home + "/.local/share/vortellanox";
}

constexpr bool isSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

// Splits a device path into names; refuses ".." and NUL, so the result always lies below the root.
// A drive ("C:") names the one volume there is, and empty or "." names change nothing.
std::optional<DevicePath> splitDevicePath(std::u16string_view path) {
    if (path.size() >= 2 && path[1] == u':' && (path.size() == 2 || isSeparator(path[2]))) path.remove_prefix(2);
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = start;
        while (end < path.size() && !isSeparator(path[end])) ++end;
        const std::u16string_view name = path.substr(start, end - start);
        if (name == u".." || name.find(u'\0') != std::u16string_view::npos) return std::nullopt;
        if (!name.empty() && name != u".") names.push_back(toUtf8(std::u16string(name)));
        start = end + 1;
    }
    DevicePath split;
    if (!names.empty()) {
        split.leaf = std::move(names.back());
        names.pop_back();
    }
    split.folders = std::move(names);
    return split;
}

// Creates the root and any missing folder above it, each for the user alone.
void makeRootFolders(const std::string& root) {
    for (size_t slash = root.find('/', 1); slash != std::string::npos; slash = root.find('/', slash + 1)) {
        ::mkdir(root.substr(0, slash).c_str(), 0700);
    }
    ::mkdir(root.c_str(), 0700);
}

Descriptor openRoot(bool create) {
    const std::string root = dataRoot();
    if (root.empty()) return Descriptor();
    if (create) makeRootFolders(root);
    return Descriptor(::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

// The folder that holds path's leaf, reached without following a link.
Descriptor openParentFolder(const DevicePath& path, bool createRoot) {
    Descriptor folder = openRoot(createRoot);
    for (const std::string& name : path.folders) {
        if (!folder) break;
        folder = Descriptor(::openat(folder.get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    }
    return folder;
}

// Opens a regular file for reading. O_NONBLOCK keeps a named pipe from hanging the open; it is
// refused a moment later with everything else that is not a plain file.
Descriptor openRegularFile(int folder, const std::string& name) {
    Descriptor file(::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (!file || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return Descriptor();
    const int flags = ::fcntl(file.get(), F_GETFL);
    if (flags < 0 || ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) return Descriptor();
    return file;
}

// A file may be replaced when it is absent or a plain file (never a folder, link or device).
bool mayReplace(int folder, const std::string& name) {
    struct stat info {};
    if (::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return errno == ENOENT;
    return S_ISREG(info.st_mode);
}

bool writeAll(int fd, const char* bytes, size_t count) {
    while (count > 0) {
        const ssize_t written = ::write(fd, bytes, count);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes += written;
        count -= static_cast<size_t>(written);
    }
    return true;
}

bool copyContents(int from, int to) {
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        if (!writeAll(to, buffer, static_cast<size_t>(got))) return false;
    }
}

std::FILE* openForReading(const DevicePath& path) {
    Descriptor folder = openParentFolder(path, false);
    if (!folder) return nullptr;
    Descriptor file = openRegularFile(folder.get(), path.leaf);
    if (!file) return nullptr;
    std::FILE* stream = ::fdopen(file.get(), "rb");
    if (stream) file.release();
    return stream;
}

// A stream on a temporary file beside the target: empty for Write, a copy of the target for Update.
std::FILE* openReplacement(const DevicePath& path, FileAccess access) {
    Descriptor folder = openParentFolder(path, true);
    if (!folder || !mayReplace(folder.get(), path.leaf)) return nullptr;
    Descriptor original;
    if (access == FileAccess::Update) {
        original = openRegularFile(folder.get(), path.leaf);
        if (!original) return nullptr;
    }
    // One fixed name per target: a file left by a killed run is simply replaced by the next save.
    std::string temporary = "." + path.leaf + ".partial";
    ::unlinkat(folder.get(), temporary.c_str(), 0);
    Descriptor file(
        ::openat(folder.get(), temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!file) return nullptr;
    const bool copied =
        !original || (copyContents(original.get(), file.get()) && ::lseek(file.get(), 0, SEEK_SET) == 0);
    std::FILE* stream = copied ? ::fdopen(file.get(), access == FileAccess::Update ? "r+b" : "wb") : nullptr;
    if (!stream) {
        ::unlinkat(folder.get(), temporary.c_str(), 0);
        return nullptr;
    }
    file.release();
    pendingReplacements().emplace(stream, Replacement{std::move(folder), std::move(temporary), path.leaf});
    return stream;
}

// Flushes and syncs a written stream, then puts it in its target's place and syncs the folder.
int commitReplacement(std::FILE* stream, const Replacement& replacement) {
    bool written = std::fflush(stream) == 0 && !std::ferror(stream);
    written = written && ::fsync(::fileno(stream)) == 0;
    written = std::fclose(stream) == 0 && written;
    const int folder = replacement.folder.get();
    if (!written || ::renameat(folder, replacement.temporary.c_str(), folder, replacement.target.c_str()) != 0) {
        ::unlinkat(folder, replacement.temporary.c_str(), 0);
        return EOF;
    }
    // The new file is in place either way; a folder that cannot be synced is no reason to report failure.
    ::fsync(folder);
    return 0;
}

}  // namespace

void setDataRoot(std::string folder) {
    std::error_code error;
    if (!folder.empty()) {
        const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
        if (!error) folder = absolute.string();
    }
    chosenRoot = std::move(folder);
}

std::string dataRoot() { return chosenRoot.empty() ? defaultDataRoot() : chosenRoot; }

std::u16string programFolder() { return u"\\"; }

std::string hostPath(const std::u16string& devicePath) {
    const std::optional<DevicePath> path = splitDevicePath(devicePath);
    std::string root = dataRoot();
    if (!path || root.empty()) return "";
    for (const std::string& name : path->folders) root += "/" + name;
    return path->leaf.empty() ? root : root + "/" + path->leaf;
}

std::FILE* openDeviceFile(const std::u16string& devicePath, FileAccess access) {
    const std::optional<DevicePath> path = splitDevicePath(devicePath);
    if (!path || path->leaf.empty()) return nullptr;
    return access == FileAccess::Read ? openForReading(*path) : openReplacement(*path, access);
}

int closeDeviceFile(std::FILE* stream) {
    if (!stream) return 0;
    auto pending = pendingReplacements().find(stream);
    if (pending == pendingReplacements().end()) return std::fclose(stream);
    const Replacement replacement = std::move(pending->second);
    pendingReplacements().erase(pending);
    return commitReplacement(stream, replacement);
}

bool createDeviceFolder(const std::u16string& devicePath) {
    const std::optional<DevicePath> path = splitDevicePath(devicePath);
    if (!path) return false;
    Descriptor parent = openParentFolder(*path, true);
    if (!parent) return false;
    if (path->leaf.empty()) return true;  // the root, made by openParentFolder
    if (::mkdirat(parent.get(), path->leaf.c_str(), 0700) == 0) {
        ::fsync(parent.get());
        return true;
    }
    struct stat info {};
    return errno == EEXIST && ::fstatat(parent.get(), path->leaf.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISDIR(info.st_mode);
}

}  // namespace platform
