// A deterministic mutation fuzzer for the reading side. Files shaped like the game's two data files,
// damaged in many ways, and random bytes go through every way of opening and every record read.
// Nothing may crash or read out of bounds (the tests run under AddressSanitizer), and what comes
// back must be something a record can hold; undamaged files must read back exactly, and whatever a
// file held, saving what was read and reading it again changes nothing.
#include <unistd.h>

#include <algorithm>
#include <random>

#include "common/DataRootTest.h"
#include "storage/DataFile.h"

namespace {

// The records of both data files in one list: a header, a section, loose records and table rows.
struct Sample {
    WString texts[16];          // the header's name, then per row: spare, difficulty, mode
    int32_t numbers[12] = {};   // the header's version, the section's difficulty, then per row: score, level
    uint8_t flags[5] = {1, 0};  // four in the section, then the sound switch
    bool operator==(const Sample&) const = default;

    bool exchange(DataFile& data, FileMode mode, DiskForm form) {
        if (!data.openWithHeader(u"fuzz.dat", texts[0], numbers[0], mode, form)) return false;
        data.beginSection();
        for (int i = 0; i < 4; ++i) data.exchangeBool(flags[i]);
        data.exchangeInt(numbers[1]);
        data.endSection();
        data.exchangeBool(flags[4]);
        for (int row = 0; row < 5; ++row) {
            for (int i = 1; i <= 3; ++i) data.exchangeString(texts[row * 3 + i]);
            for (int i = 2; i <= 3; ++i) data.exchangeInt(numbers[row * 2 + i]);
        }
        return true;
    }

    // What any read may give: flags 0 or 1, texts of bytes 1..255 within the longest record.
    bool sane() const {
        return std::ranges::all_of(flags, [](uint8_t f) { return f <= 1; }) &&
               std::ranges::all_of(texts, [](const WString& text) {
                   return text.size() <= 100000 &&
                          std::ranges::all_of(text, [](char16_t u) { return u >= 1 && u <= 255; });
               });
    }
};

Sample randomSample(std::mt19937& chance) {
    Sample sample;
    for (WString& text : sample.texts) {
        text.assign(chance() % 3 == 0 ? 0 : chance() % 60, u'a');
        for (char16_t& unit : text) unit = static_cast<char16_t>(u' ' + chance() % 200);  // no line feed, no zero
    }
    for (int32_t& number : sample.numbers) number = static_cast<int32_t>(chance()) >> (chance() % 32);
    for (uint8_t& flag : sample.flags) flag = chance() % 2;
    return sample;
}

// One damage done to a file's bytes.
std::string mutate(std::string bytes, std::mt19937& chance) {
    static const std::string pieces[] = {"\n",       std::string(1, '\0'),   "\x01\x02\x03\x04\x05\x06\x07\x08\x09\n",
                                         "-",        "99999999999999999999", "100000\n",
                                         "100001\n", "-2147483648\n",        std::string(150, '7'),
                                         "\xF5",     "\x01\x02\x03"};
    const size_t at = chance() % (bytes.size() + 1);
    switch (chance() % 6) {
        case 0:  // a byte changed
            if (at < bytes.size()) bytes[at] = chance() % 2 ? static_cast<char>(chance()) : bytes[at] ^ 1;
            break;
        case 1:  // a meaningful piece put in
            bytes.insert(at, pieces[chance() % std::size(pieces)]);
            break;
        case 2:  // cut short
            bytes.resize(at);
            break;
        case 3:  // a stretch removed
            bytes.erase(at, chance() % 64);
            break;
        case 4:  // a stretch repeated
            bytes.insert(chance() % (bytes.size() + 1), bytes.substr(at, chance() % 64));
            break;
        default:  // all inverted, as a file read in the wrong form
            bytes = invertedBytes(bytes);
    }
    return bytes;
}

std::string randomBytes(std::mt19937& chance) {
    static constexpr std::string_view textBytes = "0123456789-\n\x01\x02\x03\x04\x05\x06\x07\x08\x09 a";
    std::string bytes(chance() % 300, '\0');
    const bool textLike = chance() % 2 == 0;
    for (char& byte : bytes) byte = textLike ? textBytes[chance() % textBytes.size()] : static_cast<char>(chance());
    return bytes;
}

class ReaderFuzzTest : public DataRootTest {
protected:
    // Thousands of saves: a memory file system keeps their syncs from costing a disk's time.
    std::filesystem::path parentFolder() const override {
        return access("/dev/shm", W_OK) == 0 ? "/dev/shm" : DataRootTest::parentFolder();
    }
};

TEST_F(ReaderFuzzTest, DamagedAndRandomFilesNeverBreakTheReader) {
    std::mt19937 chance(20240613);
    std::vector<std::string> seeds;
    DataFile data;
    for (int i = 0; i < 16; ++i) {
        Sample written = randomSample(chance), read;
        ASSERT_TRUE(written.exchange(data, FileMode::Write, DiskForm::Plain));
        ASSERT_EQ(data.close(), 0);
        seeds.push_back(bytesOf("fuzz.dat"));
        ASSERT_TRUE(read.exchange(data, FileMode::Read, DiskForm::Plain));
        ASSERT_EQ(read, written) << "seed " << i << " reads back as written";
    }
    for (int input = 0; input < 20000; ++input) {
        std::string bytes = input % 5 == 0 ? randomBytes(chance) : seeds[chance() % seeds.size()];
        for (unsigned damage = input % 5 == 0 ? 0 : 1 + chance() % 4; damage > 0; --damage)
            bytes = mutate(bytes, chance);
        putBytes("fuzz.dat", bytes);
        for (const DiskForm form : {DiskForm::Plain, DiskForm::Inverted}) {
            Sample read, again;
            ASSERT_TRUE(read.exchange(data, FileMode::Read, form));
            uint8_t extraFlag = 7;
            WString extraText;
            data.beginSection();  // records past the end, and a section with nothing expected in it
            data.exchangeBool(extraFlag);
            data.exchangeString(extraText);
            data.endSection();
            ASSERT_EQ(data.fileLength(), static_cast<int64_t>(bytes.size()));
            ASSERT_EQ(data.close(), 0);
            ASSERT_TRUE(read.sane() && (extraFlag <= 1 || extraFlag == 7)) << "input " << input;
            if (input % 4 != 0) continue;
            // Load, save, load: a fixed point, whatever the file held.
            ASSERT_TRUE(read.exchange(data, FileMode::Write, form));
            ASSERT_EQ(data.close(), 0);
            const std::string saved = bytesOf("fuzz.dat");
            ASSERT_TRUE(again.exchange(data, FileMode::Read, form));
            ASSERT_EQ(again, read) << "input " << input << " changed on its way through a save";
            ASSERT_TRUE(again.exchange(data, FileMode::Write, form));
            ASSERT_EQ(data.close(), 0);
            ASSERT_EQ(bytesOf("fuzz.dat"), saved) << "input " << input;
            putBytes("fuzz.dat", bytes);
        }
    }
}

}  // namespace
