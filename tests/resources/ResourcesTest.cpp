// What the program carries: the artwork against the layout the program cuts it by
// (resources/ArtLayout.h), the window icon, the sounds, and the generator that makes them all.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "platform/Platform.h"
#include "platform/common/Wave.h"
#include "platform/common/WindowIcon.h"
#include "render/Image.h"
#include "resources/ArtLayout.h"

namespace fs = std::filesystem;

namespace {

using art::Colour24;
using art::Region;

// An embedded bitmap loaded as the program loads it, read with the 24-bit colours of its table.
struct Artwork {
    std::span<const uint8_t> bytes;
    Image image;

    explicit Artwork(int id) : bytes(platform::findResource(platform::ResourceType::Bitmap, id)) {
        EXPECT_TRUE(image.loadImageResource(id, NoColourKey)) << "bitmap " << id << " is missing or cut short";
    }
    // The colour of pixel (x, y) as 0x00BBGGRR; 0xFFFFFFFF outside the picture.
    Colour24 colour(int x, int y) const {
        if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return 0xFFFFFFFF;
        const uint8_t* entry = &bytes[40 + 4 * size_t(image.pixels()[size_t(y) * image.width() + x])];
        return art::makeColour(entry[2], entry[1], entry[0]);
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
};

// An embedded sound as the program reads it, with its samples as numbers.
struct Sound {
    platform::WaveData wave;
    std::vector<int> samples;

    explicit Sound(int id) : wave(platform::parseWave(platform::findResource(platform::ResourceType::Wave, id))) {
        for (size_t i = 0; i + 1 < wave.samples.size(); i += 2)
            samples.push_back(static_cast<int16_t>(wave.samples[i] | wave.samples[i + 1] << 8));
    }
    // Sign changes per second over a stretch: a rough measure of pitch and brightness (0 for no sound).
    double crossingsPerSecond(double fromSeconds, double toSeconds) const {
        const size_t first = static_cast<size_t>(fromSeconds * wave.sampleRate);
        const size_t last = std::min(samples.size(), static_cast<size_t>(toSeconds * wave.sampleRate));
        int crossings = 0;
        for (size_t i = first + 1; i < last; ++i) crossings += (samples[i - 1] < 0) != (samples[i] < 0);
        return last > first ? crossings / (static_cast<double>(last - first) / wave.sampleRate) : 0;
    }
};

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
        const Artwork bitmap(id);
        ASSERT_NE(bitmap.image.pixels(), nullptr);
        EXPECT_EQ(std::tuple(bitmap.bytes[0], bitmap.image.width(), bitmap.image.height(), bitmap.image.bitsPerPixel(),
                             bitmap.bytes.size()),
                  std::tuple(40, width, height, 8, 1064u + static_cast<size_t>(width) * height));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const Colour24 c = bitmap.colour(x, y);
                if (c != key && rgbTo565(c) == rgbTo565(key)) ADD_FAILURE() << "key look-alike at " << x << "," << y;
            }
        }
        EXPECT_EQ(key == art::logoColourKey ? bitmap.drawnOnEdges({0, 0, width, height}, key, 1, 1, 1, 1) : 0, 0);
    }
}

// The sheets' regions lie apart and their pictures clear of the edges, but for the ribbon: the strip
// tile repeats without a seam and meets the banner's and the ornament's ends of the ribbon where the
// program lays it; the panel corners meet the straight frame's three bands (outermost first, each the
// band width, then the panel's white) along the edges they share with it.
TEST(BitmapResources, SheetRegionsApartAndRibbonAndFrameWithoutSeams) {
    for (const art::SheetLayout& sheet : {art::wideSheet, art::narrowSheet}) {
        SCOPED_TRACE(sheet.id);
        const Artwork bitmap(sheet.id);
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
            SCOPED_TRACE(testing::Message() << "corner at " << corner.x << ", " << corner.y);
            for (int depth = 0; depth < corner.width; ++depth) {
                const Colour24 expected = depth < 3 * sheet.bandWidth ? bands[depth / sheet.bandWidth] : art::panelFill;
                const int x = right ? corner.right() - 1 - depth : corner.x + depth;
                const int y = bottom ? corner.bottom() - 1 - depth : corner.y + depth;
                EXPECT_EQ(bitmap.colour(right ? corner.x : corner.right() - 1, y), expected) << "depth " << depth;
                EXPECT_EQ(bitmap.colour(x, bottom ? corner.y : corner.bottom() - 1), expected) << "depth " << depth;
            }
        }
    }
}

