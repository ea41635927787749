#include "storage/DataFile.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "storage/Files.h"

namespace {

// fgets-style buffer sizes: a line read into one holds at most one byte less.
constexpr size_t integerLineBuffer = 100;
constexpr size_t markerLineBuffer = 12;
constexpr int32_t longestString = 100000;
constexpr std::string_view sectionMarker = "\x01\x02\x03\x04\x05\x06\x07\x08\x09\n";
constexpr size_t inversionChunk = 65536;

constexpr char inverted(char byte) { return static_cast<char>(~static_cast<unsigned char>(byte)); }

bool isSectionMarker(std::string_view line) {
    line = line.substr(0, line.find('\0'));
    return line.size() >= 9 && line.substr(0, 9) == sectionMarker.substr(0, 9);
}

constexpr bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// As atoi reads a line: leading white space, an optional sign, digits up to the first other byte;
// a line without a number gives 0. Values beyond 32 bits are held at the nearest limit.
int32_t parseInteger(std::string_view line) {
    size_t i = 0;
    while (i < line.size() && isSpace(line[i])) ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
    constexpr int64_t limit = int64_t{1} << 31;
    int64_t magnitude = 0;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
        magnitude = std::min(magnitude * 10 + (line[i] - '0'), limit);
    }
    if (negative) return static_cast<int32_t>(-magnitude);
    return static_cast<int32_t>(std::min(magnitude, limit - 1));
}

}  // namespace

bool DataFile::open(const WString& path, std::u16string_view mode, uint8_t forWriting, DiskForm form) {
    close();
    file = openFile(path, mode);
    writing = forWriting;
    length = 0;
    diskForm = form;
    return file != nullptr;
}

bool DataFile::openForWrite(const WString& path, DiskForm form) { return open(path, u"wb", 1, form); }

bool DataFile::openForRead(const WString& path, DiskForm form) { return open(path, u"rb", 0, form); }

bool DataFile::openWithHeader(const WString& path, WString& name, int32_t& version, int mode, DiskForm form) {
    if (mode != 0 && mode != 1) return false;
    const bool opened = mode == 0 ? openForWrite(path, form) : openForRead(path, form);
    uint8_t flag = 1;
    exchangeString(name);
    exchangeInt(version);
    exchangeBool(flag);
    return opened;
}

bool DataFile::openAndInvert(const WString& path) {
    const uint8_t wasWriting = writing;
    const bool opened = open(path, u"rb+", wasWriting, DiskForm::Plain);
    if (opened) invertFile();
    return opened;
}

int DataFile::close() {
    const int result = closeFile(file);
    file = nullptr;
    return result;
}

uint32_t DataFile::fileLength() { return streamLength(file); }

bool DataFile::beginSection() {
    inSection = 1;
    sectionEnded = 0;
    if (!file) return false;
    if (writing) {
        writeMarker();
        return true;
    }
    std::string line;
    return readLine(markerLineBuffer, line) && isSectionMarker(line);
}

bool DataFile::endSection() {
    inSection = 0;
    if (writing) {
        sectionEnded = 0;
        if (!file) return false;
        writeMarker();
        return true;
    }
    // The record read that met the end marker has consumed it already.
    if (sectionEnded) {
        sectionEnded = 0;
        return false;
    }
    std::string line;
    return readLine(markerLineBuffer, line) && isSectionMarker(line);
}

void DataFile::exchangeInt(int32_t& value) {
    if (sectionEnded || !file) return;
    if (writing) {
        writeInteger(value);
    } else {
        readIntegerLine(value);
    }
}

void DataFile::exchangeBool(uint8_t& flag) {
    if (sectionEnded || !file) return;
    if (writing) {
        writeInteger(flag);
        return;
    }
    int32_t number = 0;
    if (readIntegerLine(number)) flag = number == 1 ? 1 : 0;
}

void DataFile::exchangeString(WString& text) {
    if (sectionEnded || !file) return;
    if (writing) {
        const std::string bytes = narrow(text);
        writeInteger(static_cast<int64_t>(bytes.size()));
        if (bytes.empty()) return;
        write(bytes);
        write("\n");
        return;
    }
    int32_t count = 0;
    if (!readIntegerLine(count)) return;
    if (count < 1 || count > longestString) {
        text.clear();
        return;
    }
    // The content line normally holds the count's bytes and a line feed; a shorter line ends the
    // string early and a longer one leaves its rest for the next record.
    std::string line;
    if (!readLine(static_cast<size_t>(count) + 3, line) || endsSectionEarly(line)) return;
    line.resize(std::min(line.size(), static_cast<size_t>(count)));
    text = widen(line);
}

void DataFile::invertFile() {
    if (!file) return;
    std::fseek(file, 0, SEEK_SET);
    length = fileLength();
    // In chunks rather than all at once, so that a file of any size costs only one chunk of memory.
    std::vector<char> chunk(std::min<size_t>(length, inversionChunk));
    for (uint32_t done = 0; done < length;) {
        const size_t wanted = std::min<size_t>(chunk.size(), length - done);
        if (std::fseek(file, done, SEEK_SET) != 0) break;
        const size_t got = std::fread(chunk.data(), 1, wanted, file);
        if (got == 0) break;
        std::transform(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(got), chunk.begin(), inverted);
        if (std::fseek(file, done, SEEK_SET) != 0 || std::fwrite(chunk.data(), 1, got, file) != got) break;
        done += static_cast<uint32_t>(got);
    }
    // fseek, not rewind: rewind would clear a write error that close must still report.
    std::fseek(file, 0, SEEK_SET);
}

// Reads as fgets does into a buffer of bufferSize bytes: up to and including a line feed, at most
// bufferSize - 1 bytes. False at the end of the file or on a read error.
bool DataFile::readLine(size_t bufferSize, std::string& line) {
    line.clear();
    if (!file) return false;
    while (line.size() + 1 < bufferSize) {
        const int c = std::getc(file);
        if (c == EOF) break;
        const char byte = diskForm == DiskForm::Inverted ? inverted(static_cast<char>(c)) : static_cast<char>(c);
        line.push_back(byte);
        if (byte == '\n') break;
    }
    return !line.empty() && !std::ferror(file);
}

bool DataFile::readIntegerLine(int32_t& value) {
    std::string line;
    if (!readLine(integerLineBuffer, line) || endsSectionEarly(line)) return false;
    value = parseInteger(line);
    return true;
}

// Inside a section, a marker where a record should be is the section's end, met early.
bool DataFile::endsSectionEarly(const std::string& line) {
    if (!inSection || !isSectionMarker(line)) return false;
    sectionEnded = 1;
    return true;
}

void DataFile::write(std::string_view bytes) {
    if (!file) return;
    if (diskForm == DiskForm::Plain) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        return;
    }
    std::string stored(bytes);
    std::transform(stored.begin(), stored.end(), stored.begin(), inverted);
    std::fwrite(stored.data(), 1, stored.size(), file);
}

void DataFile::writeInteger(int64_t value) {
    char text[24];
    const auto end = std::to_chars(text, text + sizeof text - 1, value).ptr;
    *end = '\n';
    write(std::string_view(text, static_cast<size_t>(end - text) + 1));
}

void DataFile::writeMarker() { write(sectionMarker); }
