#pragma once

#include "engine/core/app.h"
#include "engine/core/display_modes.h"
#include "engine/core/event_target.h"
#include "engine/core/ticker.h"
#include "engine/speech/speech.h"
#include "engine/ui/focus.h"
#include "engine/widgets/captions.h"
#include "game/action_table.h"
#include "game/data_watch.h"
#include "game/display_change.h"
#include "game/hotspots.h"
#include "game/languages.h"
#include "game/narrator.h"
#include "game/problem_line.h"
#include "game/run_screens.h"

#include <SDL_events.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace GE {
class Game_model;
struct Window_settings;
} // namespace GE

namespace Game {

class Complete_ui;
class Confirmation;
class Display_confirmation;
class Level;
class Main_menu;
class Play_ui;
class Settings_menu;

// The game application: owns the screens and the level being played, attaches the screens the
// model asks for, runs the three levels in a row and decides the door the player goes through.
// It draws the 4:3 design canvas letterboxed into the window and turns SDL mouse input into
// mouse events measured from the drawing area. A change of display mode (Display_change) and F5
// (Reload) are classes of their own, which it owns or makes and calls.
class Vossmere : public GE::App {
public:
    // Hears the name of each phase of the start as it ends: "window", "main menu", then those
    // of complete_start.
    using Start_phases = std::function<void(const char* phase)>;
    // How much the constructor builds: the whole game, or only the window and the main menu, so
    // that the menu can be shown before complete_start builds the rest.
    enum class Start { whole, menu_first };

    // Opens the window and builds the main menu, which it shows; with Start::whole, then
    // complete_start. Throws SDL_runtime_error, and the loaders' errors with the file's name added.
    Vossmere(const std::string& title, std::uint32_t clear_colour, GE::Window_settings& settings,
             GE::Game_model& model, Start start = Start::whole, const Start_phases& passed = {});
    ~Vossmere() override;

    // Draws one frame: black window, white drawing area, then the screens.
    void render() override;
    bool handle_sdl_event(const SDL_Event& event) override;
    // Delivers one pointer event of SDL type `sdl_type` at window pixel (x, y) into the tree and
    // asks for a frame when the event changed something.
    bool dispatch_mouse_event(std::uint32_t sdl_type, float x, float y);

    // Opens the audio ("audio"), builds the other screens ("screens") and the first level
    // ("level"), starts the menu's music ("music") and listens on the model. Throws as the
    // constructor does.
    void complete_start(const Start_phases& passed = {});

    // Attaches the screens of the model's current screen, with their music.
    void show_current_screen();
    // Saves the volumes, captions and spoken descriptions chosen on the settings screen, if they
    // changed, when the player leaves it; false when the file could not be written (said on
    // stderr).
    bool save_sound_choices() noexcept;
    // Turns spoken descriptions on or off for the settings and the voice, saying so.
    void turn_speech(bool on);
    // Saves the settings now (V), saying at the bottom of the screen when it cannot.
    void save_choices();
    // Writes the settings file; false when it could not (said on stderr).
    bool write_settings() noexcept;
    // Shows and speaks the game in `code` from now on. A catalogue that cannot be read leaves it
    // in English: answers why, for the bottom of the screen; empty when all went well.
    std::string use_language(const std::string& code);
    // Reads the screens and the current level again, as F5 does, whenever a file of the data
    // folder changes from now on (for a level maker's saves).
    void watch_data();
    // Skips the main menu: plays level `level` from its view `view` (both from 1). Throws
    // GE_runtime_error for a level or a view the data does not have.
    void start_at(std::int32_t level, std::int32_t view);
    // The settings' language, chosen on the settings screen: every screen, dialog and the level
    // built anew in it, where the player was, and the choice saved.
    void change_language();
    // Reads the captions file and lets the captions hear every sound that starts.
    void start_captions();
    // Shows the captions as the settings say, and wakes the loop when the next one goes.
    void show_captions();
    void time_captions();
    // The ticker that wakes the loop when a caption's time is over; none while none shows.
    std::unique_ptr<GE::Ticker> captions_timer;
    // Replaces the current level by a new one read from "level_<level_number>.xml".
    void load_level();
    // Reads "level_<level_number>.xml" into a new level, whose picture hints at `preferred_door`
    // when the level has that door. Throws the loaders' errors with the file's name added.
    std::shared_ptr<Level> read_level(const std::string& preferred_door = {});

