#pragma once
// Where everything the program draws or plays lives, and the numbers the artwork is built around:
// resource ids, bitmap sizes, colour keys, the regions cut from the two front-end sprite sheets, the
// panel frame's bands, the sound formats and the icon sizes. The generator draws to these numbers
// and the program (src/) cuts its regions and loads its resources with them, so they are kept here once:
// the generator includes it as "ArtLayout.h", the program as "resources/ArtLayout.h".
#include <array>
#include <cstdint>

namespace art {

// Colours are 0x00BBGGRR, red in the low byte, as everywhere in the program.
using Colour24 = uint32_t;

constexpr Colour24 makeColour(uint32_t red, uint32_t green, uint32_t blue) { return red | green << 8 | blue << 16; }
constexpr uint32_t redOf(Colour24 colour) { return colour & 0xFF; }
constexpr uint32_t greenOf(Colour24 colour) { return (colour >> 8) & 0xFF; }
constexpr uint32_t blueOf(Colour24 colour) { return (colour >> 16) & 0xFF; }

// Resource ids.
constexpr int logoWideId = 106;
constexpr int logoNarrowId = 120;
constexpr int sheetWideId = 107;
constexpr int sheetNarrowId = 130;
constexpr int iconId = 118;

// The title logo is keyed on white (it sits on the white panel); the sheets on the light blue of
// the front-end's background, so a region's keyed pixels show the screen behind them.
constexpr Colour24 frontEndBackground = 0x00FFE7DB;
constexpr Colour24 logoColourKey = 0x00FFFFFF;
constexpr Colour24 sheetColourKey = frontEndBackground;

// The three bands of the panel frame, outermost first.
constexpr Colour24 frameOuterBand = 0x00242DAD;   // dark red
constexpr Colour24 frameMiddleBand = 0x000354FB;  // orange
constexpr Colour24 frameInnerBand = 0x0048CFFF;   // yellow
constexpr Colour24 panelFill = 0x00FFFFFF;

struct Region {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return x + width; }
    constexpr int bottom() const { return y + height; }
};

// One sprite sheet: its size and every region the front-end cuts from it.
struct SheetLayout {
    int id = 0;
    int width = 0;
    int height = 0;
    Region bannerRegion;
    Region stripTile;
    Region cornerOrnament;
    Region panelCornerTopLeft;
    Region panelCornerTopRight;
    Region panelCornerBottomLeft;
    Region panelCornerBottomRight;
    Region sideArtUpper;
    Region sideArtLower;
    // How far below the top of the banner (and of the ornament) the strip tiles are drawn.
    int stripOffset = 0;
    // Width of each of the three frame bands.
    int bandWidth = 0;
};

// For screens at most 320 pixels wide.
constexpr SheetLayout narrowSheet{.id = sheetNarrowId,
                                  .width = 256,
                                  .height = 128,
                                  .bannerRegion = {0, 0, 210, 45},
                                  .stripTile = {105, 103, 20, 25},
                                  .cornerOrnament = {211, 45, 45, 45},
                                  .panelCornerTopLeft = {244, 0, 6, 6},
                                  .panelCornerTopRight = {250, 0, 6, 6},
                                  .panelCornerBottomLeft = {244, 6, 6, 6},
                                  .panelCornerBottomRight = {250, 6, 6, 6},
                                  .sideArtUpper = {0, 45, 96, 83},
                                  .sideArtLower = {132, 45, 79, 50},
                                  .stripOffset = 24,
                                  .bandWidth = 1};

// For wider screens.
constexpr SheetLayout wideSheet{.id = sheetWideId,
                                .width = 512,
                                .height = 256,
                                .bannerRegion = {0, 0, 420, 90},
                                .stripTile = {210, 206, 40, 50},
                                .cornerOrnament = {422, 90, 90, 90},
                                .panelCornerTopLeft = {488, 0, 12, 12},
                                .panelCornerTopRight = {500, 0, 12, 12},
                                .panelCornerBottomLeft = {488, 12, 12, 12},
                                .panelCornerBottomRight = {500, 12, 12, 12},
                                .sideArtUpper = {0, 91, 192, 165},
                                .sideArtLower = {261, 90, 161, 100},
                                .stripOffset = 47,
                                .bandWidth = 2};

// Every region of a sheet, for code that treats them alike.
constexpr std::array<Region, 9> allRegions(const SheetLayout& sheet) {
    return {sheet.bannerRegion,           sheet.stripTile,           sheet.cornerOrnament,
            sheet.panelCornerTopLeft,     sheet.panelCornerTopRight, sheet.panelCornerBottomLeft,
            sheet.panelCornerBottomRight, sheet.sideArtUpper,        sheet.sideArtLower};
}

struct LogoLayout {
    int id = 0;
    int width = 0;
    int height = 0;
};
constexpr LogoLayout narrowLogo{logoNarrowId, 128, 32};
constexpr LogoLayout wideLogo{logoWideId, 256, 64};

// Sounds: RIFF WAVE, PCM, one channel, 16 bits.
struct SoundFormat {
    int id = 0;
    int sampleRate = 0;
    int maxDurationMs = 0;
};
constexpr int rightAnswerSoundId = 108;
constexpr int wrongAnswerSoundId = 110;
constexpr int menuSoundId = 111;
constexpr int startSoundId = 112;
constexpr int gameOverSoundId = 113;
constexpr int tickSoundId = 114;
constexpr int challengeSoundId = 115;
constexpr std::array<SoundFormat, 7> soundFormats{{{rightAnswerSoundId, 22050, 1500},
                                                   {wrongAnswerSoundId, 44100, 1500},
                                                   {menuSoundId, 44100, 1500},
                                                   {startSoundId, 44100, 1500},
                                                   {gameOverSoundId, 44100, 1500},
                                                   {tickSoundId, 44100, 60},
                                                   {challengeSoundId, 44100, 1500}}};

// The icon is drawn anew at each of these sizes (largest first).
constexpr std::array<int, 5> iconSizes{64, 48, 32, 24, 16};
// Sizes installed for the desktop beyond those the program carries.
constexpr std::array<int, 2> extraDesktopIconSizes{256, 128};

}  // namespace art
