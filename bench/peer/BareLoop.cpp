// The floor the whole-process figures are compared with: a bare SDL window-surface loop that
// presents a changing 480 x 640 frame every 25 ms and does nothing else.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

int main() {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Window* window = SDL_CreateWindow("bare loop", 0, 0, 480, 640, 0);
    if (!window) return 1;
    bool first = true;
    for (Uint32 frame = 0;; ++frame) {
        SDL_Event event;
        while (SDL_PollEvent(&event))
            if (event.type == SDL_QUIT) return 0;
        SDL_Surface* surface = SDL_GetWindowSurface(window);
        for (int y = 0; y < surface->h; ++y) {
            auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
            for (int x = 0; x < surface->w; ++x) row[x] = (x + y + frame) * 0x010203u;
        }
        SDL_UpdateWindowSurface(window);
        if (first) {
            first = false;
            if (const char* path = std::getenv("VX_FIRST_FRAME_FILE")) {
                timespec now{};
                clock_gettime(CLOCK_REALTIME, &now);
                if (std::FILE* file = std::fopen(path, "w")) {
                    std::fprintf(file, "%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                    std::fclose(file);
                }
            }
        }
        SDL_Delay(25);
    }
}
