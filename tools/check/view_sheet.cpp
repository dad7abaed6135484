#include "tools/check/view_sheet.h"

#include "engine/core/error_text.h"
#include "engine/core/game_model.h"
#include "engine/core/ge_runtime_error.h"
#include "engine/core/render_context.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/load_xml_file.h"
#include "engine/resources/resources.h"
#include "engine/resources/texture.h"
#include "engine/widgets/label.h"
#include "game/level.h"
#include "game/level_loader.h"
#include "tools/check/design_sized_window.h"

#include <SDL_image.h>
#include <SDL_render.h>
#include <pugixml.hpp>

#include <algorithm>
#include <memory>
#include <vector>

namespace Tools {

namespace {

constexpr SDL_Color paper{28, 26, 30, 255};
constexpr SDL_Color ink{236, 230, 214, 255};
constexpr int font_size = 15;

struct View {
    std::string file;
    std::string door; // empty for a view without a door
};

// The views of a level file, in its order.
std::vector<View> views_of(const std::string& level_file)
{
    pugi::xml_document document;
    if (!GE::load_xml_file(document, level_file))
        throw GE::GE_runtime_error(level_file + ": Can not load a file with UI");
    std::vector<View> views;
    for (const pugi::xml_node& scene : document.child("level").children("scene"))
        views.push_back(
            {scene.attribute("file").as_string(""), scene.attribute("door_label").as_string("")});
    return views;
}

struct Texture_deleter {
    void operator()(SDL_Texture* texture) const { SDL_DestroyTexture(texture); }
};
struct Surface_deleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};

// A level's canvas drawn a quarter of its size, as the game's root draws it in a small window.
class Cell : public GE::Render_object_container {
public:
    Cell()
    {
        set_scale_x(static_cast<float>(View_sheet::cell_width) / Game::design_width);
        set_scale_y(static_cast<float>(View_sheet::cell_height) / Game::design_height);
    }
    float get_width() override { return static_cast<float>(View_sheet::cell_width); }
    float get_height() override { return static_cast<float>(View_sheet::cell_height); }
};

} // namespace

View_sheet::View_sheet(GE::Render_context* renderer, GE::App_window* window)
    : renderer(renderer), window(window)
{
}

void View_sheet::write(const std::string& file)
{
    const int levels = Game::Level_loader::count_levels();
    std::vector<std::vector<View>> rows;
    std::size_t columns = 1;
    for (int number = 1; number <= levels; ++number) {
        rows.push_back(views_of(Game::Level_loader::level_file_of(number)));
        columns = std::max(columns, rows.back().size());
    }
    const int width = gap + static_cast<int>(columns) * (cell_width + gap);
    const int height = gap + std::max(levels, 1) * (cell_height + label_height + gap);
    SDL_Renderer* sdl = renderer->renderer;
    const std::unique_ptr<SDL_Texture, Texture_deleter> sheet(
        SDL_CreateTexture(sdl, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, width, height));
    if (!sheet)
        throw GE::SDL_runtime_error::from_sdl();
    GE::check_sdl(SDL_SetRenderTarget(sdl, sheet.get()));
    GE::check_sdl(SDL_SetRenderDrawColor(sdl, paper.r, paper.g, paper.b, paper.a));
    GE::check_sdl(SDL_RenderClear(sdl));
    const auto font = GE::Resources::instance().get_font("OpenSans-SemiBold.ttf", font_size);
    const auto write_text = [&](const std::string& text, float x, float y) {
        const GE::Label label(renderer, "", font, ink, text);
        SDL_Texture* texture = label.texture->sdl_texture();
        const SDL_FRect place{x, y, static_cast<float>(label.texture->width),
                              static_cast<float>(label.texture->height)};
        GE::check_sdl(SDL_RenderCopyF(sdl, texture, nullptr, &place));
    };
    GE::Game_model model;
    for (int number = 1; number <= levels; ++number) {
        const std::string level_file = Game::Level_loader::level_file_of(number);
        auto level = std::make_shared<Game::Level>(renderer, window, &model);
        {
            const Design_sized_window design_sized(*window);
            GE::naming_errors(level_file,
                              [&] { Game::Level_loader(renderer).load(*level, level_file); });
        }
        const auto cell = std::make_shared<Cell>();
        cell->add_child(level);
        const float top =
            static_cast<float>(gap + (number - 1) * (cell_height + label_height + gap));
        const auto& views = rows[static_cast<std::size_t>(number - 1)];
        for (std::size_t index = 0; index < views.size(); ++index) {
            const float left =
                static_cast<float>(gap + static_cast<int>(index) * (cell_width + gap));
            level->show_view(static_cast<std::int32_t>(index));
            // On white, as the game's canvas is.
            const SDL_FRect canvas{left, top, static_cast<float>(cell_width),
                                   static_cast<float>(cell_height)};
            GE::check_sdl(SDL_SetRenderDrawColor(sdl, 255, 255, 255, 255));
            GE::check_sdl(SDL_RenderFillRectF(sdl, &canvas));
            cell->draw(left, top);
            std::string place = "Level " + std::to_string(number) + ", view " +
                                std::to_string(index + 1) + ": " + views[index].file;
            std::string door = views[index].door.empty() ? "no door" : "door " + views[index].door;
            if (index == 0)
                door += "   (the right door this time: " + level->correct_door_label + ")";
            write_text(place, left, top + cell_height + 2);
            write_text(door, left, top + cell_height + 2 + font_size + 6);
        }
        level->stop_listening();
    }
    const std::unique_ptr<SDL_Surface, Surface_deleter> picture(
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24));
    const bool read = picture && SDL_RenderReadPixels(sdl, nullptr, SDL_PIXELFORMAT_RGB24,
                                                      picture->pixels, picture->pitch) == 0;
    SDL_SetRenderTarget(sdl, nullptr);
    if (!read || IMG_SavePNG(picture.get(), file.c_str()) != 0)
        throw GE::SDL_runtime_error::from_sdl();
}

} // namespace Tools
