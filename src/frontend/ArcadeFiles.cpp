// The two files the front-end keeps between runs. settings.dat holds the game's options, the sound
// switch and the length of the high-score file as last written; highscores.dat holds the table and is
// kept with every byte inverted so that it cannot be read or edited as text. The length in the
// settings ties the two together: a high-score file edited, replaced or lost since the last save no
// longer matches it, and its scores are then cleared.
//
// The two files cannot be replaced in one step, and highscores.dat goes first so that its length can
// go into settings.dat. So that a save cut off between the two (a kill, a full disk) never looks like
// an edit, a journal is committed before highscores.dat is replaced: the new settings, and the length
// and digest of the new high-score file. At the next start a length that does not match is checked
// against the journal; when the high-score file on disk is exactly the one the journal describes, the
// save is completed from it instead of the table being cleared. The journal is removed once both files
// are in place; other builds never read it, and the two files stay as they always were.
#include <array>
#include <cstdio>
#include <memory>

#include "frontend/ArcadeGame.h"
#include "storage/DataFile.h"
#include "storage/Files.h"

namespace {

const WString settingsPath = u"settings.dat";
const WString journalPath = u".settings.dat.journal";
const WString documentsFolder = u"\\My Documents";
const WString makerFolder = documentsFolder + u"\\Brinmoor Arcade";

// The record order in the file, which differs from the order of the fields.
void exchangeEntry(DataFile& file, HighScoreEntry& entry) {
    file.exchangeString(entry.spareText);
    file.exchangeString(entry.difficultyName);
    file.exchangeString(entry.modeText);
    file.exchangeInt(entry.entryScore);
    file.exchangeInt(entry.entryLevel);
}

WString gameFolder(const WString& name) { return makerFolder + u"\\" + name; }
WString highScoresPath(const WString& name) { return gameFolder(name) + u"\\highscores.dat"; }

WString digestText(uint64_t digest) {
    char text[20];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(digest));
    return widen(text);
}

WString failureText(const char16_t* what, int error) {
    std::string reason = platform::describeFileError(error);
    WString text = what;
    text += u": ";
    text += widen(reason);
    return text;
}

}  // namespace

// The settings records after the header, the same in settings.dat and in the journal; the length of
// the high-score file follows them.
void ArcadeGame::exchangeSettings(DataFile& file) {
    file.beginSection();
    exchangeGameSettings(file);
    file.endSection();
    uint8_t sound = soundOn ? 1 : 0;
    file.exchangeBool(sound);
    soundOn = sound == 1;
}

// Opens path for writing with the header and, when a digest is given (the journal), the new high-score
// file's digest and length; then the settings records, all but the length.
platform::FileReplacement ArcadeGame::writeSettings(const WString& path, const WString* digest, int64_t length) {
    WString appName = name;
    int32_t version = versionMajor * 100 + versionMinor;
    DataFile file;
    if (file.openWithHeader(path, appName, version, FileMode::Write)) {
        if (digest) {
            WString digestCopy = *digest;
            file.exchangeString(digestCopy);
            file.exchangeLength(length);
        }
        exchangeSettings(file);
        if (digest) file.exchangeLength(length);
    }
    return file.takeReplacement();
}

namespace {

// Ends settings.dat with the length of the high-score file as it is on disk now, and puts it in place.
int commitSettings(platform::FileReplacement& settings, int64_t scoresLength) {
    if (settings) std::fprintf(settings.stream(), "%lld\n", static_cast<long long>(scoresLength));
    return settings.commit();
}

}  // namespace

// The files are written here, on the frame's time, and committed on the save queue's thread in the
// order that keeps the pair safe: the journal, highscores.dat, settings.dat, then the journal goes.
bool ArcadeGame::saveFiles() {
    savedSettings = settingsSignature();
    // A device always has its documents folder; a fresh data root may not.
    createFolder(documentsFolder);
    createFolder(makerFolder);
    createFolder(gameFolder(name));
    WString appName = name;
    int32_t version = versionMajor * 100 + versionMinor;

    DataFile scores;
    if (scores.openWithHeader(highScoresPath(name), appName, version, FileMode::Write, DiskForm::Inverted)) {
        for (int32_t row = 0; row < HighScoreRows; ++row) exchangeEntry(scores, highScores[row]);
    }
    const int64_t newLength = static_cast<int64_t>(scores.bytesWritten());
    const WString newDigest = digestText(scores.writtenDigest());
    auto files = std::make_shared<std::array<platform::FileReplacement, 3>>();
    auto& [journal, scoresFile, settings] = *files;
    scoresFile = scores.takeReplacement();
    journal = writeSettings(journalPath, &newDigest, newLength);
    settings = writeSettings(settingsPath, nullptr, 0);
    saves.push([this, files, newLength]() -> WString {
        auto& [journal, scoresFile, settings] = *files;
        if (const int error = journal.commit()) return failureText(u"The high scores could not be saved", error);
        if (const int error = scoresFile.commit()) {
            removeFile(journalPath);
            commitSettings(settings, committedScoresLength);
            return failureText(u"The high scores could not be saved", error);
        }
        committedScoresLength = newLength;
        // Should this fail, the journal stays and explains the new high-score file at the next start.
        if (const int error = commitSettings(settings, newLength))
            return failureText(u"The settings could not be saved", error);
        removeFile(journalPath);
        return {};
    });
    return true;
}

