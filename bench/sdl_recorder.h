#pragma once

#include <SDL_blendmode.h>
#include <SDL_rect.h>

#include <cstdint>
#include <optional>
#include <vector>

struct SDL_Renderer;
struct SDL_Texture;

namespace Bench {

// One drawing call the game made to SDL, with its arguments.
struct Sdl_call {
    enum class Kind { draw_color, blend_mode, clear, fill_rect, draw_rect, copy, present };
    Kind kind;
    SDL_Renderer* renderer;
    SDL_Texture* texture = nullptr;
    std::optional<SDL_Rect> source{};
    std::optional<SDL_FRect> rect{};
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    SDL_BlendMode blend = SDL_BLENDMODE_NONE;
};

// Sees every drawing call the game makes to SDL: the benchmark executable defines the SDL
// drawing functions itself, so the engine's calls land here first and go on to SDL's. What is
// recorded can be issued again straight to SDL, the floor a frame of the game is measured
// against.
class Sdl_recorder {
public:
    static Sdl_recorder& instance();

    void start() { calls.clear(), recording = true; }
    std::vector<Sdl_call> stop();
    // Issues the calls to SDL, as the game issued them.
    static void replay(const std::vector<Sdl_call>& calls);

    bool recording = false;
    std::vector<Sdl_call> calls;
    // How many frames were presented since the counter was last reset.
    int presents = 0;
};

} // namespace Bench
