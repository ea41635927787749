// The embedded artwork against the layout the program cuts it by (resources/ArtLayout.h).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <span>
#include <tuple>

#include "platform/Platform.h"
#include "render/Colour.h"
#include "resources/ArtLayout.h"

namespace {

using art::Colour24;
using art::Region;

// An embedded bitmap read the way the program's loader does; one missing or shorter than its header
// claims fails the test and reads as empty.
struct BitmapView {
    int32_t headerSize = 0, width = 0, height = 0, bitsPerPixel = 0;
    std::span<const uint8_t> bytes;

    explicit BitmapView(int id) : bytes(platform::findResource(platform::ResourceType::Bitmap, id)) {
        if (bytes.size() >= 40) {
            headerSize = static_cast<int32_t>(le32(0)), width = static_cast<int32_t>(le32(4));
            height = static_cast<int32_t>(le32(8)), bitsPerPixel = static_cast<int32_t>(le16(12) * le16(14));
        }
        if (width <= 0 || height <= 0 || bytes.size() < 1064 + size_t(width) * size_t(height)) {
            ADD_FAILURE() << "bitmap " << id << " is missing or cut short";
            *this = BitmapView();
        }
    }
    BitmapView() = default;
    // The colour table entry of pixel (x, y) as 0x00BBGGRR; 0xFFFFFFFF outside the picture.
    Colour24 colour(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return 0xFFFFFFFF;
        const size_t at = 40 + 4 * size_t(bytes[1064 + size_t(y) * width + x]);
        return art::makeColour(bytes[at + 2], bytes[at + 1], bytes[at]);
    }
    // How many pixels along the chosen edges of r (top, left, bottom, right) are not the key.
    int drawnOnEdges(Region r, Colour24 key, bool top, bool left, bool bottom, bool right) const {
        int drawn = 0;
        for (int x = r.x; x < r.right(); ++x)
            drawn += (top && colour(x, r.y) != key) + (bottom && colour(x, r.bottom() - 1) != key);
        for (int y = r.y; y < r.bottom(); ++y)
            drawn += (left && colour(r.x, y) != key) + (right && colour(r.right() - 1, y) != key);
        return drawn;
    }

private:
    uint32_t le16(size_t at) const { return bytes[at] | bytes[at + 1] << 8; }
    uint32_t le32(size_t at) const { return le16(at) | le16(at + 2) << 16; }
};

const art::SheetLayout sheets[] = {art::wideSheet, art::narrowSheet};

}  // namespace

