#include "frontend/ArcadeGame.h"

#include <utility>

#include "platform/Platform.h"
#include "render/Primitives.h"
#include "resources/ArtLayout.h"
#include "text/TextDraw.h"
#include "ui/Focus.h"
#include "ui/Palette.h"

namespace {

constexpr Rgb playBackground = 0x00FFFFFF;

constexpr uint32_t digitKey(int32_t digit) { return static_cast<uint32_t>('0' + digit); }

}  // namespace

ArcadeGame::ArcadeGame() { distinguishDoubleClick = false; }

ArcadeGame::~ArcadeGame() = default;

Rgb ArcadeGame::backgroundColor() { return screen == ScreenGame ? playBackground : art::frontEndBackground; }

void ArcadeGame::onStart() {
    buildGameUi();
    if (!buildFrontEnd()) {
        // Without a font no screen can say anything; tell the player instead of showing blank frames.
        platform::messageBox(u"No usable font was found.", u"ERROR");
        platform::noteFailure();
        requestQuit();
        return;
    }
    loadFiles();
    finishLoading();
    history.open(platform::dataRoot(), platform::utcMilliseconds());
}

void ArcadeGame::onExit() {
    endSession(history::Ending::Closed);
    history.close();
    if (filesLoaded) saveFiles();
    saves.finish();
    reportSaveFailures();
    releaseGameResources();
    arcadeFont.reset();
    menuSound.reset();
    gameOverSound.reset();
    // The regions view the images, so they go first.
    for (auto* region :
         {&titleRegion, &bannerRegion, &stripTile, &cornerOrnament, &panelCornerTopLeft, &panelCornerTopRight,
          &panelCornerBottomLeft, &panelCornerBottomRight, &sideArtUpper, &sideArtLower}) {
        region->reset();
    }
    spriteSheet.reset();
    titleImage.reset();
}

void ArcadeGame::updateAndDraw() {
    continuousFrames = true;
    selectArcadeFont();
    backButton.setWidth(6 * currentAscent());
    takeButtonResults();
    saveSettingsWhenLeft();
    reportSaveFailures();
    // Told once: a history set aside, or one that cannot be kept at all (play goes on without it).
    if (const std::string told = history.takeNotice(); !told.empty()) showNotice(widenAscii(told.c_str()));
    switch (screen) {
        case ScreenGame:
            if (gameOver && reviewing) {
                drawReviewScreen();
            } else if (gameOver) {
                drawGameOverScreen();
            } else {
                gameFrame();
            }
            break;
        case ScreenQuit:
            requestQuit();
            break;
        default:
            drawFrontEndScreen();
            break;
    }
    takeMenuChoice();
    drawNotice();
}

// The one answer to whether the screen changes by itself. Play does (its clock runs, and with it the
// lights and the fading answer), and so does any screen under a notice that goes at its time or while
// a save's outcome is still to be told. The menus, the game's options, the high scores and the
// game-over screen change only with input.
bool ArcadeGame::isAnimating() {
    if (!notice.empty() || saves.busy() || screen == ScreenQuit) return true;
    return screen == ScreenGame && !gameOver && !gameOptionsShown();
}

void ArcadeGame::drawNotice() {
    if (notice.empty()) return;
    if (static_cast<int32_t>(platform::tickCount() - noticeUntil) >= 0) {
        notice.clear();
        return;
    }
    selectArcadeFont();
    const int32_t h = currentAscent();
    fillBox(0, 0, width, 3 * h, paletteLightRed);
    TextStyle style;
    style.colour = paletteRed;
    style.boxWidth = width;
    style.markup = false;
    style.rightMargin = h / 2;
    drawLaidOutCurrent(notice, 0, h / 2, style);
}

// Taps land between frames; their latches are read here, one frame after the widgets were drawn.
void ArcadeGame::takeButtonResults() {
    if (screen == ScreenOptions || screen == ScreenHighScores || screen == ScreenProgress) {
        if (backButton.takeClickLatch()) screen = ScreenMainMenu;
        if (screen == ScreenProgress) chooseProgressOperation(operationRow.selectedIndex());
    } else if (gameOver && reviewing) {
        if (backButton.takeClickLatch()) reviewing = false;
        if (reviewing && practiseButton.takeClickLatch()) practiseReviewed();
    } else if (gameOver && okButton.takeClickLatch()) {
        leaveGameOver();
    } else if (gameOver && reviewButton.takeClickLatch()) {
        openReview();
    }
}

// A tap on a menu entry does what the key its label names does.
void ArcadeGame::takeMenuChoice() {
    int32_t chosen = 0;
    if (mainMenu.takeClicked(chosen) && chosen < static_cast<int32_t>(mainMenuKeys.size()))
        onMainMenuKey(digitKey(mainMenuKeys[static_cast<size_t>(chosen)]));
}

// The one way out of the game-over screen, by tap or by key: the result is recorded exactly once.
void ArcadeGame::leaveGameOver() {
    screen = ScreenGame;
    gameOver = false;
    reviewing = false;
    // A tap on OK that arrived together with the key must not dismiss the next game-over screen.
    okButton.takeClickLatch();
    if (!resultEntersTable()) {
        screen = ScreenMainMenu;
        return;
    }
    recordScore();
    saveFiles();
    showGameOptions();
}

