// The embedded artwork against the layout the program cuts it by (resources/ArtLayout.h).
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "BitmapView.h"
#include "render/Colour.h"

namespace {

using art::Colour24;
using art::Region;

struct Expected {
    int id, width, height;
    Colour24 key;
};
const Expected bitmaps[] = {{art::logoWideId, 256, 64, art::logoColourKey},
                            {art::logoNarrowId, 128, 32, art::logoColourKey},
                            {art::sheetWideId, 512, 256, art::sheetColourKey},
                            {art::sheetNarrowId, 256, 128, art::sheetColourKey}};
const art::SheetLayout sheets[] = {art::wideSheet, art::narrowSheet};

// How many pixels along the chosen edges of a region (top, left, bottom, right) are not the key.
int drawnOnEdges(const BitmapView& bitmap, Region r, Colour24 key, std::tuple<bool, bool, bool, bool> edges) {
    const auto [top, left, bottom, right] = edges;
    int drawn = 0;
    for (int x = r.x; x < r.right(); ++x)
        drawn += (top && bitmap.colour(x, r.y) != key) + (bottom && bitmap.colour(x, r.bottom() - 1) != key);
    for (int y = r.y; y < r.bottom(); ++y)
        drawn += (left && bitmap.colour(r.x, y) != key) + (right && bitmap.colour(r.right() - 1, y) != key);
    return drawn;
}

}  // namespace

// Header, a full 256-entry colour table, one byte per pixel and nothing else. Where the background
// must show the pixels are exactly the key, and no drawn pixel takes a colour the program would
// mistake for the key once reduced to 16 bits (it would turn see-through). Pictures keep clear of
// their rectangles' edges, so nothing is cut off where the program draws them.
TEST(BitmapResources, LayoutKeyAndUncutPictures) {
    for (const Expected& expected : bitmaps) {
        SCOPED_TRACE(expected.id);
        const BitmapView bitmap = BitmapView::find(expected.id);
        ASSERT_EQ(std::make_tuple(bitmap.headerSize, bitmap.width, bitmap.height, bitmap.bitsPerPixel),
                  std::make_tuple(40, expected.width, expected.height, 8));
        EXPECT_EQ(bitmap.bytes.size(), 1064u + static_cast<size_t>(expected.width) * expected.height);
        int keyed = 0;
        for (int y = 0; y < bitmap.height; ++y) {
            for (int x = 0; x < bitmap.width; ++x) {
                const Colour24 c = bitmap.colour(x, y);
                keyed += c == expected.key;
                if (c != expected.key && rgbTo565(c) == rgbTo565(expected.key))
                    ADD_FAILURE() << "key look-alike at " << x << "," << y;
            }
        }
        const int total = bitmap.width * bitmap.height;
        EXPECT_TRUE(keyed > total / 10 && keyed < total * 9 / 10) << "a picture with background round it";
        if (expected.key == art::logoColourKey) {
            EXPECT_EQ(drawnOnEdges(bitmap, {0, 0, bitmap.width, bitmap.height}, expected.key, {1, 1, 1, 1}), 0);
        }
    }
    for (const art::SheetLayout& sheet : sheets) {
        SCOPED_TRACE(sheet.id);
        const BitmapView bitmap = BitmapView::find(sheet.id);
        const Colour24 key = art::sheetColourKey;
        // Only the ribbon runs on across the edges where the strip continues it.
        EXPECT_EQ(drawnOnEdges(bitmap, sheet.sideArtUpper, key, {1, 1, 1, 1}), 0);
        EXPECT_EQ(drawnOnEdges(bitmap, sheet.sideArtLower, key, {1, 1, 1, 1}), 0);
        EXPECT_EQ(drawnOnEdges(bitmap, sheet.bannerRegion, key, {1, 1, 0, 0}), 0);
        EXPECT_EQ(drawnOnEdges(bitmap, sheet.cornerOrnament, key, {1, 0, 0, 0}), 0);
        // The rounded outer corners of the framed pictures let the background through.
        for (Region r : {sheet.bannerRegion, sheet.cornerOrnament, sheet.sideArtLower, sheet.panelCornerTopLeft})
            EXPECT_EQ(bitmap.colour(r.x, r.y), key) << r.x << "," << r.y;
        const Region last = sheet.panelCornerBottomRight;
        EXPECT_EQ(bitmap.colour(last.right() - 1, last.bottom() - 1), key);
    }
}

