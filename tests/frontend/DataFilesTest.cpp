// settings.dat and highscores.dat across runs: what a first start finds and leaves, what survives a
// restart, and what damaged, edited or missing files do.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <random>

#include "FrontEndFixture.h"

using namespace platform;

namespace {

const std::string header = "11\nVortellanox\n100\n1\n";
const std::string marker = "\x01\x02\x03\x04\x05\x06\x07\x08\x09\n";

}  // namespace

class DataFiles : public FrontEndTest {
protected:
    // Plays one game to its end with this score at level 3 and dismisses the game-over screen (after
    // the step given, if any), then switches the sound off and chooses the hard difficulty.
    void playOneGame(int32_t finalScore, const std::function<void()>& duringGameOver = {}) {
        boot(240, 320);
        game->finalScore = finalScore;
        game->finalLevel = 3;
        key('1');
        frame();
        key(keyG);
        waitMs(ArcadeGame::gameOverGuardMs + 25);
        if (duringGameOver) duringGameOver();
        for (const uint32_t code : {uint32_t{'0'}, keyM, uint32_t{'2'}, uint32_t{'1'}}) {
            key(code);
            frame();
        }
        game->difficultyIndex = 2;
    }
    // The files a first run leaves after one game scoring 30.
    void playFirstRun() {
        playOneGame(30);
        EXPECT_TRUE(closeWindow());
    }
};

TEST_F(DataFiles, FirstStartFindsDefaultsAndLeavesBothFiles) {
    boot(240, 320);
    EXPECT_TRUE(soundOn);
    EXPECT_EQ(scoresOf(*game), (std::vector<int32_t>{0, 0, 0, 0, 0}));
    EXPECT_TRUE(closeWindow());

    const std::string scores = bytesOf(scoresFile);
    const std::string emptyRow = "0\n0\n0\n0\n0\n";
    EXPECT_EQ(invertedBytes(scores), header + emptyRow + emptyRow + emptyRow + emptyRow + emptyRow);
    EXPECT_EQ(scores.find("Vortellanox"), std::string::npos) << "kept inverted on disk";
    EXPECT_EQ(bytesOf(settingsFile),
              header + marker + "1\n1\n1\n1\n1\n" + marker + "1\n" + std::to_string(scores.size()) + "\n");
}

// Settings are saved as the options screen is left, not only at exit, and the next start finds them. The
// sound's label follows the flag in the frame after the key or the tap that flips it.
TEST_F(DataFiles, SettingsAreSavedWhenTheirScreenIsLeft) {
    boot(240, 320);
    key('2');
    frame();
    std::vector<std::pair<bool, WString>> seen;
    for (int flip = 0; flip < 3; ++flip) {
        flip == 1 ? tap(game->soundCheckBox) : key('1');
        frame();
        seen.emplace_back(soundOn, game->soundCheckBox.text);
    }
    EXPECT_EQ(seen, (std::vector<std::pair<bool, WString>>{
                        {false, u"Sound Off (1)"}, {true, u"Sound On (1)"}, {false, u"Sound Off (1)"}}));
    frame();
    game->waitForSaves();
    EXPECT_EQ(bytesOf(settingsFile), "") << "not while the screen is up";
    key(VK_ESCAPE);
    frames(2);
    game->waitForSaves();
    EXPECT_NE(bytesOf(settingsFile).find(marker + "0\n"), std::string::npos) << "sound off, saved once it was left";
    boot(480, 640);
    EXPECT_FALSE(soundOn);
}

// A save cut off between its two files (a kill between the renames, or a settings.dat that cannot be
// written after highscores.dat was) never clears the table at the next start; the failure is told.
TEST_F(DataFiles, ASaveCutOffBetweenItsTwoFilesLosesNothing) {
    for (const bool killed : {true, false}) {
        SCOPED_TRACE(killed ? "killed between the renames" : "settings.dat could not be written");
        emptyDataRoot();
        playFirstRun();
        const std::string oldSettings = bytesOf(settingsFile);
        playOneGame(50, [&] {
            std::filesystem::remove(host(settingsFile));
            std::filesystem::create_directory(host(settingsFile));
        });
        game->waitForSaves();
        EXPECT_NE(game->notice.find(u"could not be saved"), WString::npos) << "the player is told";
        EXPECT_TRUE(closeWindow());
        EXPECT_NE(platform::shutdown(), 0) << "and the exit status says so";
        useScreen(240, 320);
        std::filesystem::remove(host(settingsFile));
        if (killed) putBytes(settingsFile, oldSettings);
        for (int start = 0; start < 2; ++start) {
            boot(240, 320);
            EXPECT_EQ(scoresOf(*game), (std::vector<int32_t>{50, 30, 0, 0, 0}));
            EXPECT_TRUE(soundOn) << "the settings of the save that was cut off";
        }
        shutDown();
        EXPECT_FALSE(std::filesystem::exists(host(".settings.dat.journal"))) << "the save was completed";
    }
}

