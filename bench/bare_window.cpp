// The floor of the game's start-up as a player sees it: a bare SDL program that opens a window
// of the game's size with the game's renderer and presents one cleared frame, nothing else; or,
// given a PNG file, that image stretched over the window (a software rasterizer compiles its code
// for drawing images on the first such draw). With VOSSMERE_TIMELINE set it prints the moment of
// that frame as the game does ("first frame <ns>").
#include "bench/first_frame_report.h"

#include <SDL.h>
#include <SDL_image.h>

#include <iostream>

int main(int argc, char* argv[])
{
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::cerr << "bare_window: " << SDL_GetError() << '\n';
        return 1;
    }
    SDL_Window* window = SDL_CreateWindow("Vossmere", SDL_WINDOWPOS_UNDEFINED,
                                          SDL_WINDOWPOS_UNDEFINED, 1024, 768, SDL_WINDOW_SHOWN);
    SDL_Renderer* renderer =
        window
            ? SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC)
            : nullptr;
    if (renderer == nullptr) {
        std::cerr << "bare_window: " << SDL_GetError() << '\n';
        return 1;
    }
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    if (argc > 1) {
        SDL_Texture* image = IMG_LoadTexture(renderer, argv[1]);
        if (image == nullptr) {
            std::cerr << "bare_window: " << SDL_GetError() << '\n';
            return 1;
        }
        SDL_RenderCopy(renderer, image, nullptr, nullptr);
    }
    SDL_RenderPresent(renderer);
    report_first_frame();
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
