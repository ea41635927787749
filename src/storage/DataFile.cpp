#include "storage/DataFile.h"

#include <algorithm>
#include <charconv>

#include "storage/Files.h"

namespace {

// fgets-style buffer sizes: a line read into one holds at most one byte less.
constexpr size_t integerLineBuffer = 100;
constexpr size_t markerLineBuffer = 12;
constexpr int32_t longestString = 100000;
constexpr std::string_view sectionMarker = "\x01\x02\x03\x04\x05\x06\x07\x08\x09\n";

constexpr char inverted(char byte) { return static_cast<char>(~static_cast<unsigned char>(byte)); }

bool isSectionMarker(std::string_view line) {
    line = line.substr(0, line.find('\0'));
    return line.size() >= 9 && line.substr(0, 9) == sectionMarker.substr(0, 9);
}

constexpr bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// As atoi reads a line: leading white space, an optional sign, digits up to the first other byte.
// False for a line without a number, so that its record keeps its default. Values beyond 63 bits
// are held at the nearest limit.
bool parseInteger(std::string_view line, int64_t& value) {
    size_t i = 0;
    while (i < line.size() && isSpace(line[i])) ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
    if (i == line.size() || line[i] < '0' || line[i] > '9') return false;
    constexpr int64_t limit = INT64_MAX / 10 - 10;
    int64_t magnitude = 0;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
        magnitude = std::min(magnitude * 10 + (line[i] - '0'), limit);
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

int32_t heldTo32Bits(int64_t value) { return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX)); }

}  // namespace

bool DataFile::openReplacement(const WString& path, DiskForm form) {
    close();
    replacement = replaceFile(path);
    openError = replacement.error();
    file = replacement.stream();
    written = 0;
    digest = digestStart;
    diskForm = form;
    return file != nullptr;
}

bool DataFile::openForWrite(const WString& path, DiskForm form) {
    writing = 1;
    return openReplacement(path, form);
}

bool DataFile::openForRead(const WString& path, DiskForm form) {
    close();
    file = openFile(path);
    writing = 0;
    diskForm = form;
    return file != nullptr;
}

bool DataFile::openWithHeader(const WString& path, WString& name, int32_t& version, FileMode mode, DiskForm form) {
    const bool opened = mode == FileMode::Write ? openForWrite(path, form) : openForRead(path, form);
    uint8_t flag = 1;
    exchangeString(name);
    exchangeInt(version);
    exchangeBool(flag);
    return opened;
}

int DataFile::close() {
    int result = 0;
    if (replacement || openError) {
        result = replacement ? replacement.commit() : openError;
    } else {
        result = closeFile(file);
    }
    openError = 0;
    file = nullptr;
    return result;
}

platform::FileReplacement DataFile::takeReplacement() {
    file = nullptr;
    openError = 0;
    return std::move(replacement);
}

int64_t DataFile::fileLength() { return streamLength(file); }

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
        return;
    }
    int64_t number = 0;
    if (readIntegerLine(number)) value = heldTo32Bits(number);
}

void DataFile::exchangeLength(int64_t& value) {
    if (sectionEnded || !file) return;
    if (writing) {
        writeInteger(value);
        return;
    }
    int64_t number = 0;
    if (readIntegerLine(number)) value = number;
}

void DataFile::exchangeBool(uint8_t& flag) {
    if (sectionEnded || !file) return;
    if (writing) {
        writeInteger(flag);
        return;
    }
    int64_t number = 0;
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
    int64_t count = 0;
    if (!readIntegerLine(count)) return;
    if (count < 1 || count > longestString) {
        text.clear();
        return;
    }
    // The content line normally holds the count's bytes and a line feed; a shorter line ends the
    // string early and a longer one leaves its rest for the next record. The line feed never belongs
    // to the string, even where the count covers it: written back, it would add a line.
    std::string line;
    if (!readLine(static_cast<size_t>(count) + 3, line) || endsSectionEarly(line)) return;
    line.resize(std::min(line.size(), static_cast<size_t>(count)));
    if (!line.empty() && line.back() == '\n') line.pop_back();
    text = widen(line);
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

// False when no line could be read, the section ended, or the line holds no number.
bool DataFile::readIntegerLine(int64_t& value) {
    std::string line;
    if (!readLine(integerLineBuffer, line) || endsSectionEarly(line)) return false;
    return parseInteger(line, value);
}

// Inside a section, a marker where a record should be is the section's end, met early.
bool DataFile::endsSectionEarly(const std::string& line) {
    if (!inSection || !isSectionMarker(line)) return false;
    sectionEnded = 1;
    return true;
}

void DataFile::write(std::string_view bytes) {
    if (!file) return;
    std::string stored(bytes);
    if (diskForm == DiskForm::Inverted) std::transform(stored.begin(), stored.end(), stored.begin(), inverted);
    std::fwrite(stored.data(), 1, stored.size(), file);
    written += stored.size();
    digest = extendDigest(digest, stored);
}

void DataFile::writeInteger(int64_t value) {
    char text[24];
    const auto end = std::to_chars(text, text + sizeof text - 1, value).ptr;
    *end = '\n';
    write(std::string_view(text, static_cast<size_t>(end - text) + 1));
}

void DataFile::writeMarker() { write(sectionMarker); }