bool ArcadeGame::saveSettings() {
    savedSettings = settingsSignature();
    auto settings = std::make_shared<platform::FileReplacement>(writeSettings(settingsPath, nullptr, 0));
    saves.push([this, settings]() -> WString {
        // The length last recorded, not the one on disk: a high-score file edited since then must
        // still fail the check at the next start.
        if (const int error = commitSettings(*settings, committedScoresLength))
            return failureText(u"The settings could not be saved", error);
        removeFile(journalPath);
        return {};
    });
    return true;
}

// Tells the player of the saves that failed since the last look.
void ArcadeGame::reportSaveFailures() {
    for (const WString& failure : saves.takeFailures()) saveFailed(failure);
}

void ArcadeGame::waitForSaves() {
    saves.waitUntilDone();
    reportSaveFailures();
}

// Reads the journal when it describes exactly the high-score file on disk, and then loads the
// settings it holds; false (nothing loaded) otherwise.
bool ArcadeGame::loadFromJournal(int64_t foundLength) {
    WString appName;
    int32_t version = 0;
    DataFile journal;
    if (!journal.openWithHeader(journalPath, appName, version, FileMode::Read)) return false;
    WString digest;
    int64_t length = -1;
    journal.exchangeString(digest);
    journal.exchangeLength(length);
    int64_t lengthOnDisk = -1;
    uint64_t digestOnDisk = 0;
    if (length != foundLength || !digestFile(highScoresPath(name), lengthOnDisk, digestOnDisk) ||
        lengthOnDisk != foundLength || digestText(digestOnDisk) != digest)
        return false;
    int64_t recorded = -1;
    exchangeSettings(journal);
    journal.exchangeLength(recorded);
    return recorded == foundLength;
}

WString ArcadeGame::settingsSignature() {
    WString mode, difficulty;
    modeText(mode);
    difficultyName(difficulty);
    return mode + u'|' + difficulty + (soundOn ? u"|1" : u"|0");
}

// Settings changed on an options screen are saved as the player leaves it, so that a kill or a power
// cut later in the session does not lose them.
void ArcadeGame::saveSettingsWhenLeft() {
    if (!filesLoaded) return;
    const bool onOptions = screen == ScreenOptions || (screen == ScreenGame && !gameOver && gameOptionsShown());
    const bool left = onOptionsScreen && !onOptions;
    onOptionsScreen = onOptions;
    if (left && settingsSignature() != savedSettings) saveSettings();
}

bool ArcadeGame::saveFailed(const WString& text) {
    platform::reportFailure(text);
    showNotice(text);
    return false;
}

void ArcadeGame::showNotice(const WString& text) {
    notice = text;
    noticeUntil = platform::tickCount() + noticeShownMs;
}

void ArcadeGame::loadFiles() {
    WString appName;
    int32_t version = 0;
    int64_t recordedLength = 0;

    DataFile file;
    if (file.openWithHeader(settingsPath, appName, version, FileMode::Read)) {
        exchangeSettings(file);
        file.exchangeLength(recordedLength);
    }
    file.close();

    // Read through the inversion in memory, so the file on disk never lies there as plain text.
    int64_t foundLength = 0;
    if (file.openWithHeader(highScoresPath(name), appName, version, FileMode::Read, DiskForm::Inverted)) {
        for (int32_t row = 0; row < HighScoreRows; ++row) exchangeEntry(file, highScores[row]);
        foundLength = file.fileLength();
    }
    file.close();

    committedScoresLength = recordedLength;
    if (foundLength == recordedLength) return;
    if (loadFromJournal(foundLength)) {
        // A save was cut off between its two files: finish it.
        committedScoresLength = foundLength;
        saveSettings();
        return;
    }
    for (int32_t row = 0; row < HighScoreRows; ++row) highScores[row].entryScore = 0;
}

void ArcadeGame::finishLoading() {
    filesLoaded = true;
    savedSettings = settingsSignature();
}
