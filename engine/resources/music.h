#pragma once

#include <string>

typedef struct _Mix_Music Mix_Music;

namespace GE {

// A music track, streamed while it plays. Throws SDL_runtime_error when it cannot be loaded.
class Music {
public:
    explicit Music(const std::string& file);
    ~Music();
    Music(const Music&) = delete;
    Music& operator=(const Music&) = delete;

    Mix_Music* music;
};

} // namespace GE