TEST(BitmapResources, RegionsLieInsideTheirSheetWithoutOverlapping) {
    for (const art::SheetLayout& sheet : sheets) {
        const auto regions = art::allRegions(sheet);
        for (size_t i = 0; i < regions.size(); ++i) {
            const Region a = regions[i];
            EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.width > 0 && a.height > 0 && a.right() <= sheet.width &&
                        a.bottom() <= sheet.height)
                << sheet.id << " region " << i;
            for (size_t j = i + 1; j < regions.size(); ++j) {
                const Region b = regions[j];
                EXPECT_TRUE(a.right() <= b.x || b.right() <= a.x || a.bottom() <= b.y || b.bottom() <= a.y)
                    << sheet.id << " regions " << i << " and " << j;
            }
        }
    }
}

// The strip tile repeats without a seam and meets the banner's and the ornament's ends of the ribbon
// where the program lays it; the panel corners meet the straight frame's three bands (outermost
// first, each the band width, then the panel's white) along the edges they share with it.
TEST(BitmapResources, RibbonAndFrameMeetWithoutSeams) {
    for (const art::SheetLayout& sheet : sheets) {
        SCOPED_TRACE(sheet.id);
        const BitmapView bitmap = BitmapView::find(sheet.id);
        const Region tile = sheet.stripTile, banner = sheet.bannerRegion, ornament = sheet.cornerOrnament;
        std::set<Colour24> edgeColours;
        for (int row = 0; row < tile.height; ++row) {
            const Colour24 left = bitmap.colour(tile.x, tile.y + row);
            EXPECT_EQ(left, bitmap.colour(tile.right() - 1, tile.y + row)) << "row " << row;
            edgeColours.insert(left);
            const int y = sheet.stripOffset + row;
            if (y < banner.height) {
                EXPECT_EQ(bitmap.colour(banner.right() - 1, banner.y + y), left) << "row " << row;
            }
            if (y < ornament.height) {
                EXPECT_EQ(bitmap.colour(ornament.x, ornament.y + y), left) << "row " << row;
            }
        }
        EXPECT_TRUE(edgeColours.count(art::frameOuterBand) && edgeColours.count(art::frameMiddleBand));

        const int band = sheet.bandWidth;
        const auto expected = [&](int depth) {
            const Colour24 bands[3] = {art::frameOuterBand, art::frameMiddleBand, art::frameInnerBand};
            return depth < 3 * band ? bands[depth / band] : art::panelFill;
        };
        for (auto [corner, right, bottom] :
             {std::tuple{sheet.panelCornerTopLeft, false, false}, std::tuple{sheet.panelCornerTopRight, true, false},
              std::tuple{sheet.panelCornerBottomLeft, false, true},
              std::tuple{sheet.panelCornerBottomRight, true, true}}) {
            const int innerColumn = right ? corner.x : corner.right() - 1;
            const int innerRow = bottom ? corner.y : corner.bottom() - 1;
            for (int depth = 0; depth < corner.width; ++depth) {
                const int y = bottom ? corner.bottom() - 1 - depth : corner.y + depth;
                const int x = right ? corner.right() - 1 - depth : corner.x + depth;
                EXPECT_EQ(bitmap.colour(innerColumn, y), expected(depth)) << corner.x << " depth " << depth;
                EXPECT_EQ(bitmap.colour(x, innerRow), expected(depth)) << corner.x << " depth " << depth;
            }
        }
    }
}
