#pragma once

#include <string>

// Event names shared by every part of the engine, so registration and dispatch use one text.
namespace GE {

inline const std::string mouse_button_up_event{"mouse_button_up"};
inline const std::string mouse_down_event{"mouse_down"};
inline const std::string mouse_over_event{"mouse_over"};
inline const std::string mouse_out_event{"mouse_out"};
inline const std::string mouse_motion_event{"mouse_motion"};
// A slider's value moved, and a move ended (the pointer let go, or a step by the keys).
inline const std::string value_changed_event{"value_changed"};
inline const std::string value_committed_event{"value_committed"};
inline const std::string screen_changed_event_name{"screen_changed_event"};

} // namespace GE
