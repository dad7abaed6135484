#include "game/settings_menu.h"

#include "engine/core/event_names.h"
#include "engine/core/game_model.h"
#include "engine/core/ge_runtime_error.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/core/window_settings.h"
#include "engine/persistence/settings_file.h"
#include "engine/resources/audio.h"
#include "engine/resources/resources.h"
#include "engine/text/language.h"
#include "engine/widgets/button.h"
#include "engine/widgets/checkbox.h"
#include "engine/widgets/drop_down_list.h"
#include "engine/widgets/label.h"
#include "engine/widgets/slider.h"
#include "game/for_each_button.h"
#include "game/game_events.h"

#include <algorithm>
#include <cctype>
#include <iostream>

namespace Game {

namespace {

constexpr int most_modes = 10;
constexpr SDL_Color highlighted{200, 0, 0, 255};
constexpr float message_y = 1000;

std::string without_spaces(std::string text)
{
    std::erase_if(text, [](unsigned char character) { return std::isspace(character) != 0; });
    return text;
}

void play_switch(GE::Event&) { GE::play_sound("switch"); }

constexpr Required_object objects[]{
    {"main_panel", Object_kind::container},
    {"settings_panel", Object_kind::container, "main_panel"},
    {"language_panel", Object_kind::container, "settings_panel"},
    {"language_list", Object_kind::drop_down_list, "language_panel"},
    {"resolution_panel", Object_kind::container, "settings_panel"},
    {"resolution_list", Object_kind::drop_down_list, "resolution_panel"},
    {"fullscreen_panel", Object_kind::container, "settings_panel"},
    {"fullscreen_checkbox", Object_kind::checkbox, "fullscreen_panel"},
    {"music_panel", Object_kind::container, "settings_panel"},
    {"music_volume", Object_kind::slider, "music_panel"},
    {"effects_panel", Object_kind::container, "settings_panel"},
    {"effects_volume", Object_kind::slider, "effects_panel"},
    {"captions_panel", Object_kind::container, "settings_panel"},
    {"captions_checkbox", Object_kind::checkbox, "captions_panel"},
    {"speech_panel", Object_kind::container, "settings_panel"},
    {"speech_checkbox", Object_kind::checkbox, "speech_panel"},
    {"background_mute_panel", Object_kind::container, "settings_panel"},
    {"background_mute_checkbox", Object_kind::checkbox, "background_mute_panel"},
    {"back", Object_kind::button},
    {"apply", Object_kind::button},
};

} // namespace

const Screen_contract Settings_menu::contract{"settings_menu.xml", objects};

Settings_menu::Settings_menu(GE::Render_context* renderer, GE::App_window* window,
                             GE::Window_settings* settings, GE::Game_model* model,
                             const GE::Display_source& displays)
    : Screen(renderer, window, model, contract), settings(settings), displays(&displays),
      font(GE::Resources::instance().get_font("OpenSans-SemiBold.ttf", 20))
{
    language_list = &found.get<GE::Drop_down_list>("language_list");
    language_list->add_event_listener(GE::mouse_button_up_event, play_switch);
    language_list->add_event_listener(GE::mouse_button_up_event,
                                      [this](GE::Event&) { choose_language(); });
    resolution_list = &found.get<GE::Drop_down_list>("resolution_list");
    fill_resolution_list(most_modes);
    resolution_list->selected_index = current_resolution_index();
    resolution_list->add_event_listener(GE::mouse_button_up_event,
                                        [this](GE::Event&) { fit_resolution_list(); });
    resolution_list->add_event_listener(GE::mouse_button_up_event, play_switch);
    fullscreen_checkbox = &found.get<GE::Checkbox>("fullscreen_checkbox");
    show_checked(*fullscreen_checkbox, settings->fullscreen);
    fullscreen_checkbox->add_event_listener(GE::mouse_button_up_event, play_switch);
    watch_sound_choices();
    back_button = &found.get<GE::Button>("back");
    apply_button = &found.get<GE::Button>("apply");
    on_click(
        *back_button, "click", [model] { model->set_screen(Screens::main_menu); }, false,
        Answers::back);
    on_click(
        *apply_button, "click", [this] { apply(); }, true, Answers::confirm);
}

void Settings_menu::fill_resolution_list(std::int32_t most)
{
    std::vector<std::string> modes;
    GE::list_display_modes(modes, most, displays->window_display(*window), *displays);
    offered_at_most = most;
    resolution_labels.clear();
    resolution_list->items.clear();
    for (const auto& text : modes) {
        auto label = std::make_shared<GE::Label>(renderer, "", font, resolution_list->color, text);
        label->description = without_spaces(text); // read as a size, not digit by digit
        resolution_labels.push_back(label);
        resolution_list->items[0].push_back(label);
        resolution_list->items[1].push_back(
            std::make_shared<GE::Label>(renderer, "", font, highlighted, text));
    }
}

void Settings_menu::fill_language_list(const std::vector<Languages::Choice>& choices,
                                       const std::string& current)
{
    language_list->items.clear();
    language_codes.clear();
    for (const auto& choice : choices) {
        language_list->items[0].push_back(
            std::make_shared<GE::Label>(renderer, "", font, language_list->color, choice.name));
        language_list->items[1].push_back(
            std::make_shared<GE::Label>(renderer, "", font, highlighted, choice.name));
        if (choice.code == current)
            language_list->selected_index = static_cast<std::int32_t>(language_codes.size());
        language_codes.push_back(choice.code);
    }
}

void Settings_menu::choose_language()
{
    const auto chosen = static_cast<std::size_t>(language_list->selected_index);
    if (language_list->is_open || chosen >= language_codes.size() ||
        language_codes[chosen] == GE::Language::current().code())
        return;
    settings->language = language_codes[chosen];
    model->dispatch_event(Events::language_changed);
}

void Settings_menu::fit_resolution_list()
{
    if (!resolution_list->is_open)
        return;
    const std::int32_t share = std::clamp(resolution_list->rows_that_fit(), 1, most_modes);
    if (share == offered_at_most)
        return;
    const std::string chosen = without_spaces(resolution_list->get_selected_text());
    fill_resolution_list(share);
    const std::int32_t kept = index_of(chosen);
    resolution_list->selected_index = kept >= 0 ? kept : current_resolution_index();
}

void Settings_menu::show_checked(GE::Checkbox& checkbox, bool checked)
{
    const bool was_checked = checkbox.checked;
    checkbox.checked = checked;
    if (!was_checked && checkbox.checked_images.contains(checkbox.mouse_over))
        checkbox.show_image(checkbox.mouse_over);
}

void Settings_menu::watch_sound_choices()
{
    music_slider = &found.get<GE::Slider>("music_volume");
    effects_slider = &found.get<GE::Slider>("effects_volume");
    captions_checkbox = &found.get<GE::Checkbox>("captions_checkbox");
    music_slider->set_value(settings->music_volume);
    effects_slider->set_value(settings->effects_volume);
    show_checked(*captions_checkbox, settings->captions);
    music_slider->add_event_listener(GE::value_changed_event, [this](GE::Event& event) {
        settings->music_volume = music_slider->value();
        GE::set_music_volume(settings->music_volume);
        choices_changed = true;
        play_switch(event);
    });
    effects_slider->add_event_listener(GE::value_changed_event, [this](GE::Event& event) {
        settings->effects_volume = effects_slider->value();
        GE::set_effects_volume(settings->effects_volume);
        choices_changed = true;
        play_switch(event);
    });
    // A sample of the effects at their new volume, once the player settles on it.
    effects_slider->add_event_listener(GE::value_committed_event,
                                       [](GE::Event&) { GE::play_sound("click"); });
    // The checkbox turns after its listeners: they see the state it leaves.
    captions_checkbox->add_event_listener(GE::mouse_button_up_event, [this](GE::Event& event) {
        settings->captions = !captions_checkbox->checked;
        choices_changed = true;
        // Turned on first, the captions show the switch's own.
        model->dispatch_event(Events::captions_changed);
        play_switch(event);
    });
    speech_checkbox = &found.get<GE::Checkbox>("speech_checkbox");
    show_checked(*speech_checkbox, settings->speech);
    speech_checkbox->add_event_listener(GE::mouse_button_up_event, [this](GE::Event& event) {
        settings->speech = !speech_checkbox->checked;
        choices_changed = true;
        model->dispatch_event(Events::speech_changed);
        play_switch(event);
    });
    // Heard the next time the window loses the focus.
    background_mute_checkbox = &found.get<GE::Checkbox>("background_mute_checkbox");
    show_checked(*background_mute_checkbox, settings->background_mute);
    background_mute_checkbox->add_event_listener(
        GE::mouse_button_up_event, [this](GE::Event& event) {
            settings->background_mute = !background_mute_checkbox->checked;
            choices_changed = true;
            play_switch(event);
        });
}

void Settings_menu::show_speech_unavailable()
{
    auto& panel = found.get<GE::Render_object_container>("speech_panel");
    // Written as the row's name is, after the checkbox.
    std::shared_ptr<GE::Font> row_font = font;
    SDL_Color colour = highlighted;
    if (const auto* name = dynamic_cast<const GE::Render_object_container*>(
            panel.children.empty() ? nullptr : panel.children.front().get());
        name != nullptr && !name->children.empty())
        if (const auto* label = dynamic_cast<const GE::Label*>(name->children.front().get())) {
            row_font = label->font;
            colour = label->color;
        }
    const std::string unavailable = GE::tr("not available on this computer");
    speech_note = std::make_shared<GE::Label>(renderer, "speech_unavailable", row_font, colour,
                                              "  " + unavailable);
    panel.add_child(speech_note);
    speech_checkbox->description.append(", ").append(unavailable);
}

std::int32_t Settings_menu::current_resolution_index() const
{
    if (const std::int32_t current = index_of(settings->resolution->text); current >= 0)
        return current;
    return resolution_labels.size() < 2 ? 0 : 1;
}

std::int32_t Settings_menu::index_of(const std::string& resolution) const
{
    const auto count = static_cast<std::int32_t>(resolution_labels.size());
    for (std::int32_t index = 0; index < count; ++index)
        if (without_spaces(resolution_labels[static_cast<std::size_t>(index)]->text) == resolution)
            return index;
    return -1;
}

void Settings_menu::apply()
{
    std::string chosen = without_spaces(resolution_list->get_selected_text());
    if (chosen.empty()) // nothing listed: only the fullscreen choice changes
        chosen = settings->resolution->text;
    const bool changes = chosen != settings->resolution->text ||
                         fullscreen_checkbox->checked != settings->fullscreen;
    try {
        GE::apply_window_settings(*window, *settings, chosen, fullscreen_checkbox->checked,
                                  *displays);
    } catch (const GE::SDL_runtime_error&) {
        show_message(GE::tr("This display mode could not be applied."));
        return;
    }
    if (changes) {
        // Saved only once the player keeps it: a mode the monitor cannot show goes back by
        // itself. This screen is replaced while the event is dispatched.
        model->dispatch_event(Events::display_changed);
        return;
    }
    try {
        GE::save_settings(*settings);
    } catch (const GE::GE_runtime_error& error) {
        // The window keeps the new mode for this run; the player is told it will not last.
        std::cerr << "Vossmere: " << error.what() << '\n';
        show_message(
            GE::fill(GE::tr("The settings could not be saved: {why}"), {{"why", error.what()}}));
        return;
    }
    // This screen is replaced while the event is dispatched: nothing of it may be used after.
    model->dispatch_event(Events::apply_settings);
}

void Settings_menu::show_message(const std::string& text)
{
    if (message)
        remove_child(message);
    message = std::make_shared<GE::Label>(renderer, "message", font, highlighted, text);
    message->horizontal_align = GE::Horizontal_align::center;
    message->set_y(message_y);
    add_child(message);
}

} // namespace Game