bool ArcadeGame::onKeyUp(uint32_t key) {
    keyHeld[key & 0xFF] = false;
    return GameApp::onKeyUp(key);
}

bool ArcadeGame::gameOverKeyDown(uint32_t key, FocusKey focusKey) {
    if (reviewing) {
        // Back (0) and, where facts are listed, Practise these (1); a press of the focus acts on the
        // one focused, and B is Back, as 0 and Escape are.
        const bool practiseFocused = focusKey == FocusKey::Press && focusedWidget() == &practiseButton;
        if (!reviewItems.empty() && (key == digitKey(1) || practiseFocused)) {
            practiseReviewed();
        } else if (key == digitKey(0) || key == platform::VK_ESCAPE || focusKey == FocusKey::Back ||
                   focusKey == FocusKey::Press) {
            reviewing = false;
            backButton.takeClickLatch();
        }
        return true;
    }
    const bool tooSoon = platform::tickCount() - gameOverSince < gameOverGuardMs;
    if (tooSoon) return true;
    const bool reviewFocused = focusKey == FocusKey::Press && focusShown() && focusedWidget() == &reviewButton;
    if (key == reviewKey || reviewFocused) {
        openReview();
    } else {
        leaveGameOver();
    }
    return true;
}

bool ArcadeGame::onKeyDown(uint32_t key) {
    const bool wasHeld = std::exchange(keyHeld[key & 0xFF], true);
    const FocusKey focusKey = takeFocusKey(key);
    if (isFocusMove(focusKey)) {
        moveFocus(focusKey);
        return true;
    }
    // A and B leave the game-over screen as any other key does, under the same guard: an A meant for
    // the last problem's keypad must not dismiss the result unseen.
    if (screen == ScreenGame && gameOver) return wasHeld || gameOverKeyDown(key, focusKey);
    if (focusKey == FocusKey::Reveal) return true;
    if (focusKey == FocusKey::Press) {
        pressFocused();
        return true;
    }
    // Back goes where '0' would, but never quits: the main menu is as far back as it goes.
    if (focusKey == FocusKey::Back && screen != ScreenGame) {
        if (screen == ScreenMainMenu) return true;
        key = digitKey(0);
    }
    switch (screen) {
        case ScreenMainMenu:
            return onMainMenuKey(key);
        case ScreenOptions:
            if (key == digitKey(1)) {
                soundCheckBox.toggle();
                return true;
            }
            break;
        case ScreenHighScores:
            if (key >= digitKey(1) && key <= digitKey(HighScoreRows)) {
                rankRow.select(static_cast<int32_t>(key - digitKey(1)));
                return true;
            }
            break;
        case ScreenProgress:
            if (key >= digitKey(1) && key <= digitKey(history::operationCount)) {
                chooseProgressOperation(static_cast<int32_t>(key - digitKey(1)));
                return true;
            }
            break;
        case ScreenGame:
            return gameKeyDown(key);
        default:
            return false;
    }
    // Escape goes back as '0' does; it quits only from the main menu.
    if (key == digitKey(0) || key == platform::VK_ESCAPE) {
        screen = ScreenMainMenu;
        // A tap on Back that arrived together with the key must not close the screen next time.
        backButton.takeClickLatch();
        return true;
    }
    return gameKeyDown(key);
}

bool ArcadeGame::onMainMenuKey(uint32_t key) {
    if (key == platform::VK_ESCAPE || key == digitKey(0)) {
        screen = ScreenQuit;
    } else if (key == digitKey(1)) {
        screen = ScreenGame;
        showGameOptions();
    } else if (key == digitKey(2)) {
        screen = ScreenOptions;
    } else if (key == digitKey(3)) {
        screen = ScreenHighScores;
    } else if (key == digitKey(6)) {
        screen = ScreenProgress;
        openProgress();
    } else if (key == digitKey(5) || key == digitKey(7)) {
        screen = ScreenGame;
        if (key == digitKey(5)) {
            startPractice();
        } else {
            startDaily();
        }
    } else if (key == digitKey(4)) {
        // Opening the maker's page hands the device to the browser, so the game steps aside.
        webLink.openLink();
        requestQuit();
    } else {
        return false;
    }
    return true;
}

bool ArcadeGame::returnToMenu() {
    screen = ScreenMainMenu;
    return true;
}

void ArcadeGame::endGame() {
    endSession(history::Ending::GameOver);
    gameOver = true;
    reviewing = false;
    gameOverSince = platform::tickCount();
    if (gameOverSound) gameOverSound->playSound();
}

void ArcadeGame::selectArcadeFont() { setCurrentFont(arcadeFont.get()); }

void ArcadeGame::loadArtwork(int32_t sheetId, int32_t titleId) {
    spriteSheet = std::make_unique<Image>(sheetId, art::sheetColourKey);
    titleImage = std::make_unique<Image>(titleId, art::logoColourKey);
    titleRegion = std::make_unique<ImageRegion>(*titleImage, 0, 0, titleImage->width(), titleImage->height());
}

void ArcadeGame::loadSounds(int32_t menuSoundId, int32_t gameOverSoundId) {
    menuSound = std::make_unique<Sound>();
    menuSound->makeResourceSound(menuSoundId);
    gameOverSound = std::make_unique<Sound>();
    gameOverSound->makeResourceSound(gameOverSoundId);
}
