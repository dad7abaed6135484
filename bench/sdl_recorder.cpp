#include "bench/sdl_recorder.h"

#include <SDL_render.h>

#include <dlfcn.h>
#include <stdexcept>
#include <string>

namespace Bench {

namespace {

// SDL's own definition of `name`, found past this executable's.
template <typename Function>
Function* real(const char* name)
{
    static auto* function = reinterpret_cast<Function*>(dlsym(RTLD_NEXT, name));
    if (function == nullptr)
        throw std::runtime_error(std::string("no SDL function ") + name);
    return function;
}

using Kind = Sdl_call::Kind;

void note(Sdl_call call)
{
    auto& recorder = Sdl_recorder::instance();
    if (call.kind == Kind::present)
        ++recorder.presents;
    if (recorder.recording)
        recorder.calls.push_back(call);
}

template <typename Rect>
std::optional<Rect> value_of(const Rect* rect)
{
    return rect ? std::optional<Rect>(*rect) : std::nullopt;
}

template <typename Rect>
const Rect* pointer_to(const std::optional<Rect>& rect)
{
    return rect ? &*rect : nullptr;
}

} // namespace

Sdl_recorder& Sdl_recorder::instance()
{
    static Sdl_recorder recorder;
    return recorder;
}

std::vector<Sdl_call> Sdl_recorder::stop()
{
    recording = false;
    return std::move(calls);
}

void Sdl_recorder::replay(const std::vector<Sdl_call>& calls)
{
    for (const Sdl_call& call : calls) {
        switch (call.kind) {
        case Kind::draw_color:
            real<decltype(SDL_SetRenderDrawColor)>("SDL_SetRenderDrawColor")(
                call.renderer, call.r, call.g, call.b, call.a);
            break;
        case Kind::blend_mode:
            real<decltype(SDL_SetRenderDrawBlendMode)>("SDL_SetRenderDrawBlendMode")(call.renderer,
                                                                                     call.blend);
            break;
        case Kind::clear:
            real<decltype(SDL_RenderClear)>("SDL_RenderClear")(call.renderer);
            break;
        case Kind::fill_rect:
            real<decltype(SDL_RenderFillRectF)>("SDL_RenderFillRectF")(call.renderer,
                                                                       pointer_to(call.rect));
            break;
        case Kind::draw_rect:
            real<decltype(SDL_RenderDrawRectF)>("SDL_RenderDrawRectF")(call.renderer,
                                                                       pointer_to(call.rect));
            break;
        case Kind::copy:
            real<decltype(SDL_RenderCopyF)>("SDL_RenderCopyF")(
                call.renderer, call.texture, pointer_to(call.source), pointer_to(call.rect));
            break;
        case Kind::present:
            real<decltype(SDL_RenderPresent)>("SDL_RenderPresent")(call.renderer);
            break;
        }
    }
}

} // namespace Bench

// The engine's drawing calls, seen on their way to SDL.
extern "C" {

int SDL_SetRenderDrawColor(SDL_Renderer* renderer, Uint8 r, Uint8 g, Uint8 b, Uint8 a)
{
    Bench::note(
        {.kind = Bench::Kind::draw_color, .renderer = renderer, .r = r, .g = g, .b = b, .a = a});
    return Bench::real<decltype(SDL_SetRenderDrawColor)>("SDL_SetRenderDrawColor")(renderer, r, g,
                                                                                   b, a);
}

int SDL_SetRenderDrawBlendMode(SDL_Renderer* renderer, SDL_BlendMode mode)
{
    Bench::note({.kind = Bench::Kind::blend_mode, .renderer = renderer, .blend = mode});
    return Bench::real<decltype(SDL_SetRenderDrawBlendMode)>("SDL_SetRenderDrawBlendMode")(renderer,
                                                                                           mode);
}

int SDL_RenderClear(SDL_Renderer* renderer)
{
    Bench::note({.kind = Bench::Kind::clear, .renderer = renderer});
    return Bench::real<decltype(SDL_RenderClear)>("SDL_RenderClear")(renderer);
}

int SDL_RenderFillRectF(SDL_Renderer* renderer, const SDL_FRect* rect)
{
    Bench::note(
        {.kind = Bench::Kind::fill_rect, .renderer = renderer, .rect = Bench::value_of(rect)});
    return Bench::real<decltype(SDL_RenderFillRectF)>("SDL_RenderFillRectF")(renderer, rect);
}

int SDL_RenderDrawRectF(SDL_Renderer* renderer, const SDL_FRect* rect)
{
    Bench::note(
        {.kind = Bench::Kind::draw_rect, .renderer = renderer, .rect = Bench::value_of(rect)});
    return Bench::real<decltype(SDL_RenderDrawRectF)>("SDL_RenderDrawRectF")(renderer, rect);
}

int SDL_RenderCopyF(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect* source,
                    const SDL_FRect* destination)
{
    Bench::note({.kind = Bench::Kind::copy,
                 .renderer = renderer,
                 .texture = texture,
                 .source = Bench::value_of(source),
                 .rect = Bench::value_of(destination)});
    return Bench::real<decltype(SDL_RenderCopyF)>("SDL_RenderCopyF")(renderer, texture, source,
                                                                     destination);
}

void SDL_RenderPresent(SDL_Renderer* renderer)
{
    Bench::note({.kind = Bench::Kind::present, .renderer = renderer});
    Bench::real<decltype(SDL_RenderPresent)>("SDL_RenderPresent")(renderer);
}

} // extern "C"
