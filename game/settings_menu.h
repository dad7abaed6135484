#pragma once

#include "engine/core/display_modes.h"
#include "game/languages.h"
#include "game/screen.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace GE {
class Button;
class Checkbox;
class Drop_down_list;
class Font;
class Game_model;
class Label;
class Slider;
class Render_object_container;
struct Window_settings;
} // namespace GE

namespace Game {

// The resolution and fullscreen choice. "apply" changes the window and dispatches
// "display_changed", for the player to keep the new mode or not (the same mode is saved at once
// and dispatches "apply_settings"); "back" returns to the main menu and forgets the choice.
class Settings_menu : public Screen {
public:
    // Builds the screen from "settings_menu.xml" and fills the list with the modes of the display
    // the window is on.
    // Throws GE_runtime_error naming the file and the id when an object of the screen is missing.
    Settings_menu(GE::Render_context* renderer, GE::App_window* window,
                  GE::Window_settings* settings, GE::Game_model* model,
                  const GE::Display_source& displays = GE::sdl_displays());

    // The entry showing the current resolution; otherwise the second entry, or the first when
    // there are fewer than two.
    std::int32_t current_resolution_index() const;
    // While the list is open, offers only as many entries as it shows whole in the window (at
    // least one); the chosen entry stays chosen if it is still offered. A click that opens the list
    // calls it: rows can be measured only once the screen is in the window.
    void fit_resolution_list();

    // Whether the volumes, captions, spoken descriptions or the background's mute changed since
    // the screen was built:
    // they take effect at once, and the game saves them when the player leaves the screen.
    bool choices_changed = false;

    // "settings_menu.xml": the list, the checkboxes and the sliders, each in its panel, and two
    // buttons.
    static const Screen_contract contract;
    GE::Window_settings* settings; // not owned
    // What the displays offer and how the window's mode changes; not owned, outlives the screen.
    const GE::Display_source* displays;
    // The normal look of every entry of the list, in its order; shared with the list.
    std::vector<std::shared_ptr<GE::Label>> resolution_labels;
    GE::Drop_down_list* resolution_list = nullptr;    // owned by the tree
    GE::Checkbox* fullscreen_checkbox = nullptr;      // owned by the tree
    GE::Slider* music_slider = nullptr;               // owned by the tree
    GE::Slider* effects_slider = nullptr;             // owned by the tree
    GE::Checkbox* captions_checkbox = nullptr;        // owned by the tree
    GE::Checkbox* speech_checkbox = nullptr;          // owned by the tree
    GE::Checkbox* background_mute_checkbox = nullptr; // owned by the tree
    GE::Drop_down_list* language_list = nullptr;      // owned by the tree
    GE::Button* back_button = nullptr;                // owned by the tree
    GE::Button* apply_button = nullptr;               // owned by the tree
    // What went wrong with the last "apply", shown under the screen; empty until then.
    std::shared_ptr<GE::Label> message;

    // Says beside the spoken descriptions' checkbox that this computer has no voice for them.
    void show_speech_unavailable();
    // What show_speech_unavailable wrote; empty until then.
    std::shared_ptr<GE::Label> speech_note;

    // Lists `choices` by their names, `current` chosen. Choosing another sets the settings'
    // language and dispatches "language_changed", on which the application rebuilds its screens.
    void fill_language_list(const std::vector<Languages::Choice>& choices,
                            const std::string& current);

    // Shows `text` under the screen, in place of any message before.
    void show_message(const std::string& text);

private:
    // Lists up to `most` modes of the window's display.
    void fill_resolution_list(std::int32_t most);
    // The entry showing `resolution` ("1024x768"); -1 when none does.
    std::int32_t index_of(const std::string& resolution) const;
    // Shows `checked` on `checkbox`, with the image of its hover.
    static void show_checked(GE::Checkbox& checkbox, bool checked);
    // The volumes, captions and spoken descriptions: shown as the settings hold them, taking
    // effect as they change.
    void watch_sound_choices();
    // May destroy this screen: the application rebuilds its screens on "apply_settings".
    void apply();

    // May destroy this screen, as apply may.
    void choose_language();

    std::shared_ptr<GE::Font> font;
    std::int32_t offered_at_most = 0;
    std::vector<std::string> language_codes; // of the language list's rows, in their order
};

} // namespace Game
