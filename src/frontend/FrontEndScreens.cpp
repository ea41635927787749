// The front-end's widgets and artwork, and the screens drawn around the white panel: the main menu
// and the options screen with the credits. Two layouts: a full one with artwork, and a plain one for
// the keypad phones' small screen, which has no room for pictures.
#include <algorithm>

#include "frontend/ArcadeGame.h"
#include "render/Primitives.h"
#include "resources/ArtLayout.h"
#include "support/NumberText.h"
#include "text/TextDraw.h"
#include "ui/Focus.h"
#include "ui/Palette.h"
#include "ui/TextMeasure.h"

namespace {

constexpr int32_t smallFontSize = 11;
constexpr int32_t fontSize = 14;

const WString makerAddress = u"https://brinmoor.example";
const WString makerAddressShown = u"brinmoor.example";
const WString linkSuffix = u" (4)";

const WString noticeLine = u"(c) 2024 Brinmoor";
const WString rightsLine = u"All rights reserved.";
const WString authorLine = u"by Brinmoor Mobile";

constexpr Rgb frameBands[3] = {art::frameOuterBand, art::frameMiddleBand, art::frameInnerBand};

const art::SheetLayout& sheetLayout(bool narrow) { return narrow ? art::narrowSheet : art::wideSheet; }

std::unique_ptr<ImageRegion> cut(const Image& sheet, const art::Region& region) {
    return std::make_unique<ImageRegion>(sheet, region.x, region.y, region.width, region.height);
}

// Missing artwork measures nothing and draws nothing, so the screens still work without it.
int32_t widthOf(const std::unique_ptr<ImageRegion>& region) { return region ? region->frameWidth() : 0; }
int32_t heightOf(const std::unique_ptr<ImageRegion>& region) { return region ? region->height() : 0; }

void drawAt(const std::unique_ptr<ImageRegion>& region, int32_t x, int32_t y) {
    if (!region) return;
    region->setPosition(x, y);
    region->draw();
}

Rect shrunk(const Rect& rect, int32_t by) { return {rect.left + by, rect.top + by, rect.right - by, rect.bottom - by}; }

}  // namespace

// Builds the font, the regions and the widgets; false when no font could be opened.
bool ArcadeGame::buildFrontEnd() {
    arcadeFont = Font::create(u"Verdana", isSmallScreen() ? smallFontSize : fontSize);
    if (!arcadeFont || !arcadeFont->hasFace()) {
        arcadeFont.reset();
        return false;
    }
    arcadeFont->setCellWidth(arcadeFont->charWidth('0'));
    setCurrentFont(arcadeFont.get());

    cutSheetRegions();

    // The entries stand close, so that all of them still fit the smallest screens.
    mainMenu.spacing = currentAscent() / 8;
    // Each entry and the digit key its label names; a tap on it acts as that key.
    struct MenuEntry {
        const char16_t* label;
        int32_t key;
    };
    for (const MenuEntry& entry : {MenuEntry{u"Play (1)", 1}, MenuEntry{u"Practice (5)", 5}, MenuEntry{u"Daily (7)", 7},
                                   MenuEntry{u"Options (2)", 2}, MenuEntry{u"Highscores (3)", 3},
                                   MenuEntry{u"Progress (6)", 6}, MenuEntry{u"Quit (0)", 0}}) {
        mainMenu.addItem(entry.label);
        mainMenuKeys.push_back(entry.key);
    }

    // The small screen shows the whole address, as it can take no tap and must be typed elsewhere.
    webLink.text = (isSmallScreen() ? makerAddress : makerAddressShown) + linkSuffix;
    // The shortcut suffix is for the player; the browser gets the address alone.
    webLink.address = makerAddress;

    okButton.text = u"OK (0)";
    reviewButton.text = u"Review (9)";
    practiseButton.text = u"Practise these (1)";
    operationRow.framed = false;
    for (const char16_t* item : {u"+ (1)", u"- (2)", u"x (3)", u"/ (4)"}) operationRow.addItem(item);
    backButton.text = u"Back (0)";
    for (const char16_t* item : {u"1", u"2", u"3", u"4", u"5"}) rankRow.addItem(item);
    return true;
}