// Both sheets are one drawing at two scales: every region covers the same share of its area with
// the same colours (within what halving moves them) on the narrow sheet as on the wide one. So do the
// two logos.
TEST(BitmapResources, NarrowArtworkShowsTheSamePicturesAsTheWide) {
    // The share of r that is not key, and the mean red, green and blue of those pixels.
    auto summary = [](const Artwork& bitmap, Region r, Colour24 key) {
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
    auto expectAlike = [&](const Artwork& wide, Region w, const Artwork& narrow, Region n, Colour24 key) {
        constexpr double shareTolerance = 0.06, meanChannelTolerance = 12;
        const std::array<double, 4> a = summary(wide, w, key), b = summary(narrow, n, key);
        EXPECT_NEAR(a[0], b[0], shareTolerance);
        for (int i = 1; i < 4; ++i) EXPECT_NEAR(a[i], b[i], meanChannelTolerance) << "channel " << i;
    };
    const auto wideRegions = art::allRegions(art::wideSheet), narrowRegions = art::allRegions(art::narrowSheet);
    const Artwork wide(art::wideSheet.id), narrow(art::narrowSheet.id);
    for (size_t i = 0; i < wideRegions.size(); ++i) {
        SCOPED_TRACE(i);
        expectAlike(wide, wideRegions[i], narrow, narrowRegions[i], art::sheetColourKey);
    }
    const Artwork wideLogo(art::wideLogo.id), narrowLogo(art::narrowLogo.id);
    expectAlike(wideLogo, {0, 0, art::wideLogo.width, art::wideLogo.height}, narrowLogo,
                {0, 0, art::narrowLogo.width, art::narrowLogo.height}, art::logoColourKey);
}

// Every size, opaque in the middle, with a rounded corner that lets the desktop show through, and no
// other size made up; damaged icon bytes are refused without reading past their end.
TEST(IconResource, EverySizeOpaqueWithSoftCornersAndDamagedBytesRefused) {
    EXPECT_EQ(platform::iconSizes(), std::vector<int>(art::iconSizes.begin(), art::iconSizes.end()));
    std::vector<uint32_t> argb;
    for (int size : art::iconSizes) {
        ASSERT_TRUE(platform::iconPixels(size, argb));
        ASSERT_EQ(argb.size(), static_cast<size_t>(size * size));
        EXPECT_EQ(argb[(size / 2) * size + size / 2] >> 24, 255u) << size;
        EXPECT_TRUE(argb[0] >> 24 < 128 && argb[size * size - 1] >> 24 < 128) << size;
    }
    EXPECT_TRUE(!platform::iconPixels(20, argb) && argb.empty());

    const auto real = platform::findResource(platform::ResourceType::Icon, art::iconId);
    const std::vector<uint8_t> whole(real.begin(), real.end());
    const std::function<void(std::vector<uint8_t>&)> damages[] = {
        [](auto& b) { b.pop_back(); },                          // the last picture's final byte missing
        [](auto& b) { std::fill_n(b.begin() + 12, 4, 0xFF); },  // the first picture's offset
        [](auto& b) { b[7] = 0x7F; },                           // a huge picture count
        [](auto& b) { b.resize(6); },                           // no whole header
        [](auto& b) { b[0] = 'X'; },                            // the wrong magic
    };
    for (size_t i = 0; i < std::size(damages); ++i) {
        std::vector<uint8_t> bytes = whole;
        damages[i](bytes);
        bytes.shrink_to_fit();  // no spare capacity to read unnoticed
        argb.assign(3, 1);
        EXPECT_FALSE(platform::readIconPixels(bytes, i == 0 ? 16 : 64, argb)) << "damage " << i;
        EXPECT_TRUE(argb.empty()) << "damage " << i;
    }
}

// Mono 16-bit PCM at its rate and within its length; each sound fades in from silence and back to it
// (a jump at either end is heard as a click), is clearly audible, and stays well below full scale.
TEST(SoundResources, AreMonoPcmAtTheirRatesStartAndEndSilentAndNeverClip) {
    constexpr int quietestPeak = 32767 / 8, loudestPeak = 32767 * 7 / 10;
    constexpr int edgeShareOfPeak = 10;  // silent: a tenth of the peak, for the first and last quarter millisecond
    for (const art::SoundFormat& format : art::soundFormats) {
        SCOPED_TRACE(format.id);
        const auto bytes = platform::findResource(platform::ResourceType::Wave, format.id);
        const Sound sound(format.id);
        const platform::WaveData& wave = sound.wave;
        const std::vector<int>& samples = sound.samples;
        ASSERT_TRUE(wave.valid()) << "missing or damaged";
        EXPECT_EQ(std::tuple(bytes[20] | bytes[21] << 8, wave.channels, wave.bitsPerSample, wave.sampleRate),
                  std::tuple(1, 1, 16, format.sampleRate));  // the format tag: PCM
        EXPECT_TRUE(wave.durationMs() > 20 && wave.durationMs() < static_cast<uint32_t>(format.maxDurationMs));
        int peak = 0;
        for (int s : samples) peak = std::max(peak, std::abs(s));
        EXPECT_TRUE(peak > quietestPeak && peak < loudestPeak) << peak;
        for (size_t i = 0; i < static_cast<size_t>(format.sampleRate / 4000); ++i) {
            EXPECT_LT(std::abs(samples[i]), peak / edgeShareOfPeak) << "sample " << i;
            EXPECT_LT(std::abs(samples[samples.size() - 1 - i]), peak / edgeShareOfPeak) << "from the end " << i;
        }
        EXPECT_TRUE(samples.front() == 0 && samples.back() == 0);
    }
}

// Each sound fits its moment: the right-answer chime is bright and the wrong-answer buzz low; the
// start arpeggio rises, the game-over phrase falls.
TEST(SoundResources, RiseFallAndBrightnessFitTheirEvents) {
    constexpr double chimeOverBuzz = 4, highestBuzz = 1000;  // crossings: several times, and per second
    const Sound right(art::rightAnswerSoundId), wrong(art::wrongAnswerSoundId), start(art::startSoundId),
        gameOver(art::gameOverSoundId);
    EXPECT_GT(right.crossingsPerSecond(0, 0.3), chimeOverBuzz * wrong.crossingsPerSecond(0, 0.3));
    EXPECT_TRUE(wrong.crossingsPerSecond(0, 0.3) > 0 && wrong.crossingsPerSecond(0, 0.3) < highestBuzz);
    EXPECT_LT(start.crossingsPerSecond(0.01, 0.08), start.crossingsPerSecond(0.27, 0.4));
    EXPECT_GT(gameOver.crossingsPerSecond(0.01, 0.18), gameOver.crossingsPerSecond(0.7, 1.1));
}

// The generator, run again into a fresh folder, makes the same bytes in every file as the build's own
// run did, and what the program carries is exactly what it makes (so the embedded table is not stale).
TEST(Generator, IsReproducibleAndMatchesTheEmbeddedResources) {
    auto bytesOf = [](const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    const fs::path built = fs::path(VX_BINARY_DIR) / "resources" / "generated", again = built.string() + "-again";
    fs::remove_all(again);
    fs::create_directories(again);
    const std::string command = "\"" VX_BINARY_DIR "/resources/vx-makeres\" \"" + again.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const auto& entry : fs::directory_iterator(again)) {
        EXPECT_EQ(bytesOf(entry.path()), bytesOf(built / entry.path().filename())) << entry.path();
    }
    using enum platform::ResourceType;
    const std::map<std::string, platform::ResourceType> types{{"Bitmap", Bitmap}, {"Wave", Wave}, {"Icon", Icon}};
    std::ifstream manifest(again / "manifest.txt");
    int resources = 0;
    for (std::string line, type, file; std::getline(manifest, line);) {
        std::istringstream fields(line);
        int id = 0;
        if (line.empty() || line[0] == '#') continue;
        ASSERT_TRUE(fields >> type >> id >> file && types.contains(type)) << line;
        const auto embedded = platform::findResource(types.at(type), id);
        EXPECT_EQ(std::vector<uint8_t>(embedded.begin(), embedded.end()), bytesOf(again / file)) << line;
        ++resources;
    }
    EXPECT_EQ(resources, 12);  // four bitmaps, seven sounds, the icon
    fs::remove_all(again);
}
