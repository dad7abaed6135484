#pragma once

#include "engine/resources/sdl_owner.h"

#include <string>

typedef struct _Mix_Music Mix_Music;

namespace GE {

// A music track, streamed while it plays. Throws SDL_runtime_error when it cannot be loaded.
class Music {
public:
    explicit Music(const std::string& file);

    struct Free {
        void operator()(Mix_Music* music) const;
    };
    Sdl_owner<Mix_Music, Free> music;
};

} // namespace GE
