#include "game/scene_loader.h"

#include "engine/core/ge_runtime_error.h"

namespace Game {

Scene_loader::Scene_loader(GE::Render_context* renderer) : GE::UI_Loader(renderer)
{
    root_element = "scene";
}

void Scene_loader::load(GE::Render_object_container* target, const std::string& file_name)
{
    if (!document.load_file(file_name.c_str(), pugi::parse_default, pugi::encoding_auto))
        throw GE::GE_runtime_error("Can not load a file with Scene");
    load_children(target, document.child(root_element.c_str()));
}

} // namespace Game