void ArcadeGame::cutSheetRegions() {
    if (!spriteSheet) return;
    const art::SheetLayout& sheet = sheetLayout(isNarrowScreen());
    bannerRegion = cut(*spriteSheet, sheet.bannerRegion);
    stripTile = cut(*spriteSheet, sheet.stripTile);
    cornerOrnament = cut(*spriteSheet, sheet.cornerOrnament);
    panelCornerTopLeft = cut(*spriteSheet, sheet.panelCornerTopLeft);
    panelCornerTopRight = cut(*spriteSheet, sheet.panelCornerTopRight);
    panelCornerBottomLeft = cut(*spriteSheet, sheet.panelCornerBottomLeft);
    panelCornerBottomRight = cut(*spriteSheet, sheet.panelCornerBottomRight);
    sideArtUpper = cut(*spriteSheet, sheet.sideArtUpper);
    sideArtLower = cut(*spriteSheet, sheet.sideArtLower);
}

void ArcadeGame::drawFrontEndScreen() {
    selectArcadeFont();
    if (screen == ScreenProgress) {
        drawProgressScreen();
    } else if (isSmallScreen()) {
        drawPlainLayout();
    } else {
        drawFullLayout();
    }
}

void ArcadeGame::drawFullLayout() {
    const int32_t h = currentAscent();
    const int32_t c = currentSpaceWidth();
    const int32_t bottomStripY = drawArtwork();

    // In portrait the ornament takes the bottom-right corner, so the link centres in what is left.
    const bool portrait = height > width || isNearlySquare();
    const int32_t linkSpan = portrait ? width - widthOf(cornerOrnament) : width;
    const int32_t linkHeight = webLink.getHeight();
    webLink.active = true;
    webLink.setPosition(linkSpan / 2 - webLink.getWidth() / 2, bottomStripY - linkHeight / 2 - linkHeight);
    webLink.draw();

    const int32_t titleWidth = widthOf(titleRegion);
    const int32_t titleHeight = heightOf(titleRegion);
    titleX = width / 2 - titleWidth / 2;
    const int32_t menuHeight = framingMenuHeight();
    const int32_t framedMenuY = height / 2 - menuHeight / 2 + titleHeight / 2;
    const int32_t panelBottom = framedMenuY + menuHeight + panelExtension() + h;
    // A lengthened panel that would reach the link rises by as much (on the short landscape screens).
    const int32_t rise = std::max(0, panelBottom - (webLink.y - 2));
    const int32_t menuY = framedMenuY - rise;
    mainMenu.setPosition(titleX + 1 - h, menuY);
    titleY = menuY - titleHeight - titleHeight / 4 + h / 4;
    const Rect panel{titleX - h - 4 * c, titleY - h + h / 2, titleX + titleWidth + h + 4 * c, panelBottom - rise};
    drawPanelWithContent(panel, menuY);
    joinFocus(webLink);  // last: it is read last, under the panel
}

void ArcadeGame::drawPlainLayout() {
    const int32_t h = currentAscent();
    const int32_t titleWidth = widthOf(titleRegion);
    const int32_t titleHeight = heightOf(titleRegion);
    const int32_t block = titleHeight + 4 * h + framingMenuHeight();
    const int32_t side = widthOf(panelCornerTopLeft);
    const int32_t top = height / 2 - block / 2;
    const Rect panel{side, top, width - side, top + block + panelExtension()};
    titleX = width / 2 - titleWidth / 2;
    titleY = top + titleHeight / 4;
    drawPanelWithContent(panel, titleY + titleHeight + h);

    // Shown for its address only: the keypad phones have no stylus, and key "4" still opens it.
    const int32_t linkHeight = webLink.getHeight();
    webLink.active = false;
    webLink.setPosition(width / 2 - webLink.getWidth() / 2, height - linkHeight / 2 - linkHeight);
    webLink.draw();
}

// The panel and the title stand where the arcade's own menu of four entries (Play, Options,
// Highscores, Quit, half an ascent apart) puts them, on every screen of the panel; the main menu's
// further entries, set closer, lengthen its panel downwards, so the options and high-score screens
// keep their places and the title never moves.
int32_t ArcadeGame::framingMenuHeight() {
    constexpr int32_t arcadeEntries = 4;
    return currentAscent() / 2 * (arcadeEntries - 1) + currentAscent() * arcadeEntries;
}

int32_t ArcadeGame::panelExtension() {
    return screen == ScreenMainMenu ? mainMenu.getHeight() - framingMenuHeight() : 0;
}