// Damaged or edited files never stop the program: what can be read is used, the rest keeps its default. A
// high-score file whose length no longer matches the one the settings recorded loses its scores, and only
// them; an edit that keeps the length goes unnoticed, since the length is all that is checked.
TEST_F(DataFiles, DamagedOrEditedFilesLoadWhatTheyCan) {
    struct Case {
        const char* name;
        std::string settings, scores;  // the files found, the scores as plain text
        bool sound;
        int32_t score, difficulty;
        uint64_t unwritten = 0;  // bytes the high-score file grows by without being written
    };
    playFirstRun();  // sound off, difficulty 2, one game of 30
    const std::string saved = bytesOf(settingsFile), scores = invertedBytes(bytesOf(scoresFile));
    const std::string length = std::to_string(scores.size()) + "\n";
    const std::string options = header + marker + "1\n0\n1\n1\n";
    std::string sameLength = scores;
    sameLength.replace(sameLength.find("\n30\n"), 4, "\n90\n");
    const std::vector<Case> cases = {
        {"difficulty 7", options + "7\n" + marker + "0\n" + length, scores, false, 30, 7},
        {"sound flag 2", options + "1\n" + marker + "2\n" + length, scores, false, 30, 1},
        {"garbage lines", header + "hello\n\x01\x02junk\nworld\n-\n99999999999999999999\n", scores, true, 0, 1},
        {"truncated in the options", header + marker + "1\n0", scores, true, 0, 1},
        {"truncated before the length", options + "2\n" + marker + "0\n", scores, false, 0, 2},
        {"header only", header, scores, true, 0, 1},
        {"empty", "", scores, true, 0, 1},
        {"scores lengthened", saved, scores + "7\n", false, 0, 2},
        {"scores edited to the same length", saved, sameLength, false, 90, 2},
        // A length that a 32-bit record would wrap to the recorded one.
        {"scores 4 GiB longer", saved, scores, false, 0, 2, uint64_t{1} << 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shutDown();
        putBytes(settingsFile, c.settings);
        putBytes(scoresFile, invertedBytes(c.scores));
        if (c.unwritten) std::filesystem::resize_file(host(scoresFile), c.scores.size() + c.unwritten);
        boot(240, 320);
        EXPECT_EQ(soundOn, c.sound);
        const HighScoreEntry& best = game->highScores[0];
        EXPECT_EQ(best.entryScore, c.score);
        EXPECT_EQ(best.entryLevel, 3);
        EXPECT_EQ(best.difficultyName + u"|" + best.modeText + u"|" + best.spareText, u"Normal|Subtract (6)|");
        // The game's own records are the game's to judge; here they only have to stay in step.
        EXPECT_EQ(game->difficultyIndex, c.difficulty);
    }
}

// Without a font nothing can be shown: the player is told, and the files of earlier runs stay as they are.
TEST_F(DataFiles, NoFontShowsAMessageAndLeavesTheFilesAlone) {
    playFirstRun();
    const std::string settings = bytesOf(settingsFile);
    const std::string scores = bytesOf(scoresFile);
    pinFontFile((root / "no-such-font.ttf").string());
    boot(240, 320);
    EXPECT_TRUE(game->quitRequested);
    shutDown();
    EXPECT_EQ(backend->presentCount(), 0u) << "no frame is shown";
    EXPECT_EQ(backend->messageBoxes(), std::vector<std::u16string>{u"ERROR: No usable font was found."});
    EXPECT_EQ(bytesOf(settingsFile), settings);
    EXPECT_EQ(bytesOf(scoresFile), scores);
}

namespace {

// A session of the real program: three games played to their end and left (after the game-over
// screen's first half second), with the game's options changed between them.
std::string sessionScript() {
    const std::string game = "key 49\nwait 100\nkey 49\nwait 100\nanswer\nwait 300\nanswer\nwait 40000\nkey 48\n";
    const std::string options = "wait 100\nkey 53\nkey 50\nwait 100\nkey 48\nwait 100\n";
    return game + options + game + options + game + "wait 100\n";
}

}  // namespace

class KilledSessions : public DataFiles {
protected:
    // Starts the program's runner on this test's root; with a file size limit when fileLimit is set.
    pid_t startSession(rlim_t fileLimit = 0) {
        const std::string script = (root / "session.txt").string();
        if (!std::filesystem::exists(script)) std::ofstream(script) << sessionScript();
        const std::string dataDir = (root / "data").string();
        const pid_t child = fork();
        if (child == 0) {
            std::freopen("/dev/null", "w", stdout);
            std::freopen("/dev/null", "w", stderr);
            if (fileLimit) {
                signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{fileLimit, fileLimit};
                setrlimit(RLIMIT_FSIZE, &limit);
            }
            execl(VX_EXECUTABLE, "vortellanox", "--headless", "--screen", "176x220", "--minute", "7", "--script",
                  script.c_str(), "--data-dir", dataDir.c_str(), nullptr);
            _exit(127);
        }
        return child;
    }
    static int statusOf(pid_t child) {
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // The table as highscores.dat holds it, read directly.
    std::vector<int32_t> scoresInTheFile() {
        std::vector<int32_t> scores(HighScoreRows, 0);
        DataFile file;
        WString name, text;
        int32_t version = 0, level = 0;
        if (!file.openWithHeader(u"\\My Documents\\Brinmoor Arcade\\Vortellanox\\highscores.dat", name, version,
                                 FileMode::Read, DiskForm::Inverted))
            return scores;
        for (int32_t& score : scores) {
            for (int field = 0; field < 3; ++field) file.exchangeString(text);
            file.exchangeInt(score);
            file.exchangeInt(level);
        }
        return scores;
    }
    // The table as the next start loads it; that start saves again at its end.
    std::vector<int32_t> scoresAtTheNextStart() {
        shutDown();
        useScreen(240, 320);
        platform::setDataRoot((root / "data").string());
        const std::vector<int32_t> scores = scoresOf(launch());
        shutDown();
        return scores;
    }
};

// Killed at random moments across sessions on one data root: after every kill both files read back
// whole and in step (the next start clears nothing), and no result that reached the table is lost.
TEST_F(KilledSessions, KillsAtAnyMomentLoseNoResult) {
    std::mt19937 chance(20261207);
    std::vector<int32_t> best(HighScoreRows, 0);
    for (int kill = 0; kill < 7; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const pid_t child = startSession();
        usleep(std::uniform_int_distribution<useconds_t>(0, 1000000)(chance));
        ::kill(child, SIGKILL);
        statusOf(child);
        platform::setDataRoot((root / "data").string());
        const std::vector<int32_t> inFile = scoresInTheFile();
        const std::vector<int32_t> loaded = scoresAtTheNextStart();
        ASSERT_EQ(loaded, inFile) << "the next start cleared the table";
        for (int32_t row = 0; row < HighScoreRows; ++row) EXPECT_GE(loaded[row], best[row]) << "row " << row;
        best = loaded;
    }
    // Left to its end, a session adds its three results.
    ASSERT_EQ(statusOf(startSession()), 0);
    const auto results = [](const std::vector<int32_t>& table) {
        return std::ranges::count_if(table, [](int32_t s) { return s > 0; });
    };
    EXPECT_EQ(results(scoresAtTheNextStart()), std::min<std::ptrdiff_t>(HighScoreRows, results(best) + 3));
}

// A full disk: the high-score file cannot be written, so it and the length recorded for it stay as they
// were (settings.dat, smaller, may still take the new options), and the exit status says so.
TEST_F(KilledSessions, AFullDiskKeepsTheLastGoodPairAndEndsWithAFailure) {
    ASSERT_EQ(statusOf(startSession()), 0);
    const std::vector<int32_t> before = scoresAtTheNextStart();
    ASSERT_GT(before[0], 0);
    const std::string scores = bytesOf("data/" + scoresFile);
    EXPECT_NE(statusOf(startSession(scores.size() - 1)), 0);
    EXPECT_EQ(bytesOf("data/" + scoresFile), scores);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(host("data/" + scoresFile).parent_path()), {}), 1)
        << "no unfinished temporary file is left";
    EXPECT_TRUE(bytesOf("data/" + settingsFile).ends_with("\n" + std::to_string(scores.size()) + "\n"));
    EXPECT_EQ(scoresAtTheNextStart(), before);
}
