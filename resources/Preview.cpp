#include "Preview.h"

#include <algorithm>

namespace art {

RgbaImage expand(const IndexedImage& image) {
    RgbaImage out = makeImage(image.width, image.height, transparent());
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) out.at(x, y) = fromColour24(image.colour(x, y));
    return out;
}

RgbaImage enlarged(const RgbaImage& image, int factor) {
    RgbaImage out = makeImage(image.width * factor, image.height * factor, transparent());
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) out.at(x, y) = image.at(x / factor, y / factor);
    return out;
}

namespace {

void blit(RgbaImage& screen, const IndexedImage& image, Region source, int x, int y, Colour24 key) {
    for (int row = 0; row < source.height; ++row) {
        for (int column = 0; column < source.width; ++column) {
            const int sx = x + column, sy = y + row;
            if (sx < 0 || sy < 0 || sx >= screen.width || sy >= screen.height) continue;
            const Colour24 c = image.colour(source.x + column, source.y + row);
            if (to565(c) != to565(key)) screen.at(sx, sy) = fromColour24(c);
        }
    }
}

void fillRect(RgbaImage& screen, int left, int top, int right, int bottom, Rgba colour) {
    for (int y = std::max(top, 0); y < std::min(bottom, screen.height); ++y)
        for (int x = std::max(left, 0); x < std::min(right, screen.width); ++x) screen.at(x, y) = colour;
}

}  // namespace

RgbaImage mockMainMenu(int width, int height, const IndexedImage& sheet, const IndexedImage& logo,
                       const SheetLayout& layout) {
    RgbaImage screen = makeImage(width, height, fromColour24(sheetColourKey));
    const bool narrow = layout.id == narrowSheet.id;
    const int h = narrow ? 11 : 14, c = narrow ? 3 : 5;  // roughly the menu font's ascent and space
    const Region banner = layout.bannerRegion, tile = layout.stripTile, ornament = layout.cornerOrnament;
    blit(screen, sheet, banner, 0, 0, sheetColourKey);
    blit(screen, sheet, layout.sideArtUpper, 0, banner.height, sheetColourKey);
    blit(screen, sheet, layout.sideArtLower, 0, banner.height + layout.sideArtUpper.height, sheetColourKey);
    for (int x = banner.width; x < width; x += tile.width)
        blit(screen, sheet, tile, x, layout.stripOffset, sheetColourKey);
    const int ox = width - ornament.width - 2, oy = height - ornament.height - 2;
    blit(screen, sheet, ornament, ox, oy, sheetColourKey);
    for (int x = ox - tile.width; x > -tile.width; x -= tile.width)
        blit(screen, sheet, tile, x, oy + layout.stripOffset, sheetColourKey);

    const int menuHeight = 4 * (h + h / 2) + 3 * (h / 2);
    const int titleX = width / 2 - logo.width / 2;
    const int menuY = height / 2 - menuHeight / 2 + logo.height / 2;
    const int titleY = menuY - logo.height - logo.height / 4 + h / 4;
    const int left = titleX - h - 4 * c, right = titleX + logo.width + h + 4 * c;
    const int top = titleY - h + h / 2, bottom = menuY + menuHeight + h;
    const int corner = layout.panelCornerTopLeft.width;
    fillRect(screen, left + corner / 2, top + corner / 2, right - corner / 2, bottom - corner / 2, rgb(255, 255, 255));
    for (int i = 0; i < 4; ++i) {
        const int y = menuY + i * (h + h / 2 + h / 2);
        fillRect(screen, titleX + 1 - h + 4, y, right - 4 * c, y + h + h / 2, rgb(200, 220, 250));
    }
    blit(screen, logo, {0, 0, logo.width, logo.height}, titleX, titleY, logoColourKey);
    const Colour24 bands[3] = {frameOuterBand, frameMiddleBand, frameInnerBand};
    const int band = layout.bandWidth;
    for (int b = 0; b < 3; ++b) {
        const Rgba colour = fromColour24(bands[b]);
        const int in = b * band;
        fillRect(screen, left + corner, top + in, right - corner, top + in + band, colour);
        fillRect(screen, left + corner, bottom - in - band, right - corner, bottom - in, colour);
        fillRect(screen, left + in, top + corner, left + in + band, bottom - corner, colour);
        fillRect(screen, right - in - band, top + corner, right - in, bottom - corner, colour);
    }
    blit(screen, sheet, layout.panelCornerTopLeft, left, top, sheetColourKey);
    blit(screen, sheet, layout.panelCornerTopRight, right - corner, top, sheetColourKey);
    blit(screen, sheet, layout.panelCornerBottomLeft, left, bottom - corner, sheetColourKey);
    blit(screen, sheet, layout.panelCornerBottomRight, right - corner, bottom - corner, sheetColourKey);
    return screen;
}

}  // namespace art
