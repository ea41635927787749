#pragma once
// The arcade front-end every game of this framework gets: a main menu, an options screen with the
// credits, a high-score screen and, around the game itself, a game-over screen. It decides which
// screen is up, routes frames and keys to the game only while the game's screen is shown, and keeps
// the settings and the high-score table on disk between runs. It also keeps the answer history the
// game feeds, and shows it: the review of the game just played (from the game-over screen) and the
// progress screen (from the main menu).
//
// A concrete game derives from ArcadeGame and overrides the ten game operations; each has a
// default that does nothing, so the front-end runs on its own too.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/GameApp.h"
#include "history/History.h"
#include "platform/Platform.h"
#include "render/Image.h"
#include "render/ImageRegion.h"
#include "render/Rect.h"
#include "storage/SaveQueue.h"
#include "support/Sound.h"
#include "support/WString.h"
#include "text/Font.h"
#include "ui/Button.h"
#include "ui/ButtonColumn.h"
#include "ui/CheckBox.h"
#include "ui/Focus.h"
#include "ui/LinkLabel.h"
#include "ui/OptionRow.h"

class DataFile;

// Which screen the front-end shows.
enum ScreenState : int32_t {
    ScreenMainMenu = -1,
    ScreenGame = 0,
    ScreenOptions = 1,
    ScreenHighScores = 2,
    ScreenQuit = 3,  // nothing: the next frame ends the program
    ScreenProgress = 4,
};

// One row of the high-score table. A score of 0 marks an empty row.
struct HighScoreEntry {
    WString spareText;  // stored and loaded with the row, never shown
    WString modeText;   // the game's description of the operations played
    WString difficultyName;
    int32_t entryScore = 0;
    int32_t entryLevel = 0;
};

inline constexpr int32_t HighScoreRows = 5;

class ArcadeGame : public GameApp {
public:
    ArcadeGame();
    ~ArcadeGame() override;

    Rgb backgroundColor() override;
    void onStart() override;
    void onExit() override;
    void updateAndDraw() override;
    bool onKeyDown(uint32_t key) override;
    bool onKeyUp(uint32_t key) override;
    bool isAnimating() override;

    // The game operations.
    virtual void buildGameUi() {}
    virtual void releaseGameResources() {}
    virtual void gameFrame() {}
    virtual void showGameOptions() {}
    virtual void pauseClock() {}
    virtual void resumeClock() {}
    // Names the difficulty played, for the high-score table; leaves name alone when there is none.
    virtual void difficultyName(WString&) {}
    virtual void modeText(WString&) {}
    virtual bool gameKeyDown(uint32_t) { return false; }
    virtual int32_t exchangeGameSettings(DataFile&) { return 0; }
    // Whether the game shows its own options screen, where the player changes the game's settings.
    virtual bool gameOptionsShown() { return false; }
    // The game's other ways to play, started at once from the main menu; the game's screen is up.
    virtual void startPractice() {}
    // A practice session on exactly these facts (the review of the game just played).
    virtual void practiseFacts(const std::vector<history::ReviewItem>&) {}
    virtual void startDaily() {}
    // Whether the game just over enters its result into the high-score table.
    virtual bool resultEntersTable() { return true; }

    // What the game calls.
    bool returnToMenu();
    // The game's clock ran out: the game-over screen takes over from the game's own screens.
    void endGame();
    bool isPlaying() const { return screen == ScreenGame; }
    void selectArcadeFont();
    // Enters score and level into the table; the newest of equal scores ranks first.
    void recordScore();
    // The sheet (colour key the menu background) and the title picture (colour key white).
    void loadArtwork(int32_t sheetId, int32_t titleId);
    // The first sound is the menu's (kept, never played); the second plays at game over.
    void loadSounds(int32_t menuSoundId, int32_t gameOverSoundId);

    // The two data files: loaded during onStart; both saved as a result enters the table and at
    // exit, settings.dat alone when an options screen is left after a change. A save answers whether
    // it succeeded; a failure is told on standard error and on the screen.
    void loadFiles();
    bool saveFiles();
    bool saveSettings();
    // Waits until every save made so far is in place (or has failed, and been told).
    void waitForSaves();

    // The answer history, opened after the data files and closed at exit. A game begins a session as
    // play starts and records every judged answer in it; the front-end ends it at game over and at
    // exit, the game when the player abandons it.
    void beginSession(history::Mode mode, int32_t sessionDifficulty, unsigned operations);
    void recordAnswer(const history::Answer& answer);
    void endSession(history::Ending ending);
    history::HistoryStore history;

