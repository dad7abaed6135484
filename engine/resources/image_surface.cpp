#include "engine/resources/image_surface.h"

#include "engine/resources/regular_file.h"

#include <SDL_image.h>

namespace GE {

namespace {

SDL_Surface* load_image(const std::string& file)
{
    require_regular_file(file);
    return IMG_Load(file.c_str());
}

} // namespace

Image_surface::Image_surface(const std::string& file) : Surface(load_image(file)) {}

} // namespace GE