// Header, a full 256-entry colour table, one byte per pixel and nothing else. Where the background
// must show the pixels are exactly the key, and no drawn pixel takes a colour the program would
// mistake for the key once reduced to 16 bits (it would turn see-through). Pictures keep clear of
// their rectangles' edges, so nothing is cut off where the program draws them.
TEST(BitmapResources, LayoutKeyAndUncutPictures) {
    for (auto [id, width, height, key] :
         {std::tuple{art::wideLogo.id, art::wideLogo.width, art::wideLogo.height, art::logoColourKey},
          std::tuple{art::narrowLogo.id, art::narrowLogo.width, art::narrowLogo.height, art::logoColourKey},
          std::tuple{art::wideSheet.id, art::wideSheet.width, art::wideSheet.height, art::sheetColourKey},
          std::tuple{art::narrowSheet.id, art::narrowSheet.width, art::narrowSheet.height, art::sheetColourKey}}) {
        SCOPED_TRACE(id);
        const BitmapView bitmap(id);
        ASSERT_EQ(std::make_tuple(bitmap.headerSize, bitmap.width, bitmap.height, bitmap.bitsPerPixel),
                  std::make_tuple(40, width, height, 8));
        EXPECT_EQ(bitmap.bytes.size(), 1064u + static_cast<size_t>(width) * height);
        int keyed = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const Colour24 c = bitmap.colour(x, y);
                keyed += c == key;
                if (c != key && rgbTo565(c) == rgbTo565(key)) ADD_FAILURE() << "key look-alike at " << x << "," << y;
            }
        }
        EXPECT_TRUE(keyed > width * height / 10 && keyed < width * height * 9 / 10) << "background round a picture";
        EXPECT_EQ(key == art::logoColourKey ? bitmap.drawnOnEdges({0, 0, width, height}, key, 1, 1, 1, 1) : 0, 0);
    }
    for (const art::SheetLayout& sheet : sheets) {
        SCOPED_TRACE(sheet.id);
        const BitmapView bitmap(sheet.id);
        const Colour24 key = art::sheetColourKey;
        // Only the ribbon runs on across the edges where the strip continues it.
        EXPECT_EQ(bitmap.drawnOnEdges(sheet.sideArtUpper, key, 1, 1, 1, 1), 0);
        EXPECT_EQ(bitmap.drawnOnEdges(sheet.sideArtLower, key, 1, 1, 1, 1), 0);
        EXPECT_EQ(bitmap.drawnOnEdges(sheet.bannerRegion, key, 1, 1, 0, 0), 0);
        EXPECT_EQ(bitmap.drawnOnEdges(sheet.cornerOrnament, key, 1, 0, 0, 0), 0);
        // The rounded outer corners of the framed pictures let the background through.
        for (Region r : {sheet.bannerRegion, sheet.cornerOrnament, sheet.sideArtLower, sheet.panelCornerTopLeft})
            EXPECT_EQ(bitmap.colour(r.x, r.y), key) << r.x << "," << r.y;
        const Region last = sheet.panelCornerBottomRight;
        EXPECT_EQ(bitmap.colour(last.right() - 1, last.bottom() - 1), key);
        // Every region lies inside its sheet without overlapping another.
        const auto regions = art::allRegions(sheet);
        for (size_t i = 0; i < regions.size(); ++i) {
            const Region a = regions[i];
            EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.width > 0 && a.height > 0 && a.right() <= sheet.width &&
                        a.bottom() <= sheet.height)
                << "region " << i;
            for (size_t j = i + 1; j < regions.size(); ++j) {
                const Region b = regions[j];
                EXPECT_TRUE(a.right() <= b.x || b.right() <= a.x || a.bottom() <= b.y || b.bottom() <= a.y)
                    << "regions " << i << " and " << j;
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
        const BitmapView bitmap(sheet.id);
        const Region tile = sheet.stripTile, banner = sheet.bannerRegion, ornament = sheet.cornerOrnament;
        std::set<Colour24> edgeColours;
        for (int row = 0; row < tile.height; ++row) {
            const Colour24 left = bitmap.colour(tile.x, tile.y + row);
            EXPECT_EQ(left, bitmap.colour(tile.right() - 1, tile.y + row)) << "row " << row;
            edgeColours.insert(left);
            const int y = sheet.stripOffset + row;
            EXPECT_TRUE(y >= banner.height || bitmap.colour(banner.right() - 1, banner.y + y) == left) << "row " << row;
            EXPECT_TRUE(y >= ornament.height || bitmap.colour(ornament.x, ornament.y + y) == left) << "row " << row;
        }
        EXPECT_TRUE(edgeColours.count(art::frameOuterBand) && edgeColours.count(art::frameMiddleBand));

        const Colour24 bands[3] = {art::frameOuterBand, art::frameMiddleBand, art::frameInnerBand};
        for (auto [corner, right, bottom] :
             {std::tuple{sheet.panelCornerTopLeft, false, false}, std::tuple{sheet.panelCornerTopRight, true, false},
              std::tuple{sheet.panelCornerBottomLeft, false, true},
              std::tuple{sheet.panelCornerBottomRight, true, true}}) {
            for (int depth = 0; depth < corner.width; ++depth) {
                const Colour24 expected = depth < 3 * sheet.bandWidth ? bands[depth / sheet.bandWidth] : art::panelFill;
                const int x = right ? corner.right() - 1 - depth : corner.x + depth;
                const int y = bottom ? corner.bottom() - 1 - depth : corner.y + depth;
                EXPECT_EQ(bitmap.colour(right ? corner.x : corner.right() - 1, y), expected)
                    << corner.x << " " << depth;
                EXPECT_EQ(bitmap.colour(x, bottom ? corner.y : corner.bottom() - 1), expected)
                    << corner.x << " " << depth;
            }
        }
    }
}

// Both sheets are one drawing at two scales: every region covers the same share of its area with
// the same colours (within what halving moves them) on the narrow sheet as on the wide one. So do the
// two logos.
TEST(BitmapResources, NarrowArtworkShowsTheSamePicturesAsTheWide) {
    // The share of r that is not key, and the mean red, green and blue of those pixels.
    auto summary = [](const BitmapView& bitmap, Region r, Colour24 key) {
        std::array<double, 4> s{};
        int drawn = 0;
        for (int y = r.y; y < r.bottom(); ++y) {
            for (int x = r.x; x < r.right(); ++x) {
                const Colour24 c = bitmap.colour(x, y);
                if (c == key) continue;
                ++drawn, s[1] += art::redOf(c), s[2] += art::greenOf(c), s[3] += art::blueOf(c);
            }
        }
        for (double& channel : s) channel /= std::max(drawn, 1);
        s[0] = static_cast<double>(drawn) / (r.width * r.height);
        return s;
    };
    auto expectAlike = [](const std::array<double, 4>& wide, const std::array<double, 4>& narrow) {
        constexpr double shareTolerance = 0.06, meanChannelTolerance = 12;
        EXPECT_NEAR(wide[0], narrow[0], shareTolerance);
        for (int i = 1; i < 4; ++i) EXPECT_NEAR(wide[i], narrow[i], meanChannelTolerance) << "channel " << i;
    };
    const auto wideRegions = art::allRegions(art::wideSheet), narrowRegions = art::allRegions(art::narrowSheet);
    const BitmapView wide(art::wideSheet.id), narrow(art::narrowSheet.id);
    for (size_t i = 0; i < wideRegions.size(); ++i) {
        SCOPED_TRACE(i);
        expectAlike(summary(wide, wideRegions[i], art::sheetColourKey),
                    summary(narrow, narrowRegions[i], art::sheetColourKey));
    }
    const BitmapView wideLogo(art::wideLogo.id), narrowLogo(art::narrowLogo.id);
    expectAlike(summary(wideLogo, {0, 0, wideLogo.width, wideLogo.height}, art::logoColourKey),
                summary(narrowLogo, {0, 0, narrowLogo.width, narrowLogo.height}, art::logoColourKey));
}
