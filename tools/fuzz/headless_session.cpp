#include "tools/fuzz/headless_session.h"

#include "engine/resources/load_xml_file.h"
#include "engine/resources/resources.h"
#include "tools/driver/game_driver.h"

#include <SDL_mixer.h>
#include <SDL_render.h>
#include <SDL_video.h>
#include <pugixml.hpp>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace Fuzz {

namespace {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder (TMPDIR), holding a link to every file of
// the run folder.
fs::path make_working_folder()
{
    std::string pattern =
        (fs::absolute(fs::temp_directory_path()) / "vossmere-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a scratch folder in " + pattern);
    const fs::path folder = pattern;
    for (const auto& entry : fs::directory_iterator(VOSSMERE_RUN_DIR))
        fs::create_symlink(entry.path(), folder / entry.path().filename());
    fs::current_path(folder);
    return folder;
}

// The libFuzzer flags that name a file, a folder or the start of a file's path.
bool is_path_flag(const std::string& flag)
{
    return flag == "-artifact_prefix" || flag == "-exact_artifact_path" || flag == "-dict";
}

template <typename Cache, typename Keys>
void keep_only(Cache& cache, const Keys& kept)
{
    std::erase_if(cache, [&kept](const auto& entry) { return !kept.contains(entry.first); });
}

} // namespace

Headless_session& Headless_session::instance()
{
    [[maybe_unused]] static const bool headless = choose_headless_drivers();
    static Headless_session session;
    return session;
}

void Headless_session::make_paths_absolute(int* argc, char*** argv)
{
    static std::vector<std::string> arguments;
    static std::vector<char*> pointers{(*argv)[0]}; // libFuzzer wants the program's own back
    for (int i = 1; i < *argc; ++i) {
        std::string argument = (*argv)[i];
        const auto value = argument.find('=');
        if (!argument.starts_with('-'))
            argument = fs::absolute(argument).string();
        else if (value != std::string::npos && is_path_flag(argument.substr(0, value)))
            argument =
                argument.substr(0, value + 1) + fs::absolute(argument.substr(value + 1)).string();
        arguments.push_back(argument);
    }
    for (auto& argument : arguments)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    *argv = pointers.data();
}

Headless_session::Headless_session()
    : folder(make_working_folder()), application(Tools::open_game(model, "320x240"))
{
    SDL_HideWindow(application->window.handle);
    // The menu's music would be decoded all the while, on the fuzzer's time.
    Mix_HaltMusic();
    load_shipped_resources();
}

Headless_session::~Headless_session()
{
    application.reset();
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

bool Headless_session::choose_headless_drivers()
{
    GE::use_headless_drivers();
    return true;
}

void Headless_session::load_shipped_resources()
{
    auto& resources = GE::Resources::instance();
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string file = entry.path().filename().string();
        if (entry.path().extension() == ".png")
            resources.get_texture(&application->render_context, file);
        pugi::xml_document document;
        if (entry.path().extension() != ".xml" || !GE::load_xml_file(document, file))
            continue;
        for (const auto& font : document.select_nodes("//font")) {
            const pugi::xml_node node = font.node();
            resources.get_font(node.attribute("file").as_string(), node.attribute("size").as_int());
        }
    }
    for (const auto& [key, font] : resources.fonts)
        shipped_fonts.insert(key);
    for (const auto& [key, texture] : resources.textures)
        shipped_textures.insert(key);
}

void Headless_session::write_file(const std::string& file, std::string_view bytes)
{
    remove_file(file);
    std::ofstream out(folder / file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file);
}

void Headless_session::remove_file(const std::string& file) { fs::remove(folder / file); }

void Headless_session::draw() { application->render(); }

void Headless_session::forget_input()
{
    application->clear_children();
    auto& resources = GE::Resources::instance();
    keep_only(resources.fonts, shipped_fonts);
    keep_only(resources.textures, shipped_textures);
}

} // namespace Fuzz

// Both drawing targets start the same way: paths made absolute, then the session brought up
// before the first input.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::Headless_session::make_paths_absolute(argc, argv);
    Fuzz::Headless_session::instance();
    return 0;
}
