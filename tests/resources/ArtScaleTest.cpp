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

void expectAlike(const Summary& wide, const Summary& narrow) {
    EXPECT_NEAR(wide.drawnShare, narrow.drawnShare, 0.06);
    EXPECT_NEAR(wide.red, narrow.red, 12);
    EXPECT_NEAR(wide.green, narrow.green, 12);
    EXPECT_NEAR(wide.blue, narrow.blue, 12);
}

}  // namespace

// Both sheets are one drawing at two scales: every region covers the same share of its area with
// the same colours on the narrow sheet as on the wide one. So do the two logos.
TEST(ArtScale, NarrowArtworkShowsTheSamePicturesAsTheWide) {
    const BitmapView wide = BitmapView::find(art::wideSheet.id), narrow = BitmapView::find(art::narrowSheet.id);
    ASSERT_EQ(wide.width, art::wideSheet.width);
    ASSERT_EQ(narrow.width, art::narrowSheet.width);
    const auto wideRegions = art::allRegions(art::wideSheet), narrowRegions = art::allRegions(art::narrowSheet);
    for (size_t i = 0; i < wideRegions.size(); ++i) {
        SCOPED_TRACE(i);
        expectAlike(summarise(wide, wideRegions[i], art::sheetColourKey),
                    summarise(narrow, narrowRegions[i], art::sheetColourKey));
    }
    const BitmapView wideLogo = BitmapView::find(art::wideLogo.id), narrowLogo = BitmapView::find(art::narrowLogo.id);
    ASSERT_EQ(wideLogo.width, art::wideLogo.width);
    ASSERT_EQ(narrowLogo.width, art::narrowLogo.width);
    expectAlike(summarise(wideLogo, {0, 0, wideLogo.width, wideLogo.height}, art::logoColourKey),
                summarise(narrowLogo, {0, 0, narrowLogo.width, narrowLogo.height}, art::logoColourKey));
}
