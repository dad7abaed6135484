// libFuzzer target: the bytes are a UI XML file, loaded into a screen and drawn once.
#include "engine/core/ge_runtime_error.h"
#include "engine/ui/ui.h"
#include "tools/fuzz/headless_session.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto& session = Fuzz::Headless_session::instance();
    GE::App& app = session.app();
    session.write_file("fuzz_ui.xml", {reinterpret_cast<const char*>(data), size});
    const auto screen = std::make_shared<GE::UI>(&app.render_context, &app.window);
    app.add_child(screen);
    try {
        screen->ui_loader.load(screen.get(), "fuzz_ui.xml");
    } catch (const GE::GE_runtime_error&) {
        // A refused file; what was built before the failure stays and is drawn all the same.
    }
    try {
        session.draw();
    } catch (const GE::GE_runtime_error&) {
        // SDL refused a drawing call, or an image's pixels.
    }
    session.forget_input();
    return 0;
}
