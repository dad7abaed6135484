#include "game/scene_loader.h"

namespace Game {

Scene_loader::Scene_loader(GE::Render_context* renderer) : GE::UI_Loader(renderer)
{
    root_element = "scene";
}

void Scene_loader::load(GE::Render_object_container* target, const std::string& file_name)
{
    load_file(target, file_name, "Can not load a file with Scene");
}

} // namespace Game
