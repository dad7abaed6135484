#pragma once

#include <string>

// Event names shared by every part of the engine, so registration and dispatch use one text.
namespace GE {

inline const std::string mouse_button_up_event{"mouse_button_up"};
inline const std::string mouse_down_event{"mouse_down"};
inline const std::string mouse_over_event{"mouse_over"};
inline const std::string mouse_out_event{"mouse_out"};
inline const std::string mouse_motion_event{"mouse_motion"};
inline const std::string screen_changed_event_name{"screen_changed_event"};

} // namespace GE
