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

std::FILE* openFile(const WString& path, std::u16string_view mode) {
    platform::FileAccess access;
    if (mode == u"rb") {
        access = platform::FileAccess::Read;
    } else if (mode == u"wb") {
        access = platform::FileAccess::Write;
    } else if (mode == u"rb+" || mode == u"r+b") {
        access = platform::FileAccess::Update;
    } else {
        return nullptr;
    }
    return platform::openDeviceFile(resolvePath(path), access);
}

int closeFile(std::FILE* file) { return platform::closeDeviceFile(file); }

uint32_t streamLength(std::FILE* file) {
    if (!file) return 0xFFFFFFFF;
    std::rewind(file);
    std::fseek(file, 0, SEEK_END);
    const long position = std::ftell(file);
    std::rewind(file);
    return static_cast<uint32_t>(position);
}

bool rewindStream(std::FILE* file) {
    if (!file) return false;
    std::fseek(file, 0, SEEK_SET);
    return true;
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
