// The front-end's screens as drawn at the four screen sizes of the devices: the facts of the layout
// that matter to the player, checked on the frames, not pixel for pixel.
#include "FrontEndFixture.h"
#include "render/Colour.h"
#include "ui/Palette.h"

using namespace platform;

namespace {

constexpr Rgb background = 0x00FFE7DB;
constexpr Rgb white = 0x00FFFFFF;
constexpr Rgb darkRed = 0x00242DAD;
constexpr Rgb orange = 0x000354FB;
constexpr Rgb yellow = 0x0048CFFF;
// A centre computed from halves of odd widths may land a pixel either side.
constexpr int centreTolerancePx = 1;

struct Frame {
    std::vector<uint16_t> pixels;
    int width = 0;

    bool is(int x, int y, Rgb colour) const {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] == rgbTo565(colour);
    }
    // Whether the middle column holds these colours top to bottom somewhere from startY down.
    bool hasEdgeBelow(int startY, const std::vector<uint16_t>& edge) const {
        std::vector<uint16_t> column;
        for (size_t at = static_cast<size_t>(startY * width + width / 2); at < pixels.size(); at += width)
            column.push_back(pixels[at]);
        return std::search(column.begin(), column.end(), edge.begin(), edge.end()) != column.end();
    }
    int countIn(Rgb colour, const Rect& box) const {
        int count = 0;
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x) count += is(x, y, colour);
        return count;
    }
    int countNot(Rgb colour, int top, int bottom) const {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < width; ++x) count += !is(x, y, colour);
        return count;
    }
};

std::vector<uint16_t> bands(std::initializer_list<Rgb> colours) {
    std::vector<uint16_t> out;
    for (Rgb colour : colours) out.push_back(rgbTo565(colour));
    return out;
}

struct Drawn {
    Frame menu, options, scores;
};

}  // namespace

class ScreenLayout : public FrontEndTest {
protected:
    Frame shown() const { return {backend->lastFrame(), backend->frameWidth()}; }
    // Draws the main menu, the options and the high scores on a screen of this size; the program is
    // left on the high scores.
    Drawn drawAll(int width, int height) {
        boot(width, height);
        frame();
        Drawn drawn;
        drawn.menu = shown();
        key('2');
        frames(2);
        drawn.options = shown();
        key('0');
        frame();
        key('3');
        frames(2);
        drawn.scores = shown();
        return drawn;
    }
    Rect link() const { return boxOf(game->webLink); }
};

// The keypad phone's screen has room for no artwork; its link shows the whole address at the foot of the
// screen and takes no tap. Up to 320 wide the screens use the narrow sheet and one-pixel bands, wider ones
// the wide sheet and two-pixel bands. The link centres, in portrait in the width the corner ornament
// leaves, in landscape across the whole width, and keeps clear of the ornament.
TEST_F(ScreenLayout, SheetFrameAndLinkFollowTheScreen) {
    struct Case {
        int width, height, banner, linkSpan;
        std::vector<uint16_t> edge;
    };
    const std::vector<Case> cases = {
        {176, 220, 0, 176, bands({darkRed, orange, yellow, white})},
        {240, 320, 210, 240 - 45, bands({darkRed, orange, yellow, white})},
        {320, 240, 210, 320, bands({darkRed, orange, yellow, white})},
        {480, 640, 420, 480 - 90, bands({darkRed, darkRed, orange, orange, yellow, yellow, white})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        const Drawn drawn = drawAll(c.width, c.height);
        const bool plain = c.banner == 0;
        const int bannerHeight = plain ? 30 : game->bannerRegion->height();
        EXPECT_EQ(plain ? 0 : game->bannerRegion->frameWidth(), c.banner) << "the sheet";
        for (const Frame* frame : {&drawn.menu, &drawn.options, &drawn.scores}) {
            EXPECT_EQ(frame->countNot(background, 0, bannerHeight) > c.banner * bannerHeight / 2, !plain)
                << "the banner is drawn, and on the plain screen no pixel of a banner or strip";
            // A tall menu brings the panel up against the banner (at 320 x 240 its top line is the
            // banner's last row), so the bands are sought from a little above the banner's foot.
            EXPECT_TRUE(frame->hasEdgeBelow(plain ? 0 : bannerHeight - 4, c.edge)) << "the panel's frame bands";
            EXPECT_EQ(frame->countIn(white, link()), 0) << "the panel, however long the menu, leaves the link seen";
        }
        EXPECT_EQ(game->webLink.active, !plain);
        EXPECT_EQ(game->webLink.text, plain ? u"https://brinmoor.example (4)" : u"brinmoor.example (4)");
        EXPECT_NEAR((link().left + link().right) / 2, c.linkSpan / 2, centreTolerancePx);
        // The foot: above the ornament's corner where there is one, else the screen's last lines.
        const Rect ornament = plain ? Rect{c.width, c.height, c.width, c.height}
                                    : Rect{c.width - game->cornerOrnament->frameWidth() - 2,
                                           c.height - game->cornerOrnament->height() - 2, c.width - 2, c.height - 2};
        EXPECT_LE(link().bottom, c.height);
        EXPECT_TRUE(link().bottom <= ornament.top || link().right <= ornament.left) << "clear of the ornament";
        EXPECT_GT(link().top, ornament.top - (plain ? 3 : 2) * game->webLink.getHeight()) << "at the foot";
    }
}

// Shown straight from the main menu, before the options screen has set the back button's height, an
// entry's four lines still keep clear of the button above them and of the rank row below.
TEST_F(ScreenLayout, AnEntryKeepsClearOfTheButtonAndTheRow) {
    for (auto [width, height] : {std::pair{240, 320}, {320, 240}, {176, 220}, {480, 640}}) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        boot(width, height);
        game->highScores[0] = {u"", u"Multiply (7)", u"Normal", 1234, 12};
        key('3');
        frame();
        const Rect back = boxOf(game->backButton), row = boxOf(game->rankRow);
        const Frame frame = shown();
        // Text running into them would be drawn over the button's lower edge (a panel's outline takes
        // the row below its height) and under the row.
        for (int x = back.left; x < back.right; ++x) ASSERT_TRUE(frame.is(x, back.bottom, inkColour)) << x;
        int lowestInk = 0;
        for (int y = back.bottom + 1; y < row.top; ++y)
            for (int x = row.left; x < row.right; ++x)
                if (!frame.is(x, y, white)) lowestInk = y;
        EXPECT_GT(lowestInk, back.bottom + 1) << "the entry is drawn";
        EXPECT_LT(lowestInk, row.top - 1) << "and ends above the row";
    }
}
