// The floor of the game's start-up: the same libraries started, the same window and renderer
// opened, and the same images decoded into textures as the game needs for its first frame (its
// screens and the first level), then one frame presented. Run in the game's data folder; with
// VOSSMERE_TIMELINE set it reports the moment of that frame as the game does.
#include "bench/first_frame_report.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <pugixml.hpp>

#include <iostream>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

void require(bool succeeded)
{
    if (!succeeded)
        throw std::runtime_error(SDL_GetError());
}

// Every image file the elements of `file` name, and those of the scenes a level file names.
void collect_images(const std::string& file, std::set<std::string>& images)
{
    pugi::xml_document document;
    require(document.load_file(file.c_str()));
    for (const pugi::xpath_node& found : document.select_nodes("//*")) {
        const pugi::xml_node element = found.node();
        if (std::string_view(element.name()) == "scene" && element.attribute("file"))
            collect_images(element.attribute("file").as_string(), images);
        for (const pugi::xml_attribute& attribute : element.attributes()) {
            const std::string value = attribute.as_string();
            if (value.ends_with(".png"))
                images.insert(value);
        }
    }
}

} // namespace

int main()
{
    try {
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "best");
        require(SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) == 0);
        require(IMG_Init(IMG_INIT_PNG) != 0);
        require(TTF_Init() == 0);
        require(Mix_Init(MIX_INIT_OGG) != 0);
        require(Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 4096) == 0);
        SDL_Window* window = SDL_CreateWindow("Vossmere", SDL_WINDOWPOS_UNDEFINED,
                                              SDL_WINDOWPOS_UNDEFINED, 1024, 768, SDL_WINDOW_SHOWN);
        require(window != nullptr);
        SDL_Renderer* renderer =
            SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
        require(renderer != nullptr);

        std::set<std::string> files;
        for (const char* screen : {"main_menu.xml", "play_ui.xml", "enter_confirmation.xml",
                                   "retry_confirmation.xml", "complete_ui.xml", "level_1.xml"})
            collect_images(screen, files);
        std::vector<SDL_Texture*> textures;
        for (const auto& file : files) {
            SDL_Surface* surface = IMG_Load(file.c_str());
            require(surface != nullptr);
            textures.push_back(SDL_CreateTextureFromSurface(renderer, surface));
            SDL_FreeSurface(surface);
            require(textures.back() != nullptr);
        }
        SDL_RenderClear(renderer);
        SDL_RenderCopy(renderer, textures.front(), nullptr, nullptr);
        SDL_RenderPresent(renderer);
        report_first_frame();

        for (SDL_Texture* texture : textures)
            SDL_DestroyTexture(texture);
        SDL_DestroyRenderer(renderer);
        SDL_DestroyWindow(window);
        Mix_CloseAudio();
        Mix_Quit();
        TTF_Quit();
        IMG_Quit();
        SDL_Quit();
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "startup_floor: " << error.what() << '\n';
        return 1;
    }
}
