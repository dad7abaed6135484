#pragma once

#include "engine/core/render_object_container.h"

namespace Game {

// One view of a level; its children come from a scene file.
class Scene : public GE::Render_object_container {};

} // namespace Game
