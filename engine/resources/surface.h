#pragma once

#include "engine/resources/sdl_owner.h"

struct SDL_Surface;

namespace GE {

// Owns an SDL surface.
class Surface {
public:
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    virtual ~Surface() = default;

    struct Free {
        void operator()(SDL_Surface* surface) const;
    };
    Sdl_owner<SDL_Surface, Free> surface;

protected:
    // Takes ownership; throws SDL_runtime_error when `loaded` is null.
    explicit Surface(SDL_Surface* loaded);
};

} // namespace GE
