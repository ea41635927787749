// The two files the front-end keeps between runs. settings.dat holds the game's options, the sound
// switch and the length of the high-score file as last written; highscores.dat holds the table and is
// kept with every byte inverted so that it cannot be read or edited as text. The length in the
// settings ties the two together: a high-score file edited, replaced or lost since the last save no
// longer matches it, and its scores are then cleared.
#include "frontend/ArcadeGame.h"
#include "storage/DataFile.h"
#include "storage/Files.h"

namespace {

const WString settingsPath = u"settings.dat";
const WString documentsFolder = u"\\My Documents";
const WString makerFolder = documentsFolder + u"\\Brinmoor Arcade";

constexpr int saveMode = 0;
constexpr int loadMode = 1;

// The record order in the file, which differs from the order of the fields.
void exchangeEntry(DataFile& file, HighScoreEntry& entry) {
    file.exchangeString(entry.spareText);
    file.exchangeString(entry.difficultyName);
    file.exchangeString(entry.modeText);
    file.exchangeInt(entry.entryScore);
    file.exchangeInt(entry.entryLevel);
}

// The size of the file on disk; 0 when there is none.
int64_t lengthOnDisk(const WString& path) {
    DataFile file;
    if (!file.openForRead(path)) return 0;
    return file.fileLength();
}

WString gameFolder(const WString& name) { return makerFolder + u"\\" + name; }
WString highScoresPath(const WString& name) { return gameFolder(name) + u"\\highscores.dat"; }

}  // namespace

void ArcadeGame::saveFiles() {
    // A device always has its documents folder; a fresh data root may not.
    createFolder(documentsFolder);
    createFolder(makerFolder);
    createFolder(gameFolder(name));
    const WString scoresPath = highScoresPath(name);
    WString appName = name;
    int32_t version = versionMajor * 100 + versionMinor;

    DataFile file;
    if (file.openWithHeader(scoresPath, appName, version, saveMode, DiskForm::Inverted)) {
        for (int32_t row = 0; row < HighScoreRows; ++row) exchangeEntry(file, highScores[row]);
        file.close();
    }
    // Measured on disk after the write: should the write fail, the old file stays and its own
    // length is recorded, so a failed save does not cost the player the table at the next start.
    int32_t scoresLength = static_cast<int32_t>(lengthOnDisk(scoresPath));

    if (file.openWithHeader(settingsPath, appName, version, saveMode)) {
        file.beginSection();
        exchangeGameSettings(file);
        file.endSection();
        uint8_t sound = soundOn ? 1 : 0;
        file.exchangeBool(sound);
        file.exchangeInt(scoresLength);
        file.close();
    }
}

void ArcadeGame::loadFiles() {
    WString appName;
    int32_t version = 0;
    int32_t recordedLength = 0;

    DataFile file;
    if (file.openWithHeader(settingsPath, appName, version, loadMode)) {
        file.beginSection();
        exchangeGameSettings(file);
        file.endSection();
        uint8_t sound = soundOn ? 1 : 0;
        file.exchangeBool(sound);
        soundOn = sound == 1;
        file.exchangeInt(recordedLength);
        file.close();
    }

    // Read through the inversion in memory, so the file on disk never lies there as plain text.
    int64_t foundLength = 0;
    if (file.openWithHeader(highScoresPath(name), appName, version, loadMode, DiskForm::Inverted)) {
        for (int32_t row = 0; row < HighScoreRows; ++row) exchangeEntry(file, highScores[row]);
        foundLength = file.fileLength();
        file.close();
    }

    if (foundLength != recordedLength) {
        for (int32_t row = 0; row < HighScoreRows; ++row) highScores[row].entryScore = 0;
    }
}
