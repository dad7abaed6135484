#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>

namespace GE {
class Render_object;
class Render_object_container;
} // namespace GE

namespace Game {

// The kinds of object the game looks for in its screen and scene files.
enum class Object_kind { button, container, checkbox, drop_down_list, slider, label, any };

// One object a screen or a scene needs from its file. A button is found anywhere in the screen,
// as for_each_button finds it (of two with one id, the later); any other object must be a
// direct child of the object named by `inside`, or of the screen itself when that is empty.
struct Required_object {
    std::string_view id;
    Object_kind kind;
    std::string_view inside = {};
};

// What a screen needs from its file, in the order it is looked up: an object comes before those
// inside it. The screen and the data checker both read it.
struct Screen_contract {
    std::string file;
    std::span<const Required_object> objects;
};

// The word for a kind in messages: "button", "container", "drop-down list", ..., "object".
const char* kind_name(Object_kind kind);
// Whether an object built by the loader is of `kind`.
bool is_of_kind(const GE::Render_object& object, Object_kind kind);
// Whether an element of a UI file, by its name, builds an object of `kind`.
bool builds_kind(std::string_view element, Object_kind kind);

// The objects a screen's contract asks for, found in the screen by id.
class Required_objects {
public:
    // Looks up every object of `contract` in `screen`. Throws GE_runtime_error naming the file,
    // the kind and the id of the first one missing or of another kind ("main_menu.xml has no
    // button with id \"exit\"", with "in \"<inside>\"" for an object inside another).
    Required_objects(GE::Render_object_container& screen, const Screen_contract& contract);

    template <typename Object>
    Object& get(std::string_view id) const
    {
        return dynamic_cast<Object&>(*found.at(id));
    }

private:
    std::map<std::string_view, GE::Render_object*> found;
};

} // namespace Game
