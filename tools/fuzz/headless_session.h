#pragma once

#include "engine/core/sdl_lifetime.h"
#include "game/vossmere.h"
#include "game/vossmere_model.h"

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace Fuzz {

// What the drawing fuzz targets need once per run: SDL up headless (dummy video and audio, the
// software renderer), the game started as every tool starts it, in a small hidden window whose
// renderer and letterbox the inputs are drawn with, and a scratch working folder
// that links every file of the game's run folder, so that an input naming a shipped image, font
// or scene finds it.
class Headless_session {
public:
    // Made by the first call, from LLVMFuzzerInitialize; lives until the process exits.
    static Headless_session& instance();
    // Makes the file and folder arguments of the command line absolute before libFuzzer reads
    // them, since the session changes the working folder. The program's own path is left as it
    // is (libFuzzer insists), so minimising a reproducer needs the program named absolutely.
    static void make_paths_absolute(int* argc, char*** argv);

    Headless_session(const Headless_session&) = delete;
    Headless_session& operator=(const Headless_session&) = delete;

    // Writes `bytes` as `file` in the working folder, never through the link of that name.
    void write_file(const std::string& file, std::string_view bytes);
    // Removes `file` from the working folder, if it is there.
    void remove_file(const std::string& file);
    // Draws a frame of the application's tree, as the game does.
    void draw();
    // Drops the application's children and what an input added to the resource caches. The
    // shipped data's images and fonts stay, so that no input decodes them again.
    void forget_input();

    GE::App& app() { return *application; }

private:
    Headless_session();
    ~Headless_session();

    // Called before SDL comes up, which reads the drivers once.
    static bool choose_headless_drivers();
    void load_shipped_resources();

    // Declared in the order they come up: the folder, SDL, then the game.
    std::filesystem::path folder;
    GE::SDL_lifetime sdl;
    Game::Vossmere_model model;
    std::shared_ptr<Game::Vossmere> application;
    std::set<std::pair<std::string, int>> shipped_fonts;
    std::set<std::string> shipped_textures;
};

} // namespace Fuzz
