// A save that is killed or that cannot be written must leave the previous file whole.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "StorageFixture.h"
#include "storage/DataFile.h"
#include "storage/Files.h"

namespace {

using SaveSafetyTest = StorageTest;
const WString scorePath = u"\\My Documents\\Brinmoor Arcade\\Vortellanox\\highscores.dat";
const std::string scoreFile = "My Documents/Brinmoor Arcade/Vortellanox/highscores.dat";

// Row texts long enough that one save takes many writes.
WString rowText(int32_t version, int row) {
    return WString(static_cast<size_t>(200 + (version * 37 + row * 101) % 900), static_cast<char16_t>(u'a' + row));
}

// Saves (writing) or checks (reading) one complete version: its number, 20 rows and an end mark.
// Reading answers the version found, or -1 when the file is not exactly one complete version.
int32_t exchangeVersion(DataFile& data, int32_t version) {
    data.exchangeInt(version);
    bool whole = version >= 0;
    for (int row = 0; row < 20 && whole; ++row) {
        WString text = rowText(version, row);
        int32_t score = version * 10 + row;
        data.exchangeString(text);
        data.exchangeInt(score);
        whole = text == rowText(version, row) && score == version * 10 + row;
    }
    int32_t mark = 4242, beyond = -1;
    data.exchangeInt(mark);
    data.exchangeInt(beyond);
    return whole && mark == 4242 && beyond == -1 ? version : -1;
}

int saveVersion(int32_t version) {
    DataFile data;
    if (!data.openForWrite(scorePath, DiskForm::Inverted)) return -1;
    exchangeVersion(data, version);
    return data.close();
}

int32_t versionOnDisk() {
    DataFile data;
    return data.openForRead(scorePath, DiskForm::Inverted) ? exchangeVersion(data, -1) : -1;
}

// Runs body in a child process whose file size is limited, which makes the disk "full" even for
// the superuser; answers the child's exit status.
template <typename Body>
int withFullDisk(Body body) {
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1024, 1024};
        _exit(setrlimit(RLIMIT_FSIZE, &limit) == 0 ? body() : 100);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(SaveSafetyTest, AKillDuringASaveLeavesOneCompleteVersion) {
    std::filesystem::create_directories(host(scoreFile).parent_path());
    ASSERT_EQ(saveVersion(0), 0);
    std::mt19937 chance(20240613);
    int32_t newest = 0;
    for (int kill = 0; kill < 30; ++kill) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int32_t version = newest + 1;; ++version) saveVersion(version);
        }
        usleep(std::uniform_int_distribution<useconds_t>(0, 20000)(chance));
        ::kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const int32_t found = versionOnDisk();
        ASSERT_GE(found, newest) << "after kill " << kill;
        newest = found;
    }
}

TEST_F(SaveSafetyTest, AWriteThatFailsIsReportedAndKeepsTheOldFile) {
    std::filesystem::create_directories(host(scoreFile).parent_path());
    ASSERT_EQ(saveVersion(5), 0);
    const std::string before = bytesOf(scoreFile);
    const int status = withFullDisk([] {
        DataFile data;
        const bool inversionFailed = !data.openAndInvert(scorePath) || data.close() != 0;
        return saveVersion(6) != 0 && inversionFailed ? 0 : 1;
    });
    ASSERT_NE(status, 100) << "the file size limit could not be set";
    EXPECT_EQ(status, 0) << "close reports the failed write";
    EXPECT_EQ(bytesOf(scoreFile), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(host(scoreFile).parent_path()), {}), 1)
        << "the unfinished temporary file is removed";
}

TEST_F(SaveSafetyTest, WhatIsInTheWayMakesTheSaveFailWithAReason) {
    putBytes("My Documents", "not a folder");
    EXPECT_FALSE(createFolder(u"\\My Documents\\Brinmoor Arcade"));
    EXPECT_NE(saveVersion(1), 0);
    EXPECT_EQ(bytesOf("My Documents"), "not a folder");

    std::filesystem::create_directory(host("settings.dat"));
    DataFile data;
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
        platform::FileReplacement file = replaceFile(u"t.dat", platform::ReplacementStart::Empty);
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