int32_t ArcadeGame::drawArtwork() {
    const int32_t stripOffset = sheetLayout(isNarrowScreen()).stripOffset;
    const int32_t bannerHeight = heightOf(bannerRegion);
    drawAt(bannerRegion, 0, 0);
    drawAt(sideArtUpper, 0, bannerHeight);
    drawAt(sideArtLower, 0, bannerHeight + heightOf(sideArtUpper));

    const int32_t tileWidth = widthOf(stripTile);
    if (tileWidth > 0) {
        for (int32_t x = widthOf(bannerRegion); x < width; x += tileWidth) drawAt(stripTile, x, stripOffset);
    }
    const int32_t ornamentX = width - widthOf(cornerOrnament) - 2;
    const int32_t ornamentY = height - heightOf(cornerOrnament) - 2;
    drawAt(cornerOrnament, ornamentX, ornamentY);
    const int32_t bottomStripY = ornamentY + stripOffset;
    if (tileWidth > 0) {
        for (int32_t x = ornamentX - tileWidth; x > -tileWidth; x -= tileWidth) drawAt(stripTile, x, bottomStripY);
    }
    return bottomStripY;
}

void ArcadeGame::drawPanelWithContent(const Rect& panel, int32_t menuY) {
    drawPanelBackground(panel);
    switch (screen) {
        case ScreenHighScores:
            drawHighScoresContent(panel);
            break;
        case ScreenOptions:
            drawOptionsContent(panel);
            break;
        default:
            drawMainMenuContent(panel, menuY);
            break;
    }
    drawPanelFrame(panel);
}

void ArcadeGame::drawPanelBackground(const Rect& panel) {
    fillRect(shrunk(panel, widthOf(panelCornerTopLeft) / 2), art::panelFill);
}

// Three bands of colour from the outside in, one pixel each on narrow screens and two elsewhere,
// with the corner pictures laid over their ends.
void ArcadeGame::drawPanelFrame(const Rect& panel) {
    const int32_t cornerWidth = widthOf(panelCornerTopLeft);
    const int32_t cornerHeight = heightOf(panelCornerTopLeft);
    const int32_t band = sheetLayout(isNarrowScreen()).bandWidth;
    for (int32_t line = 0; line < 3 * band; ++line) {
        const Rgb colour = frameBands[line / band];
        drawHLine(panel.left + cornerWidth, panel.top + line, panel.right - cornerWidth, colour);
        drawHLine(panel.left + cornerWidth, panel.bottom - 1 - line, panel.right - cornerWidth, colour);
        drawVLine(panel.left + line, panel.top + cornerHeight, panel.bottom - cornerHeight, colour);
        drawVLine(panel.right - 1 - line, panel.top + cornerHeight, panel.bottom - cornerHeight, colour);
    }
    drawAt(panelCornerTopLeft, panel.left, panel.top);
    drawAt(panelCornerTopRight, panel.right - widthOf(panelCornerTopRight), panel.top);
    drawAt(panelCornerBottomLeft, panel.left, panel.bottom - heightOf(panelCornerBottomLeft));
    drawAt(panelCornerBottomRight, panel.right - widthOf(panelCornerBottomRight),
           panel.bottom - heightOf(panelCornerBottomRight));
}

void ArcadeGame::drawMainMenuContent(const Rect& panel, int32_t menuY) {
    mainMenu.setPosition(panel.left, menuY);
    mainMenu.setWidth(panel.width() - 2);
    mainMenu.draw();
    joinFocus(mainMenu);
    drawAt(titleRegion, titleX, titleY);
}

void ArcadeGame::drawOptionsContent(const Rect& outer) {
    const int32_t h = currentAscent();
    const int32_t c = currentSpaceWidth();
    const Rect panel = shrunk(outer, (h + h / 2) / 2);

    WString version = u"v";
    appendDecimal(version, versionMajor);
    version += u".";
    appendDecimal(version, versionMinor);
    drawTextCurrent(version, panel.right - currentTextWidth(version), panel.top, inkColour);

    backButton.setHeight(h + h / 2);
    backButton.setPosition(width / 2 - backButton.getWidth() / 2, panel.top);
    backButton.draw();
    joinFocus(backButton);

    const int32_t authorY = panel.bottom - h;
    const int32_t noticeY = authorY - 3 * h;
    drawTextCurrent(authorLine, panel.left, authorY, inkColour);
    drawTextCurrent(rightsLine, panel.left, authorY - (h + h / 2), inkColour);
    drawTextCurrent(noticeLine, panel.left + c / 2, noticeY, inkColour);

    soundCheckBox.text = soundOn ? u"Sound On (1)" : u"Sound Off (1)";
    soundCheckBox.bindFlag(&soundOn);
    const int32_t backBottom = backButton.y + backButton.getHeight();
    soundCheckBox.setPosition(panel.left, (backBottom + noticeY) / 2 - soundCheckBox.getHeight() / 2);
    soundCheckBox.draw();
    joinFocus(soundCheckBox);
}
