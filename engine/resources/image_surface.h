#pragma once

#include "engine/resources/surface.h"

#include <string>

namespace GE {

// An image file decoded into a surface. Throws SDL_runtime_error when it cannot be loaded.
class Image_surface : public Surface {
public:
    explicit Image_surface(const std::string& file);
};

} // namespace GE
