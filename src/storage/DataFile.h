#pragma once
// A file of typed records, one record per line, that both saves and loads: every record operation is
// an exchange that writes the caller's variable when the file is open for writing and reads into it
// when the file is open for reading, so a record list is described once, by one function.
//
// Every line ends with one line feed (0x0A), no carriage returns:
//   integer  the value as signed decimal text ("-7", "0", "42")
//   boolean  an integer line holding 1 or 0; read back, exactly 1 is true and anything else false
//   string   narrowed to its low bytes and cut at the first zero byte; empty: one line "0"; otherwise
//            a line with the byte count n, then the n bytes and a line feed
//   section  the bytes 01 02 03 04 05 06 07 08 09 and a line feed, once at the start and once at the end
//   header   a string (the application's name), an integer (the version) and a boolean 1
// A file may be kept on disk with every byte inverted (255 - b), which keeps its text from being read
// or edited directly.
//
// Reading never fails loudly: a record that cannot be read (end of file, the end of a section met
// early, a number line that holds no number) leaves the caller's variable as it was, normally its
// default. Whatever a file holds, saving what was read and reading it again gives the same values.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "support/WString.h"

// Whether a file is opened to save records into it or to load them from it.
enum class FileMode { Write, Read };

// How a file's bytes lie on disk: as the records are, or every byte inverted.
enum class DiskForm { Plain, Inverted };

class DataFile {
public:
    DataFile() = default;
    ~DataFile() { close(); }
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;

    // Starts a replacement of path, empty. The file on disk is replaced only when close succeeds.
    bool openForWrite(const WString& path, DiskForm form = DiskForm::Plain);
    // False when path does not exist or cannot be read.
    bool openForRead(const WString& path, DiskForm form = DiskForm::Plain);
    // Writing, opens and writes the header from name and version; reading, opens and reads the header
    // into name and version (its flag is read and dropped). True when the file opened; the header is
    // not checked.
    bool openWithHeader(const WString& path, WString& name, int32_t& version, FileMode mode,
                        DiskForm form = DiskForm::Plain);
    // Closes the file. Written, the new bytes take the file's place: 0 on success, otherwise an error
    // number and the old file stays. Also the error of an open for writing that failed.
    int close();
    // Hands over the written, not yet committed file, so that the caller decides when it takes its
    // target's place (files that must change together are committed in a fixed order).
    platform::FileReplacement takeReplacement();

    // The open file's byte length in 64 bits; the file is left rewound. -1 with nothing open.
    int64_t fileLength();
    // The bytes written since the open, as they lie on disk: how many, and their digest.
    uint64_t bytesWritten() const { return written; }
    uint64_t writtenDigest() const { return digest; }

    // A section lets a reader that expects more records than the file holds stop at the section's end
    // with its defaults in place and carry on in step after it. Reading, both answer whether they
    // consumed a marker line.
    bool beginSection();
    bool endSection();

    void exchangeInt(int32_t& value);
    void exchangeBool(uint8_t& flag);
    void exchangeString(WString& text);
    // An integer record of 64 bits, for byte lengths (what a 32-bit record would wrap).
    void exchangeLength(int64_t& value);

private:
    bool openReplacement(const WString& path, DiskForm form);
    bool readLine(size_t bufferSize, std::string& line);
    bool readIntegerLine(int64_t& value);
    bool endsSectionEarly(const std::string& line);
    void write(std::string_view bytes);
    void writeInteger(int64_t value);
    void writeMarker();

    uint8_t writing = 0;
    std::FILE* file = nullptr;
    platform::FileReplacement replacement;  // the file being written, when writing
    int openError = 0;
    uint64_t written = 0;
    uint64_t digest = 0;
    uint8_t inSection = 0;
    uint8_t sectionEnded = 0;  // a read met the end marker: records do nothing until endSection
    DiskForm diskForm = DiskForm::Plain;
};
