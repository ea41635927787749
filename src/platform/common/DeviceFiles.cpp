// The device's file system on the host. Device paths map below one host folder, the data root, and
// are walked one folder at a time without following symbolic links, so no device path reaches outside
// it. Writing goes through FileReplacement (FileReplacement.cpp).
#include <fcntl.h>
#include <limits.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/common/Backend.h"
#include "platform/common/DeviceFolders.h"

namespace platform {

namespace {

// A data root is made with at most this many missing folders above it: enough for a fresh home's
// ~/.local/share/vortellanox, and never a tower of folders from a mistyped path.
constexpr int mostMissingFolders = 8;

std::string chosenRoot;

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

// Creates the root and the few missing folders above it, each for the user alone.
bool makeRootFolders(const std::string& root) {
    std::vector<std::string> missing;
    struct stat info {};
    for (std::string at = root; !at.empty() && at != "/" && ::stat(at.c_str(), &info) != 0;) {
        if (errno != ENOENT || missing.size() == mostMissingFolders) return false;
        missing.push_back(at);
        at = at.substr(0, at.find_last_of('/'));
    }
    for (auto folder = missing.rbegin(); folder != missing.rend(); ++folder) {
        if (::mkdir(folder->c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return true;
}

Descriptor openRoot(bool create) {
    const std::string root = dataRoot();
    if (root.empty()) {
        errno = ENOENT;
        return Descriptor();
    }
    if (create && !makeRootFolders(root)) return Descriptor();
    return Descriptor(::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

}  // namespace

void Descriptor::reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

std::optional<DevicePath> splitDevicePath(std::u16string_view path) {
    // A drive ("C:") names the one volume there is; empty or "." names change nothing.
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

Descriptor openParentFolder(const DevicePath& path, bool createRoot) {
    Descriptor folder = openRoot(createRoot);
    for (const std::string& name : path.folders) {
        if (!folder) break;
        folder = Descriptor(::openat(folder.get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    }
    return folder;
}

// O_NONBLOCK keeps a named pipe from hanging the open; it is refused a moment later with everything
// else that is not a plain file.
Descriptor openRegularFile(int folder, const std::string& name) {
    Descriptor file(::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (!file || ::fstat(file.get(), &info) != 0) return Descriptor();
    if (!S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return Descriptor();
    }
    const int flags = ::fcntl(file.get(), F_GETFL);
    if (flags < 0 || ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) return Descriptor();
    return file;
}

void setDataRoot(std::string folder) {
    std::error_code error;
    if (!folder.empty()) {
        const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
        if (!error) folder = absolute.string();
    }
    chosenRoot = std::move(folder);
}

std::string dataRoot() { return chosenRoot.empty() ? defaultDataRoot() : chosenRoot; }

std::string dataRootProblem(const std::string& folder) {
    if (folder.empty()) return "no data folder: neither HOME nor XDG_DATA_HOME is set";
    // Room for the deepest file the game keeps below it, so that no save can fail for the length.
    constexpr size_t deepestFile =
        sizeof "/My Documents/Brinmoor Arcade/Vortellanox/.highscores.dat.0000000000-0000.tmp";
    if (folder.size() + deepestFile >= PATH_MAX) return "the data folder's path is too long";
    size_t start = 0;
    while (start < folder.size()) {
        size_t end = folder.find('/', start);
        if (end == std::string::npos) end = folder.size();
        if (end - start > NAME_MAX) return "a name in the data folder's path is too long";
        start = end + 1;
    }
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0) {
        if (!S_ISDIR(info.st_mode)) return "the data folder is not a folder";
        if (::access(folder.c_str(), R_OK | W_OK | X_OK) != 0) return "the data folder cannot be written";
    } else if (errno != ENOENT) {
        return "the data folder cannot be reached: " + describeFileError(errno);
    }
    return "";
}

std::u16string programFolder() { return u"\\"; }

std::string hostPath(const std::u16string& devicePath) {
    const std::optional<DevicePath> path = splitDevicePath(devicePath);
    std::string root = dataRoot();
    if (!path || root.empty()) return "";
    for (const std::string& name : path->folders) root += "/" + name;
    return path->leaf.empty() ? root : root + "/" + path->leaf;
}

std::FILE* openDeviceFile(const std::u16string& devicePath) {
    const std::optional<DevicePath> path = splitDevicePath(devicePath);
    if (!path || path->leaf.empty()) return nullptr;
    Descriptor folder = openParentFolder(*path, false);
    if (!folder) return nullptr;
    Descriptor file = openRegularFile(folder.get(), path->leaf);
    if (!file) return nullptr;
    std::FILE* stream = ::fdopen(file.get(), "rb");
    if (stream) file.release();
    return stream;
}

bool removeDeviceFile(const std::u16string& devicePath) {
    const std::optional<DevicePath> path = splitDevicePath(devicePath);
    if (!path || path->leaf.empty()) return false;
    Descriptor folder = openParentFolder(*path, false);
    if (!folder) return errno == ENOENT;
    if (::unlinkat(folder.get(), path->leaf.c_str(), 0) != 0) return errno == ENOENT;
    ::fsync(folder.get());
    return true;
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

std::string describeFileError(int error) {
    switch (error) {
        case 0:
            return "no error";
        case ENOSPC:
        case EFBIG:
        case EDQUOT:
            return "the disk is full";
        case EROFS:
            return "the disk is read-only";
        case EACCES:
        case EPERM:
            return "permission denied";
        default:
            return std::strerror(error);
    }
}

}  // namespace platform
