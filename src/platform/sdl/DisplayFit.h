#pragma once
// The simulated screen a full-screen display shows.
namespace platform {

struct ScreenSize {
    int width = 0;
    int height = 0;
    bool operator==(const ScreenSize&) const = default;
};

// A handheld's display is the simulated screen itself. The layouts were drawn for screens up to
// 640 x 480 either way round and still lay themselves out whole a little beyond that (the 720 x 720,
// 750 x 560 and 800 x 480 handhelds), where halving would leave too little room for the wide artwork.
// A larger display (1280 x 720, 1920 x 1080) is divided by the smallest whole factor that brings it
// within that range, and the presenter scales the result up to fill it; so the fonts and artwork
// grow with the display instead of sitting small in a huge frame. Sides come out even.
ScreenSize fullscreenScreenSize(int displayWidth, int displayHeight);

}  // namespace platform
