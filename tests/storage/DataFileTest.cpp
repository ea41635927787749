// The record layer: how each record kind is encoded, how reads fail, sections, and what is no file to read.
#include <sys/stat.h>

#include "common/DataRootTest.h"
#include "storage/DataFile.h"

namespace {

using DataFileTest = DataRootTest;
const WString settingsPath = u"settings.dat";
const std::string marker = "\x01\x02\x03\x04\x05\x06\x07\x08\x09\n";

TEST_F(DataFileTest, EachRecordKindHasItsExactBytesAndReadsBack) {
    DataFile data;
    int32_t minusSeven = -7;
    uint8_t yes = 1, no = 0;
    // Texts are stored by their low bytes: U+0100's zero ends the text, a line feed splits the record.
    WString texts[] = {u"abc", u"", u"\u0141x", u"a\u0100b", u"a\nb"};
    ASSERT_TRUE(data.openForWrite(settingsPath));
    data.exchangeInt(minusSeven);
    data.exchangeBool(yes);
    data.exchangeBool(no);
    for (WString& text : texts) data.exchangeString(text);
    ASSERT_EQ(data.close(), 0);
    EXPECT_EQ(bytesOf("settings.dat"), "-7\n1\n0\n3\nabc\n0\n2\nAx\n1\na\n3\na\nb\n");

    putBytes("settings.dat", bytesOf("settings.dat") + "2\n");
    ASSERT_TRUE(data.openForRead(settingsPath));
    int32_t number = 0, tail = -1, missing = 42;
    uint8_t one = 0, zero = 1, two = 1, unread = 1;
    WString unreadText = u"default";
    for (WString& text : texts) text = u"x";
    data.exchangeInt(number);
    data.exchangeBool(one);
    data.exchangeBool(zero);
    for (WString& text : texts) data.exchangeString(text);
    data.exchangeInt(tail);
    data.exchangeBool(two);
    data.exchangeInt(missing);  // past the end: every kind keeps its value
    data.exchangeBool(unread);
    data.exchangeString(unreadText);
    EXPECT_EQ(std::make_tuple(number, one, zero), std::make_tuple(-7, 1, 0));
    EXPECT_EQ(std::vector<WString>(std::begin(texts), std::end(texts)),
              (std::vector<WString>{u"abc", u"", u"Ax", u"a", u"a"}));
    EXPECT_EQ(tail, -1) << "the rest of the broken text is read as a record of its own, and is no number";
    EXPECT_EQ(two, 0) << "only exactly 1 is true";
    EXPECT_EQ(std::make_tuple(missing, unread, unreadText), std::make_tuple(42, 1, u"default"));
}

TEST_F(DataFileTest, ASectionEndedEarlyKeepsDefaultsAndReadingResumesAfterIt) {
    putBytes("settings.dat", marker + "1\n2\n" + marker + "99\n5\nafter\n" + marker + "8\n" + marker + "3\n");
    DataFile data;
    ASSERT_TRUE(data.openForRead(settingsPath));
    int32_t one = 0, two = 0, three = 77, after = 0, last = 0;
    WString inside = u"kept", text, early = u"kept";
    EXPECT_TRUE(data.beginSection());
    data.exchangeInt(one);
    data.exchangeInt(two);
    data.exchangeInt(three);      // meets the end marker
    data.exchangeString(inside);  // does nothing until endSection
    EXPECT_FALSE(data.endSection()) << "the marker was consumed by the read that met it";
    data.exchangeInt(after);
    data.exchangeString(text);
    data.beginSection();
    data.exchangeString(early);  // the marker where a string's text should be
    data.endSection();
    data.exchangeInt(last);
    EXPECT_EQ(std::make_tuple(one, two, three, inside, after, text, early, last),
              std::make_tuple(1, 2, 77, u"kept", 99, u"after", u"kept", 3));
}

// Hand-edited files: each case is read as a string record, then an integer record.
TEST_F(DataFileTest, HostileRecordsReadAsTheFormatSays) {
    const std::string longest(100000, 'q');
    const struct {
        std::string bytes;
        WString text;
        int32_t next;
    } cases[] = {
        {"2147483647\n3\n", u"", 3},  // counts out of range empty the text and read no content line
        {"-5\n3\n", u"", 3},
        {"100001\n3\n", u"", 3},
        {"100000\n" + longest + "\n3\n", WString(longest.begin(), longest.end()), 3},
        {"10\nabc\n7\n", u"abc", 7},     // a content line shorter than its count
        {"4\nabc\n7\n", u"abc", 7},      // a count that covers the line feed: it is still no part of the text
        {"3\nabcdef\n7\n", u"abc", -1},  // a longer one leaves its rest ("f") for the next record
        {std::string("3\na\0c\n7\n", 8), u"a", 7},
        {"3\nxyz", u"xyz", -1},  // no final line feed
        {"3\n", u"unchanged", -1},
        {std::string(1, '\0') + "8\n", u"unchanged", -1},  // a zero before the digits: no number, the text kept
        {"x\n7\n", u"unchanged", 7},
        {"0\n99999999999999999999\n", u"", INT32_MAX},
        {"0\n-99999999999\n", u"", INT32_MIN},
        {"0\n  +12abc\n", u"", 12},
        {"0\n" + std::string(120, ' ') + "5\n", u"", -1},  // a line longer than the integer buffer
        {"0\n-\n", u"", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.substr(0, 40));
        putBytes("settings.dat", c.bytes);
        DataFile data;
        ASSERT_TRUE(data.openForRead(settingsPath));
        WString text = u"unchanged";
        int32_t next = -1;
        data.exchangeString(text);
        data.exchangeInt(next);
        EXPECT_EQ(std::tie(text, next), std::tie(c.text, c.next));
    }
}

TEST_F(DataFileTest, AFolderOrANamedPipeIsNoFileToRead) {
    std::filesystem::create_directory(host("settings.dat"));
    ASSERT_EQ(mkfifo(host("pipe.dat").c_str(), 0600), 0);
    DataFile data;
    EXPECT_FALSE(data.openForRead(settingsPath));
    EXPECT_FALSE(data.openForRead(u"pipe.dat")) << "and it must not wait for a writer";
    EXPECT_TRUE(std::filesystem::is_directory(host("settings.dat")));
}

}  // namespace