    int32_t score = 0;
    int32_t level = 0;
    std::unique_ptr<Font> arcadeFont;
    ButtonColumn mainMenu;
    LinkLabel webLink;
    Button backButton;
    Button okButton;
    Button reviewButton;
    Button practiseButton;   // on the review: a practice session on the facts it lists
    OptionRow operationRow;  // the progress screen's choice of operation
    OptionRow rankRow;
    CheckBox soundCheckBox;
    std::unique_ptr<Sound> menuSound;
    std::unique_ptr<Sound> gameOverSound;
    std::unique_ptr<Image> spriteSheet;
    std::unique_ptr<Image> titleImage;
    std::unique_ptr<ImageRegion> titleRegion;
    std::unique_ptr<ImageRegion> bannerRegion;
    std::unique_ptr<ImageRegion> stripTile;
    std::unique_ptr<ImageRegion> cornerOrnament;
    std::unique_ptr<ImageRegion> panelCornerTopLeft;
    std::unique_ptr<ImageRegion> panelCornerTopRight;
    std::unique_ptr<ImageRegion> panelCornerBottomLeft;
    std::unique_ptr<ImageRegion> panelCornerBottomRight;
    std::unique_ptr<ImageRegion> sideArtUpper;
    std::unique_ptr<ImageRegion> sideArtLower;
    int32_t screen = ScreenMainMenu;
    std::array<HighScoreEntry, HighScoreRows + 1> highScores{};  // the last row is never used
    bool gameOver = false;
    int32_t versionMajor = 1;
    int32_t versionMinor = 0;
    // A short notice over every screen (a save that failed) and the tick count until which it shows.
    WString notice;
    uint32_t noticeUntil = 0;

    // A key that ends the game-over screen must come at least this long after it appeared, and must
    // not be one already held then: digits typed for the last problem must not dismiss the result.
    static constexpr uint32_t gameOverGuardMs = 500;
    static constexpr uint32_t noticeShownMs = 4000;
    static constexpr uint32_t reviewKey = '9';

    // What the review and progress screens show, read from the history as they open or change.
    bool reviewing = false;
    std::vector<history::ReviewItem> reviewItems;
    int32_t progressOperation = 0;  // the operation whose grid is loaded
    history::FactGrid progressGrid{};
    std::array<int, history::operationCount> progressMedians{};
    std::vector<history::DayCount> progressDays;
    std::vector<history::DayScore> progressDailyBest;  // the best daily game of each day, oldest first

protected:
    // Draws the screen for every state but the game and quit: artwork, panel and its content.
    void drawFrontEndScreen();
    void drawGameOverScreen();
    void drawScreenTitle(const char16_t* title);
    void drawReviewScreen();
    void drawProgressScreen();

private:
    bool buildFrontEnd();
    void cutSheetRegions();
    void takeButtonResults();
    void takeMenuChoice();
    void leaveGameOver();
    bool onMainMenuKey(uint32_t key);
    bool gameOverKeyDown(uint32_t key, FocusKey focusKey);
    // The settings as the player sees them: the game's operations and difficulty, and the sound.
    WString settingsSignature();
    void saveSettingsWhenLeft();
    void exchangeSettings(DataFile& file);
    platform::FileReplacement writeSettings(const WString& path, const WString* digest, int64_t length);
    void reportSaveFailures();
    bool loadFromJournal(int64_t foundLength);
    void finishLoading();
    bool saveFailed(const WString& text);
    void showNotice(const WString& text);
    void openReview();
    // Leaves the game over as any dismissal does (its result recorded once), then practises the review.
    void practiseReviewed();
    void openProgress();
    void chooseProgressOperation(int32_t index);
    void drawNotice();

    void drawFullLayout();
    void drawPlainLayout();
    int32_t framingMenuHeight();
    int32_t panelExtension();
    // Returns the top of the bottom strip of tiles.
    int32_t drawArtwork();
    // The panel's white background, the current screen's content and then the frame over both.
    void drawPanelWithContent(const Rect& panel, int32_t menuY);
    void drawPanelBackground(const Rect& panel);
    void drawPanelFrame(const Rect& panel);
    void drawMainMenuContent(const Rect& panel, int32_t menuY);
    void drawOptionsContent(const Rect& panel);
    void drawHighScoresContent(const Rect& panel);
    void drawHighScoreEntry(const HighScoreEntry& entry, const Rect& panel, int32_t top, int32_t step);

    // Nothing is saved at exit unless the files were loaded at start-up, so a start that failed
    // early cannot overwrite the player's table with an empty one.
    bool filesLoaded = false;
    // The high-score file's length as settings.dat records it; the save queue's once the files are loaded.
    int64_t committedScoresLength = 0;
    SaveQueue saves;
    WString savedSettings;
    bool onOptionsScreen = false;
    std::vector<int32_t> mainMenuKeys;  // the digit key of each main-menu entry
    uint32_t gameOverSince = 0;
    std::array<bool, 256> keyHeld{};     // down and not yet up: a repeat of it never acts on game over
    history::SessionId session = 0;      // the game in play; 0 when none
    history::SessionId lastSession = 0;  // the game last ended, which the review shows
    int32_t titleX = 0;
    int32_t titleY = 0;
};
