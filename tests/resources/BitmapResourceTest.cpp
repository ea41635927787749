#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "BitmapView.h"
#include "render/Colour.h"

namespace {

struct ExpectedBitmap {
    int id;
    int width;
    int height;
    art::Colour24 key;
};

const std::vector<ExpectedBitmap> bitmaps{{art::logoWideId, 256, 64, art::logoColourKey},
                                          {art::logoNarrowId, 128, 32, art::logoColourKey},
                                          {art::sheetWideId, 512, 256, art::sheetColourKey},
                                          {art::sheetNarrowId, 256, 128, art::sheetColourKey}};

const std::vector<art::SheetLayout> sheets{art::wideSheet, art::narrowSheet};

bool looksLikeKey(art::Colour24 colour, art::Colour24 key) { return rgbTo565(colour) == rgbTo565(key); }

}  // namespace

TEST(BitmapResources, HaveTheLayoutAndSizeTheLoaderReads) {
    for (const ExpectedBitmap& expected : bitmaps) {
        SCOPED_TRACE(expected.id);
        const BitmapView bitmap = BitmapView::find(expected.id);
        EXPECT_EQ(std::make_tuple(bitmap.headerSize, bitmap.width, bitmap.height, bitmap.bitsPerPixel),
                  std::make_tuple(40, expected.width, expected.height, 8));
        // Header, a full 256-entry colour table, then one byte per pixel and nothing else.
        EXPECT_EQ(bitmap.bytes.size(), 1064u + static_cast<size_t>(expected.width) * expected.height);
    }
}

// Where the background must show, the pixels are exactly the key; and no drawn pixel takes a colour
// that the program would mistake for the key once reduced to 16 bits (it would turn see-through).
TEST(BitmapResources, UseTheColourKeyOnlyForTheBackground) {
    for (const ExpectedBitmap& expected : bitmaps) {
        SCOPED_TRACE(expected.id);
        const BitmapView bitmap = BitmapView::find(expected.id);
        ASSERT_EQ(bitmap.width, expected.width);
        EXPECT_EQ(bitmap.colour(0, 0), expected.key);
        int keyed = 0;
        for (int y = 0; y < bitmap.height; ++y) {
            for (int x = 0; x < bitmap.width; ++x) {
                const art::Colour24 c = bitmap.colour(x, y);
                if (c == expected.key)
                    ++keyed;
                else if (looksLikeKey(c, expected.key))
                    ADD_FAILURE() << "key look-alike at " << x << "," << y;
            }
        }
        const int total = bitmap.width * bitmap.height;
        EXPECT_GT(keyed, total / 10) << "the background shows round the pictures";
        EXPECT_LT(keyed, total * 9 / 10) << "there is a picture";
    }
    // The rounded outer corners of every framed picture let the background through.
    for (const art::SheetLayout& sheet : sheets) {
        const BitmapView bitmap = BitmapView::find(sheet.id);
        ASSERT_EQ(bitmap.width, sheet.width);
        for (art::Region r : {sheet.bannerRegion, sheet.cornerOrnament, sheet.sideArtLower})
            EXPECT_EQ(bitmap.colour(r.x, r.y), art::sheetColourKey) << sheet.id << " region at " << r.x << "," << r.y;
        EXPECT_EQ(bitmap.colour(sheet.panelCornerTopLeft.x, sheet.panelCornerTopLeft.y), art::sheetColourKey);
        EXPECT_EQ(bitmap.colour(sheet.panelCornerBottomRight.right() - 1, sheet.panelCornerBottomRight.bottom() - 1),
                  art::sheetColourKey);
    }
}

TEST(BitmapResources, RegionsLieInsideTheirSheetWithoutOverlapping) {
    for (const art::SheetLayout& sheet : sheets) {
        const auto regions = art::allRegions(sheet);
        for (size_t i = 0; i < regions.size(); ++i) {
            const art::Region a = regions[i];
            EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.width > 0 && a.height > 0 && a.right() <= sheet.width &&
                        a.bottom() <= sheet.height)
                << sheet.id << " region " << i;
            for (size_t j = i + 1; j < regions.size(); ++j) {
                const art::Region b = regions[j];
                const bool apart = a.right() <= b.x || b.right() <= a.x || a.bottom() <= b.y || b.bottom() <= a.y;
                EXPECT_TRUE(apart) << sheet.id << " regions " << i << " and " << j;
            }
        }
    }
}

