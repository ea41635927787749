#include <gtest/gtest.h>

#include <cstdlib>

#include "BitmapView.h"

namespace {

struct Summary {
    double red = 0, green = 0, blue = 0;  // mean of the drawn (unkeyed) pixels
    double drawnShare = 0;                // share of the area that is not key
};

Summary summarise(const BitmapView& bitmap, art::Region r, art::Colour24 key) {
    Summary s;
    int drawn = 0;
    for (int y = r.y; y < r.bottom(); ++y) {
        for (int x = r.x; x < r.right(); ++x) {
            const art::Colour24 c = bitmap.colour(x, y);
            if (c == key) continue;
            ++drawn;
            s.red += art::redOf(c);
            s.green += art::greenOf(c);
            s.blue += art::blueOf(c);
        }
    }
    if (drawn > 0) s.red /= drawn, s.green /= drawn, s.blue /= drawn;
    s.drawnShare = static_cast<double>(drawn) / (r.width * r.height);
    return s;
}

// Scaling by half moves a region's covered share and its mean colour only this far.
constexpr double shareTolerance = 0.06;
constexpr double meanChannelTolerance = 12;

void expectAlike(const Summary& wide, const Summary& narrow) {
    EXPECT_NEAR(wide.drawnShare, narrow.drawnShare, shareTolerance);
    EXPECT_NEAR(wide.red, narrow.red, meanChannelTolerance);
    EXPECT_NEAR(wide.green, narrow.green, meanChannelTolerance);
    EXPECT_NEAR(wide.blue, narrow.blue, meanChannelTolerance);
}

}  // namespace

// Both sheets are one drawing at two scales: every region covers the same share of its area with
// the same colours on the narrow sheet as on the wide one. So do the two logos.
TEST(ArtScale, NarrowArtworkShowsTheSamePicturesAsTheWide) {
    const auto wideRegions = art::allRegions(art::wideSheet), narrowRegions = art::allRegions(art::narrowSheet);
    const BitmapView wide = BitmapView::find(art::wideSheet.id), narrow = BitmapView::find(art::narrowSheet.id);
    for (size_t i = 0; i < wideRegions.size(); ++i) {
        SCOPED_TRACE(i);
        expectAlike(summarise(wide, wideRegions[i], art::sheetColourKey),
                    summarise(narrow, narrowRegions[i], art::sheetColourKey));
    }
    const BitmapView wideLogo = BitmapView::find(art::wideLogo.id), narrowLogo = BitmapView::find(art::narrowLogo.id);
    expectAlike(summarise(wideLogo, {0, 0, wideLogo.width, wideLogo.height}, art::logoColourKey),
                summarise(narrowLogo, {0, 0, narrowLogo.width, narrowLogo.height}, art::logoColourKey));
}
