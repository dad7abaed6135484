#include "engine/core/window_settings.h"

namespace GE {

Window_settings window_settings;

} // namespace GE
