#include "engine/resources/font.h"
#include "engine/widgets/label.h"
#include "tests/engine/widgets/widget_fixture.h"

#include <SDL_ttf.h>

namespace {

using Label_test = Widget_fixture;

TEST_F(Label_test, is_as_large_as_its_text_rendered_as_utf8)
{
    const auto& font = GE::Resources::instance().get_font(Support::font_file, 32);
    const std::string text = "Déjà vu – ça"; // read as Latin-1 it would be more glyphs, wider
    int width = 0, height = 0;
    ASSERT_EQ(TTF_SizeUTF8(font->font, text.c_str(), &width, &height), 0);
    const GE::Label label(context(), "title", font, Support::red, text);
    EXPECT_FLOAT_EQ(label.width, static_cast<float>(width));
    EXPECT_FLOAT_EQ(label.height, static_cast<float>(height));
}

} // namespace
