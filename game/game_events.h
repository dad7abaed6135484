#pragma once

// The names by which the game's screens, levels and application speak through the model: the
// events dispatched on it (besides the engine's own, such as GE::screen_changed_event_name) and
// the screens it shows. Each is written here once.
namespace Game {

namespace Events {

inline constexpr const char* go_left = "go_left";
inline constexpr const char* go_right = "go_right";
inline constexpr const char* hit_door = "hit_door";
inline constexpr const char* exit_game = "exit_game";
inline constexpr const char* apply_settings = "apply_settings";
inline constexpr const char* captions_changed = "captions_changed";
inline constexpr const char* speech_changed = "speech_changed";
inline constexpr const char* language_changed = "language_changed";
inline constexpr const char* exit_to_main_menu = "exit_to_main_menu";
// The window's mode changed (on "apply" or Alt+Enter); the player keeps it or it is reverted.
inline constexpr const char* display_changed = "display_changed";
inline constexpr const char* display_keep = "display_keep";
inline constexpr const char* display_revert = "display_revert";
// A yes/no dialog named N answers with N followed by one of these.
inline constexpr const char* hit_yes = "_hit_yes";
inline constexpr const char* hit_no = "_hit_no";
// The answers of the two dialogs, "enter" (a door) and "retry" (after dying).
inline constexpr const char* enter_hit_yes = "enter_hit_yes";
inline constexpr const char* enter_hit_no = "enter_hit_no";
inline constexpr const char* retry_hit_yes = "retry_hit_yes";
inline constexpr const char* retry_hit_no = "retry_hit_no";

} // namespace Events

namespace Screens {

inline constexpr const char* main_menu = "main_menu";
inline constexpr const char* play = "play";
inline constexpr const char* settings_menu = "settings_menu";

} // namespace Screens

} // namespace Game