// The tile repeats without a seam, and the banner's and the ornament's ends of the ribbon continue
// it exactly where the program lays the tiles beside them.
TEST(BitmapResources, StripTileRepeatsAndMeetsTheBannerAndTheOrnament) {
    for (const art::SheetLayout& sheet : sheets) {
        SCOPED_TRACE(sheet.id);
        const BitmapView bitmap = BitmapView::find(sheet.id);
        ASSERT_EQ(bitmap.width, sheet.width);
        const art::Region tile = sheet.stripTile, banner = sheet.bannerRegion, ornament = sheet.cornerOrnament;
        std::set<art::Colour24> edgeColours;
        for (int row = 0; row < tile.height; ++row) {
            const art::Colour24 left = bitmap.colour(tile.x, tile.y + row);
            EXPECT_EQ(left, bitmap.colour(tile.right() - 1, tile.y + row)) << "row " << row;
            edgeColours.insert(left);
            if (sheet.stripOffset + row < banner.height) {
                EXPECT_EQ(bitmap.colour(banner.right() - 1, banner.y + sheet.stripOffset + row), left) << "row " << row;
            }
            if (sheet.stripOffset + row < ornament.height) {
                EXPECT_EQ(bitmap.colour(ornament.x, ornament.y + sheet.stripOffset + row), left) << "row " << row;
            }
        }
        // The edge shows the ribbon's bands, not just background.
        EXPECT_TRUE(edgeColours.count(art::frameOuterBand) && edgeColours.count(art::frameMiddleBand));
    }
}

// Along the edge where a corner meets the straight frame, its pixels are the straight frame's: the
// three bands outermost first, each the band width, then the panel's white.
TEST(BitmapResources, PanelCornersMeetTheStraightBands) {
    for (const art::SheetLayout& sheet : sheets) {
        SCOPED_TRACE(sheet.id);
        const BitmapView bitmap = BitmapView::find(sheet.id);
        ASSERT_EQ(bitmap.width, sheet.width);
        const int size = sheet.panelCornerTopLeft.width, band = sheet.bandWidth;
        auto expected = [&](int depth) {
            const art::Colour24 bands[3] = {art::frameOuterBand, art::frameMiddleBand, art::frameInnerBand};
            return depth < 3 * band ? bands[depth / band] : art::panelFill;
        };
        struct Edge {
            art::Region corner;
            bool right, bottom;
        };
        for (const Edge& e :
             {Edge{sheet.panelCornerTopLeft, false, false}, Edge{sheet.panelCornerTopRight, true, false},
              Edge{sheet.panelCornerBottomLeft, false, true}, Edge{sheet.panelCornerBottomRight, true, true}}) {
            // The column next to the horizontal edge and the row next to the vertical edge.
            const int innerColumn = e.right ? e.corner.x : e.corner.right() - 1;
            const int innerRow = e.bottom ? e.corner.y : e.corner.bottom() - 1;
            for (int depth = 0; depth < size; ++depth) {
                const int y = e.bottom ? e.corner.bottom() - 1 - depth : e.corner.y + depth;
                const int x = e.right ? e.corner.right() - 1 - depth : e.corner.x + depth;
                EXPECT_EQ(bitmap.colour(innerColumn, y), expected(depth))
                    << "corner at " << e.corner.x << " depth " << depth;
                EXPECT_EQ(bitmap.colour(x, innerRow), expected(depth))
                    << "corner at " << e.corner.x << " depth " << depth;
            }
        }
    }
}

namespace {

// How many pixels along the given edges of a region are not the key.
int drawnOnEdges(const BitmapView& bitmap, art::Region r, art::Colour24 key, bool top, bool left, bool bottom,
                 bool right) {
    int drawn = 0;
    for (int x = r.x; x < r.right(); ++x) {
        drawn += top && bitmap.colour(x, r.y) != key;
        drawn += bottom && bitmap.colour(x, r.bottom() - 1) != key;
    }
    for (int y = r.y; y < r.bottom(); ++y) {
        drawn += left && bitmap.colour(r.x, y) != key;
        drawn += right && bitmap.colour(r.right() - 1, y) != key;
    }
    return drawn;
}

}  // namespace

// Pictures stay inside their rectangles with room to spare, so nothing is cut off where the program
// draws them; only the ribbon runs on across the edges where the strip continues it.
TEST(BitmapResources, PicturesAreNotCutOffAtTheirEdges) {
    for (const art::LogoLayout& logo : {art::wideLogo, art::narrowLogo}) {
        const BitmapView bitmap = BitmapView::find(logo.id);
        ASSERT_EQ(bitmap.width, logo.width);
        EXPECT_EQ(drawnOnEdges(bitmap, {0, 0, logo.width, logo.height}, art::logoColourKey, true, true, true, true), 0)
            << logo.id;
    }
    for (const art::SheetLayout& sheet : sheets) {
        SCOPED_TRACE(sheet.id);
        const BitmapView bitmap = BitmapView::find(sheet.id);
        ASSERT_EQ(bitmap.width, sheet.width);
        const art::Colour24 key = art::sheetColourKey;
        EXPECT_EQ(drawnOnEdges(bitmap, sheet.sideArtUpper, key, true, true, true, true), 0);
        EXPECT_EQ(drawnOnEdges(bitmap, sheet.sideArtLower, key, true, true, true, true), 0);
        EXPECT_EQ(drawnOnEdges(bitmap, sheet.bannerRegion, key, true, true, false, false), 0);
        EXPECT_EQ(drawnOnEdges(bitmap, sheet.cornerOrnament, key, true, false, false, false), 0);
    }
}
