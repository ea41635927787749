// A save that cannot be written fails with a reason and leaves the old file whole; saves never take
// each other's temporary files. (Kills during saves and full disks are put to the whole program in
// tests/frontend/DataFilesTest.cpp.)
#include <unistd.h>

#include <cerrno>

#include "StorageFixture.h"
#include "storage/DataFile.h"
#include "storage/Files.h"

namespace {

using SaveSafetyTest = StorageTest;

TEST_F(SaveSafetyTest, WhatIsInTheWayMakesTheSaveFailWithAReason) {
    putBytes("My Documents", "not a folder");
    EXPECT_FALSE(createFolder(u"\\My Documents\\Brinmoor Arcade"));
    DataFile data;
    EXPECT_FALSE(data.openForWrite(u"\\My Documents\\x.dat"));
    EXPECT_NE(data.close(), 0);
    EXPECT_EQ(bytesOf("My Documents"), "not a folder");

    std::filesystem::create_directory(host("settings.dat"));
    EXPECT_FALSE(data.openForWrite(u"settings.dat"));
    EXPECT_EQ(data.close(), EISDIR) << "the failed open is the close's answer";
}

// Every replacement has a temporary file of its own: two saves of one file never remove each other's,
// and folders lying under the names a save would take only make it take another.
TEST_F(SaveSafetyTest, ReplacementsKeepToTheirOwnTemporaryFiles) {
    for (int n = 0; n < 40; ++n) {
        std::filesystem::create_directory(
            host(".t.dat." + std::to_string(getpid()) + "-" + std::to_string(n) + ".tmp"));
    }
    std::filesystem::create_directory(host(".t.dat.partial"));
    const auto startedWith = [](const char* bytes) {
        platform::FileReplacement file = replaceFile(u"t.dat");
        if (file) std::fputs(bytes, file.stream());
        return file;
    };
    platform::FileReplacement first = startedWith("first"), second = startedWith("second");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(second.commit(), 0);
    EXPECT_EQ(first.commit(), 0) << "the other save took nothing of this one's";
    EXPECT_EQ(bytesOf("t.dat"), "first");
    platform::FileReplacement dropped = startedWith("dropped");
    dropped.discard();
    EXPECT_EQ(bytesOf("t.dat"), "first");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root), {}), 42) << "t.dat and the folders alone";
}

}  // namespace
