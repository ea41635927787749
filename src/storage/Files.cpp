#include "storage/Files.h"

#include "platform/Platform.h"

namespace {

bool isAbsolute(const WString& path) {
    if (path.size() < 4) return false;
    return path[0] == u'\\' || (path[1] == u':' && path[2] == u'\\');
}

}  // namespace

WString resolvePath(const WString& path) {
    if (isAbsolute(path)) return path;
    return platform::programFolder() + path;
}

std::FILE* openFile(const WString& path) { return platform::openDeviceFile(resolvePath(path)); }

platform::FileReplacement replaceFile(const WString& path) {
    return platform::FileReplacement::open(resolvePath(path));
}

int closeFile(std::FILE* file) { return file ? std::fclose(file) : 0; }

int64_t streamLength(std::FILE* file) {
    if (!file) return -1;
    std::rewind(file);
    std::fseek(file, 0, SEEK_END);
    const long position = std::ftell(file);
    std::rewind(file);
    return position;
}

bool removeFile(const WString& path) { return platform::removeDeviceFile(resolvePath(path)); }

uint64_t extendDigest(uint64_t digest, std::string_view bytes) {
    for (const char byte : bytes) digest = (digest ^ static_cast<unsigned char>(byte)) * 0x100000001B3ull;
    return digest;
}

bool digestFile(const WString& path, int64_t& length, uint64_t& digest) {
    std::FILE* file = openFile(path);
    if (!file) return false;
    length = 0;
    digest = digestStart;
    char buffer[65536];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
        digest = extendDigest(digest, std::string_view(buffer, got));
        length += static_cast<int64_t>(got);
    }
    const bool whole = !std::ferror(file);
    std::fclose(file);
    return whole;
}

bool createFolder(const WString& path) { return platform::createDeviceFolder(resolvePath(path)); }

WString widen(std::string_view bytes) {
    WString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        if (byte == '\0') break;
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(byte)));
    }
    return text;
}

std::string narrow(const WString& text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const char16_t unit : text) {
        const char byte = static_cast<char>(unit & 0xFF);
        if (byte == '\0') break;
        bytes.push_back(byte);
    }
    return bytes;
}
