#pragma once

struct SDL_Surface;

namespace GE {

// Owns an SDL surface.
class Surface {
public:
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    virtual ~Surface();

    SDL_Surface* surface;

protected:
    // Takes ownership; throws SDL_runtime_error when `loaded` is null.
    explicit Surface(SDL_Surface* loaded);
};

} // namespace GE
