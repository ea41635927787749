#include "SheetArt.h"

#include <cmath>
#include <functional>

#include "ArtStyle.h"

namespace art {

namespace {

constexpr int supersampling = 4;

using RegionArt = std::function<void(Painter&)>;

// Draws one region's picture into its own canvas, so nothing spills into a neighbouring region, and
// places it on the sheet.
void drawRegion(RgbaImage& sheetImage, Region target, Region design, const RegionArt& art) {
    const float scale =
        std::min(static_cast<float>(target.width) / design.width, static_cast<float>(target.height) / design.height);
    // Whole-pixel offsets keep lines that fall on pixel edges crisp.
    const Vec offset{std::floor((target.width - design.width * scale) / 2),
                     std::floor((target.height - design.height * scale) / 2)};
    Canvas canvas(target.width, target.height, supersampling, style::background);
    Painter painter(canvas, scale, offset);
    art(painter);
    paste(sheetImage, canvas.resolve(), target.x, target.y);
}

}  // namespace

float ribbonTop(const Painter& painter, const SheetLayout& sheet) {
    return static_cast<float>(sheet.stripOffset) / painter.scale();
}

RgbaImage drawSheet(const SheetLayout& sheet) {
    RgbaImage image = makeImage(sheet.width, sheet.height, style::background);
    const SheetLayout& design = wideSheet;
    auto with = [&sheet](void (*art)(Painter&, const SheetLayout&)) {
        return [&sheet, art](Painter& painter) { art(painter, sheet); };
    };
    auto corner = [](Corner which) { return [which](Painter& painter) { drawPanelCorner(painter, which); }; };
    drawRegion(image, sheet.bannerRegion, design.bannerRegion, with(drawBanner));
    drawRegion(image, sheet.stripTile, design.stripTile, with(drawStripTile));
    drawRegion(image, sheet.cornerOrnament, design.cornerOrnament, with(drawCornerOrnament));
    drawRegion(image, sheet.sideArtUpper, design.sideArtUpper, with(drawSideArtUpper));
    drawRegion(image, sheet.sideArtLower, design.sideArtLower, with(drawSideArtLower));
    drawRegion(image, sheet.panelCornerTopLeft, design.panelCornerTopLeft, corner(Corner::TopLeft));
    drawRegion(image, sheet.panelCornerTopRight, design.panelCornerTopRight, corner(Corner::TopRight));
    drawRegion(image, sheet.panelCornerBottomLeft, design.panelCornerBottomLeft, corner(Corner::BottomLeft));
    drawRegion(image, sheet.panelCornerBottomRight, design.panelCornerBottomRight, corner(Corner::BottomRight));
    return image;
}

}  // namespace art
