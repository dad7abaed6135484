#pragma once

#include "engine/ui/ui_loader.h"

namespace Game {

// Builds a level's view from a scene file: the UI vocabulary under a "scene" root element.
class Scene_loader : public GE::UI_Loader {
public:
    explicit Scene_loader(GE::Render_context* renderer);

    // Throws GE_runtime_error "Can not load a file with Scene" when the file cannot be parsed,
    // and whatever building its objects throws.
    void load(GE::Render_object_container* target, const std::string& file_name) override;
};

} // namespace Game
