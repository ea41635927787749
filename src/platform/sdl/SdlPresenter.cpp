#include "platform/sdl/SdlPresenter.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform {

void SdlPresenter::buildLookup(const SDL_PixelFormat* format) {
    lookup.resize(65536);
    for (uint32_t p = 0; p < 65536; ++p) {
        const uint32_t r = (p >> 11) & 31, g = (p >> 5) & 63, b = p & 31;
        lookup[p] = SDL_MapRGB(format, static_cast<Uint8>((r << 3) | (r >> 2)), static_cast<Uint8>((g << 2) | (g >> 4)),
                               static_cast<Uint8>((b << 3) | (b >> 2)));
    }
}

// Recomputes the scaling when the surface or the frame changed size; true when everything must be sent.
bool SdlPresenter::prepare(SDL_Surface* surface, int width, int height) {
    if (surface->w == surfaceW && surface->h == surfaceH && width == frameW && height == frameH &&
        surface->format->format == surfaceFormat)
        return false;
    if (surface->format->format != surfaceFormat) buildLookup(surface->format);
    surfaceW = surface->w;
    surfaceH = surface->h;
    surfaceFormat = surface->format->format;
    frameW = width;
    frameH = height;
    factor = std::min(static_cast<double>(surfaceW) / width, static_cast<double>(surfaceH) / height);
    const int pictureW = std::max(1, static_cast<int>(width * factor));
    const int pictureH = std::max(1, static_cast<int>(height * factor));
    offsetX = (surfaceW - pictureW) / 2;
    offsetY = (surfaceH - pictureH) / 2;
    columnSource.resize(pictureW);
    for (int x = 0; x < pictureW; ++x) columnSource[x] = std::min(width - 1, static_cast<int>(x / factor));
    rowStart.resize(height + 1);
    for (int y = 0; y <= height; ++y) rowStart[y] = std::min(pictureH, static_cast<int>(y * factor + 0.5));
    lineBuffer.resize(static_cast<size_t>(pictureW) * surface->format->BytesPerPixel);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));  // the bars beside the picture
    return true;
}

// Converts frame rows [firstRow, endRow) into the surface, each repeated over its surface rows.
void SdlPresenter::drawRows(SDL_Surface* surface, const uint16_t* pixels, int firstRow, int endRow) {
    const int bytes = surface->format->BytesPerPixel;
    const size_t lineBytes = columnSource.size() * bytes;
    for (int y = firstRow; y < endRow; ++y) {
        if (rowStart[y] == rowStart[y + 1]) continue;
        const uint16_t* source = pixels + static_cast<size_t>(y) * frameW;
        if (bytes == 4) {
            auto* line = reinterpret_cast<uint32_t*>(lineBuffer.data());
            for (size_t x = 0; x < columnSource.size(); ++x) line[x] = lookup[source[columnSource[x]]];
        } else {
            for (size_t x = 0; x < columnSource.size(); ++x) {
                const uint32_t value = lookup[source[columnSource[x]]];
                std::memcpy(lineBuffer.data() + x * bytes, &value, bytes);  // little-endian hosts
            }
        }
        for (int row = rowStart[y]; row < rowStart[y + 1]; ++row) {
            auto* target = static_cast<uint8_t*>(surface->pixels) +
                           static_cast<size_t>(row + offsetY) * surface->pitch + static_cast<size_t>(offsetX) * bytes;
            std::memcpy(target, lineBuffer.data(), lineBytes);
        }
    }
}

void SdlPresenter::sendRows(SDL_Window* window, const std::vector<SDL_Rect>& bands) {
    if (!bands.empty()) SDL_UpdateWindowSurfaceRects(window, bands.data(), static_cast<int>(bands.size()));
}

void SdlPresenter::present(SDL_Window* window, const uint16_t* pixels, int width, int height) {
    SDL_Surface* surface = window ? SDL_GetWindowSurface(window) : nullptr;
    if (!surface || width <= 0 || height <= 0) return;
    const size_t count = static_cast<size_t>(width) * height;
    const bool everything = prepare(surface, width, height) || fullRedraw || previous.size() != count;
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
    std::vector<SDL_Rect> bands;
    int y = 0;
    while (y < height) {
        const uint16_t* row = pixels + static_cast<size_t>(y) * width;
        if (!everything && std::memcmp(row, previous.data() + static_cast<size_t>(y) * width, width * 2) == 0) {
            ++y;
            continue;
        }
        int end = y + 1;  // extend the band over the following changed rows
        while (end < height &&
               (everything || std::memcmp(pixels + static_cast<size_t>(end) * width,
                                          previous.data() + static_cast<size_t>(end) * width, width * 2) != 0))
            ++end;
        drawRows(surface, pixels, y, end);
        bands.push_back(
            {offsetX, offsetY + rowStart[y], static_cast<int>(columnSource.size()), rowStart[end] - rowStart[y]});
        y = end;
    }
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    if (everything) {
        bands.assign(1, SDL_Rect{0, 0, surfaceW, surfaceH});
        fullRedraw = false;
    }
    sendRows(window, bands);
    previous.assign(pixels, pixels + count);
}

void SdlPresenter::refresh(SDL_Window* window) {
    fullRedraw = true;
    surfaceW = surfaceH = 0;  // the surface may be new: look again
    if (previous.empty()) return;
    const std::vector<uint16_t> frame = previous;
    present(window, frame.data(), frameW, frameH);
}

void SdlPresenter::toBuffer(SDL_Window* window, int windowX, int windowY, int& x, int& y) const {
    int pointsW = 1, pointsH = 1;
    SDL_GetWindowSize(window, &pointsW, &pointsH);
    // Window coordinates are in points; the surface may have more pixels on a high-DPI screen.
    const double pixelsPerPointX = pointsW > 0 ? static_cast<double>(surfaceW) / pointsW : 1.0;
    const double pixelsPerPointY = pointsH > 0 ? static_cast<double>(surfaceH) / pointsH : 1.0;
    const double surfaceX = windowX * pixelsPerPointX - offsetX;
    const double surfaceY = windowY * pixelsPerPointY - offsetY;
    x = static_cast<int>(std::floor(surfaceX / factor));
    y = static_cast<int>(std::floor(surfaceY / factor));
}

}  // namespace platform
