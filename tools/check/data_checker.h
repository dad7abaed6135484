#pragma once

#include "tools/check/xml_file.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace GE {
struct App_window;
struct Render_context;
} // namespace GE

namespace Game {
class Level;
class Play_ui;
struct Screen_contract;
} // namespace Game

namespace Tools {

// One thing wrong with a data folder: the file, the line (0 when no line applies) and what. A
// warning is something a player would notice, but the game runs.
struct Problem {
    std::string file;
    int line = 0;
    std::string message;
    bool warning = false;
};

// "file:line: message" (or "file:line: warning: message"), the form compilers use.
std::string to_string(const Problem& problem);

// Checks the game's data folder, which must be the working directory: reads every screen, level
// and scene for what the game needs from it (the ids it looks for, the files they name, texts
// that can be drawn, levels that can be solved), then builds each one for real with the given
// renderer. Every problem is reported, not only the first.
class Data_checker {
public:
    Data_checker(GE::Render_context* renderer, GE::App_window* window);

    std::vector<Problem> check();
    // The levels the game plays, level_1.xml to level_<levels>.xml, once checked.
    int levels = 0;

private:
    // The parsed file, read once; checks its elements the first time. Null when it cannot be
    // read or has no `root` element.
    const Xml_file* ui_file(const std::string& name, const char* root);
    // `depth` is that of `parent`'s children, the root's being 1.
    void check_elements(const Xml_file& file, const pugi::xml_node& parent,
                        const pugi::xml_node& root, int depth);
    void check_file_attributes(const Xml_file& file, const pugi::xml_node& element);
    // An element that takes the focus (a widget, or one marked focusable="true") has a
    // description to be said, or a button the text of a label.
    void check_described(const Xml_file& file, const pugi::xml_node& element);
    // The root of a screen, a level or a view has a description; `what` it is names it.
    void check_description(const Xml_file& file, const pugi::xml_node& root,
                           const std::string& what);
    // A file an element names (`what` says how) exists and, for an image, decodes.
    void check_file(const Xml_file& file, const pugi::xml_node& element, const std::string& what,
                    const std::string& name);
    void check_references(const Xml_file& file, const pugi::xml_node& element,
                          const pugi::xml_node& root);
    void check_screen(const Game::Screen_contract& screen);
    void check_level(int number);
    // A level file after a gap in the run ("level_5.xml" with no "level_4.xml") is never played.
    void check_level_run();
    void check_scene(const Xml_file& level, const pugi::xml_node& scene, int doors_before);
    // A view has a description, and so has its door; once for each file, however many levels
    // show it.
    void check_view_described(const Xml_file& file, const pugi::xml_node& root);
    void check_files_exist();
    // Every sound and music the game plays has one caption, and every caption a sound.
    void check_captions();
    void build_for_real();
    // Warns of each sprite of the level's views, but a backdrop over the whole canvas, that lies
    // under a turn arrow of the play overlay, where the player cannot see it well.
    void check_clear_of_arrows(Game::Play_ui& overlay, Game::Level& level,
                               const std::string& level_file);
    // Runs `build`; a failure becomes a problem of `file`.
    template <typename Build>
    void attempt(const std::string& file, Build build);

    void report(const std::string& file, int line, std::string message);
    void report(const Xml_file& file, const pugi::xml_node& node, std::string message);
    void warn(const std::string& file, std::string message);

    GE::Render_context* renderer; // not owned
    GE::App_window* window;       // not owned
    std::map<std::string, std::unique_ptr<Xml_file>> files;
    // Files with a problem found by reading them, which are then not built for real.
    std::map<std::string, bool> faulty;
    // Why each image named so far cannot be decoded; empty when it can.
    std::map<std::string, std::string> image_errors;
    std::vector<Problem> problems;
    // The views whose descriptions were checked.
    std::set<std::string> described;
};

} // namespace Tools
