#pragma once

#include "engine/core/sdl_runtime_error.h"

#include <memory>

namespace GE {

// Owns what an SDL call made and frees it with `Free`; it moves but never copies. Made from the
// null pointer of a failed call, it throws SDL_runtime_error with SDL's text. It reads as the
// pointer it holds, so that it can be handed straight to SDL.
template <typename T, typename Free>
class Sdl_owner {
public:
    explicit Sdl_owner(T* made) : owned(made)
    {
        if (!owned)
            throw SDL_runtime_error::from_sdl();
    }

    T* get() const { return owned.get(); }
    operator T*() const { return owned.get(); }
    T* operator->() const { return owned.get(); }

private:
    std::unique_ptr<T, Free> owned;
};

} // namespace GE
