#include "engine/resources/image_surface.h"

#include <SDL_image.h>

namespace GE {

Image_surface::Image_surface(const std::string& file) : Surface(IMG_Load(file.c_str())) {}

} // namespace GE
