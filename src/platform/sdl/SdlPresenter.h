#pragma once
// Shows the RGB565 frame in the window surface: converted and scaled in one pass, keeping the aspect
// (nearest neighbour, so integer factors are exact), and sending only the rows that changed.
#include <SDL.h>

#include <cstdint>
#include <vector>

namespace platform {

class SdlPresenter {
public:
    void present(SDL_Window* window, const uint16_t* pixels, int width, int height);
    // Presents the last frame again, all of it (after an expose or a resize).
    void refresh(SDL_Window* window);
    // Maps a point in window coordinates to a frame-buffer pixel (may lie outside the frame).
    void toBuffer(SDL_Window* window, int windowX, int windowY, int& x, int& y) const;

private:
    bool prepare(SDL_Surface* surface, int width, int height);
    void buildLookup(const SDL_PixelFormat* format);
    void drawRows(SDL_Surface* surface, const uint16_t* pixels, int firstRow, int endRow);
    void sendRows(SDL_Window* window, const std::vector<SDL_Rect>& bands);

    std::vector<uint16_t> previous;  // the frame last sent, to find changed rows
    int frameW = 0;
    int frameH = 0;
    int surfaceW = 0;
    int surfaceH = 0;
    uint32_t surfaceFormat = 0;
    int offsetX = 0;
    int offsetY = 0;
    double factor = 1.0;
    bool fullRedraw = true;
    std::vector<int> columnSource;  // frame column for every surface column of the picture
    std::vector<int> rowStart;      // first surface row of every frame row, plus one past the end
    std::vector<uint32_t> lookup;   // RGB565 -> surface pixel
    std::vector<uint8_t> lineBuffer;
};

}  // namespace platform