    // Makes `screens` the ones shown from now on (they are not attached here).
    void take(Run_screens screens);
    std::shared_ptr<Main_menu> build_main_menu();
    std::shared_ptr<Settings_menu> build_settings_menu();
    // The settings screen shows the window's mode: it is built again for a new one.
    void rebuild_for_display();

    GE::Game_model* model;         // not owned; outlives the application
    GE::Window_settings* settings; // not owned
    std::shared_ptr<Main_menu> main_menu;
    std::shared_ptr<Play_ui> play_ui;
    std::shared_ptr<Confirmation> enter_confirmation;
    std::shared_ptr<Confirmation> retry_confirmation;
    std::shared_ptr<Complete_ui> complete_ui;
    // The settings screen shown last; a new one is built each time it is shown.
    std::shared_ptr<Settings_menu> settings_menu;
    std::shared_ptr<Level> current_level;
    std::int32_t level_number = 1;
    // The levels are played in a row, from 1 to this one: as many as the data folder has, counted
    // at the start and on each reload.
    std::int32_t last_level = 1;
    // The languages the data folder has, with their names, read when the settings first list them.
    std::vector<Languages::Choice> languages;
    // Where the settings screen finds the display modes it offers.
    const GE::Display_source* displays = &GE::sdl_displays();
    // The speaker mark drawn in the top right corner while the sound is muted (M).
    static constexpr const char* muted_mark_file = "muted.png";
    // Each sound's caption.
    static const std::string captions_file;
    // The data folder's files, watched for a level maker's saves; none unless asked for.
    std::unique_ptr<Data_watch> data_watch;
    // The outlines of what reacts to the mouse or the focus, which F3 shows in a watched game.
    Hotspots hotspots;
    // What went wrong last (a reload, a save), at the bottom of the screen.
    Problem_line problems;
    // A new display mode, and the question whether to keep it.
    Display_change display;
    // The object the keys and the pad act on, and the ring around it.
    GE::Focus focus;
    // What the player would hear, written at the bottom while captions are on.
    GE::Captions captions;
    // What the game says aloud while spoken descriptions are on, and what it chooses to say.
    GE::Speech speech;
    Narrator narrator{speech};
    // The captions of the sounds started while an event is handled, said after the rest.
    std::vector<std::string> captions_to_say;

    // Does what a key or a pad button asked for: Alt+Enter, M and F5 here, the focus's steps and
    // Enter on the focused object through the focus, the rest through the screens.
    void act(Action action);

protected:
    // Out of sight the game stands still: the sound pauses, and so do the display dialog's
    // countdown, the captions' timer and the data watch, so that nothing wakes it.
    void visibility_changed(bool now_visible) override;
    // Mutes the game while another window has the focus, for a player who chose so.
    void focus_changed(bool now_focused) override;

private:
    using Reaction = void (*)(Vossmere&);
    // The model's events and the reaction to each, in the order they are registered.
    // Made on first use, after every name it holds is.
    static const std::array<std::pair<std::string, Reaction>, 17>& reactions();

    // One callable type for every reaction, so that the destructor can remove them by type.
    GE::Event_listener listener_for(Reaction reaction);
    void listen_on_model();

    bool handle_input(const SDL_Event& event);
    bool handle_key(const SDL_KeyboardEvent& key);
    // Whether the focus took the action (a step, Enter on a focused object, Escape on an open
    // list).
    bool focus_takes(Action action);
    void send_to_screens(Action action);
    void draw_muted_mark(float canvas_left, float scale);
    // The scale the design is drawn at in the window as last measured.
    float window_scale() const;
    // Renders the text made from now on for a drawing at `scale`.
    void density_for(float scale);
    void apply_settings();
    void open_door_dialog();
    void close_door_dialog();
    void enter_chosen_door();
    void restart_at(const std::string& screen);
};

} // namespace Game
