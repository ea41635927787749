// Paths on the device root, the refusal of paths that leave it, folders, and saves that fail or share
// a file. (Kills during saves and full disks are put to the whole program in tests/frontend.)
#include <unistd.h>

#include <cerrno>

#include "common/DataRootTest.h"
#include "storage/DataFile.h"
#include "storage/Files.h"

namespace {

using FilesTest = DataRootTest;
using std::filesystem::perms;

TEST_F(FilesTest, PathsResolveBelowTheDataRoot) {
    const struct {
        WString path, resolved;
        std::string host;
    } cases[] = {
        {u"settings.dat", u"\\settings.dat", "/settings.dat"},  // the program's folder is the root
        {u"\\My Documents\\Brinmoor Arcade\\Vortellanox\\highscores.dat",
         u"\\My Documents\\Brinmoor Arcade\\Vortellanox\\highscores.dat",
         "/My Documents/Brinmoor Arcade/Vortellanox/highscores.dat"},
        {u"C:\\x\\y.dat", u"C:\\x\\y.dat", "/x/y.dat"},  // the drive is the one volume there is
        {u"\\abc", u"\\abc", "/abc"},
        {u"\\ab", u"\\\\ab", "/ab"},  // under four characters even a leading backslash is relative
        {u"a/.\\b.dat", u"\\a/.\\b.dat", "/a/b.dat"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(resolvePath(c.path), c.resolved);
        EXPECT_EQ(platform::hostPath(resolvePath(c.path)), root.string() + c.host);
    }
    EXPECT_EQ(replaceFile(u"\\ab").commit(), 0);
    EXPECT_TRUE(std::filesystem::is_regular_file(host("ab")));
}

TEST_F(FilesTest, NoPathLeavesTheRoot) {
    const std::string escapee = root.filename().string() + "-escape.dat";
    const WString name = widenAscii(escapee.c_str());
    std::filesystem::create_directory(host("a"));
    for (const WString& path : {u"\\..\\" + name, u"..\\" + name, u"\\a\\..\\..\\" + name, u"x/../../" + name,
                                u"C:\\..\\" + name, WString(u"\\a\0b.dat", 8)}) {
        EXPECT_EQ(platform::hostPath(resolvePath(path)), "");
        EXPECT_FALSE(replaceFile(path));
        EXPECT_FALSE(createFolder(path));
    }
    EXPECT_FALSE(std::filesystem::exists(root.parent_path() / escapee));

    // Nor through a link that someone left below the root.
    const std::filesystem::path elsewhere = root.string() + "-elsewhere";
    std::filesystem::create_directory(elsewhere);
    std::ofstream(elsewhere / "secret.dat") << "1\n";
    std::filesystem::create_directory_symlink(elsewhere, host("linked"));
    std::filesystem::create_symlink(elsewhere / "secret.dat", host("secret.dat"));
    EXPECT_FALSE(replaceFile(u"\\linked\\new.dat"));
    EXPECT_EQ(openFile(u"secret.dat"), nullptr);
    EXPECT_FALSE(createFolder(u"\\linked\\sub"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(elsewhere), {}), 1);
    std::filesystem::remove_all(elsewhere);
}

TEST_F(FilesTest, FoldersAreMadeParentFirstForTheUserAlone) {
    EXPECT_FALSE(createFolder(u"\\My Documents\\Brinmoor Arcade")) << "its parent does not exist yet";
    EXPECT_TRUE(createFolder(u"\\My Documents"));
    EXPECT_TRUE(createFolder(u"\\My Documents\\Brinmoor Arcade"));
    putBytes("My Documents/Brinmoor Arcade/keep.dat", "kept");
    EXPECT_TRUE(createFolder(u"\\My Documents\\Brinmoor Arcade")) << "an existing folder is fine";
    EXPECT_EQ(bytesOf("My Documents/Brinmoor Arcade/keep.dat"), "kept");
    EXPECT_EQ(std::filesystem::status(host("My Documents/Brinmoor Arcade")).permissions() & perms::all,
              perms::owner_all);
    EXPECT_FALSE(createFolder(u"\\My Documents\\Brinmoor Arcade\\keep.dat")) << "a file is no folder";

    // A data root that does not exist yet is made by the first write, not by a read.
    const std::filesystem::path nested = root / "deeper" / "vortellanox";
    platform::setDataRoot(nested.string());
    EXPECT_EQ(openFile(u"settings.dat"), nullptr);
    EXPECT_FALSE(std::filesystem::exists(root / "deeper"));
    EXPECT_EQ(replaceFile(u"settings.dat").commit(), 0);
    EXPECT_TRUE(std::filesystem::is_regular_file(nested / "settings.dat"));
    EXPECT_EQ(std::filesystem::status(nested).permissions() & perms::all, perms::owner_all);
}

// A root the system cannot hold is refused at start; a mistyped deep path never becomes a tower of
// folders; with no root given, a relative XDG_DATA_HOME is passed over (an absolute one the scripts use).
TEST_F(FilesTest, WhichDataRootsAreUsable) {
    EXPECT_EQ(platform::dataRootProblem(root.string()), "");
    EXPECT_NE(platform::dataRootProblem(std::string(5000, 'a')), "");
    std::string deep = root.string();
    for (int level = 0; level < 40; ++level) deep += "/d";
    platform::setDataRoot(deep);
    EXPECT_FALSE(createFolder(u"\\My Documents"));
    EXPECT_FALSE(std::filesystem::exists(host("d")));

    platform::setDataRoot("");
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string previous = saved ? saved : "";
    setenv("XDG_DATA_HOME", "relative/ignored", 1);
    EXPECT_TRUE(platform::dataRoot().ends_with("/.local/share/vortellanox")) << platform::dataRoot();
    saved ? setenv("XDG_DATA_HOME", previous.c_str(), 1) : unsetenv("XDG_DATA_HOME");
}

// A save that cannot be written fails with a reason and leaves what is in its way whole.
TEST_F(FilesTest, WhatIsInTheWayMakesTheSaveFailWithAReason) {
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
TEST_F(FilesTest, ReplacementsKeepToTheirOwnTemporaryFiles) {
    for (int n = 0; n < 40; ++n)
        std::filesystem::create_directory(
            host(".t.dat." + std::to_string(getpid()) + "-" + std::to_string(n) + ".tmp"));
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
    startedWith("dropped").discard();
    EXPECT_EQ(bytesOf("t.dat"), "first");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root), {}), 42) << "t.dat and the folders alone";
}

}  // namespace
