#include "engine/resources/image_surface.h"

#include "engine/resources/regular_file.h"

#include <SDL_image.h>

namespace GE {

Image_surface::Image_surface(const std::string& file) : Surface(open_regular_file(file, IMG_Load))
{
}

} // namespace GE
