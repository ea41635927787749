// A device file replaced whole: the new bytes are written to a temporary file beside the target,
// flushed, synced and renamed over it, and the folder synced. A kill, a crash or a full disk
// therefore leaves either the old file or the new one, never a torn one. Every replacement has a
// temporary name of its own, so two saves (or two copies of the program) never remove each other's.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

#include "platform/Platform.h"
#include "platform/common/DeviceFolders.h"

namespace platform {

struct FileReplacement::State {
    Descriptor folder;
    std::string temporary;
    std::string target;
    std::FILE* stream = nullptr;

    ~State() {
        if (!stream) return;
        std::fclose(stream);
        ::unlinkat(folder.get(), temporary.c_str(), 0);
    }
};

namespace {

constexpr int attemptsAtAName = 64;

// A file may be replaced when it is absent or a plain file (never a folder, link or device).
int refusalOfTarget(int folder, const std::string& name) {
    struct stat info {};
    if (::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return errno == ENOENT ? 0 : errno;
    if (S_ISREG(info.st_mode)) return 0;
    return S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
}

// ".NAME.PID-N.tmp", made with O_EXCL: whatever lies under a name already (another save's file, a
// folder someone made) is left alone and the next name is tried.
Descriptor makeTemporary(int folder, const std::string& leaf, std::string& name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < attemptsAtAName; ++attempt) {
        name = "." + leaf + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
        Descriptor file(::openat(folder, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (file || errno != EEXIST) return file;
    }
    errno = EEXIST;
    return Descriptor();
}

}  // namespace

FileReplacement::FileReplacement() = default;
FileReplacement::FileReplacement(FileReplacement&& other) noexcept = default;
FileReplacement& FileReplacement::operator=(FileReplacement&& other) noexcept = default;
FileReplacement::~FileReplacement() = default;

FileReplacement FileReplacement::open(const std::u16string& devicePath) {
    FileReplacement made;
    const auto fail = [&made](int error) -> FileReplacement {
        made.state.reset();
        made.openError = error ? error : EIO;
        return std::move(made);
    };
    const std::optional<DevicePath> path = splitDevicePath(devicePath);
    if (!path || path->leaf.empty()) return fail(EINVAL);
    Descriptor folder = openParentFolder(*path, true);
    if (!folder) return fail(errno);
    if (const int refusal = refusalOfTarget(folder.get(), path->leaf)) return fail(refusal);
    std::string temporary;
    Descriptor file = makeTemporary(folder.get(), path->leaf, temporary);
    if (!file) return fail(errno);
    made.state = std::make_unique<State>();
    made.state->temporary = temporary;
    made.state->target = path->leaf;
    std::FILE* stream = ::fdopen(file.get(), "wb");
    if (!stream) {
        ::unlinkat(folder.get(), temporary.c_str(), 0);
        return fail(errno);
    }
    file.release();
    made.state->folder = std::move(folder);
    made.state->stream = stream;
    return made;
}

std::FILE* FileReplacement::stream() const { return state ? state->stream : nullptr; }

int FileReplacement::commit() {
    if (!state) return openError ? openError : EBADF;
    const std::unique_ptr<State> done = std::move(state);
    std::FILE* stream = std::exchange(done->stream, nullptr);
    int error = 0;
    errno = 0;
    if (std::fflush(stream) != 0 || std::ferror(stream)) error = errno ? errno : EIO;
    if (!error && ::fsync(::fileno(stream)) != 0) error = errno;
    if (std::fclose(stream) != 0 && !error) error = errno ? errno : EIO;
    const int folder = done->folder.get();
    if (!error && ::renameat(folder, done->temporary.c_str(), folder, done->target.c_str()) != 0) error = errno;
    if (error) {
        ::unlinkat(folder, done->temporary.c_str(), 0);
        return error;
    }
    // The new file is in place either way; a folder that cannot be synced is no reason to report failure.
    ::fsync(folder);
    return 0;
}

void FileReplacement::discard() { state.reset(); }

}  // namespace platform
