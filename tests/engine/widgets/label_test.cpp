#include "engine/resources/font.h"
#include "engine/resources/texture.h"
#include "engine/widgets/label.h"
#include "tests/engine/widgets/widget_fixture.h"

#include <SDL_ttf.h>

#include <algorithm>

namespace {

using Label_test = Widget_fixture;

TEST_F(Label_test, is_as_large_as_its_text_rendered_as_utf8_and_renders_again_when_lost)
{
    const auto& font = GE::Resources::instance().get_font(Support::font_file, 32);
    const std::string text = "Déjà vu – ça"; // read as Latin-1 it would be more glyphs, wider
    int width = 0, height = 0;
    ASSERT_EQ(TTF_SizeUTF8(font->font, text.c_str(), &width, &height), 0);
    const auto label = std::make_shared<GE::Label>(context(), "title", font, Support::red, text);
    EXPECT_FLOAT_EQ(label->width, static_cast<float>(width));
    EXPECT_FLOAT_EQ(label->height, static_cast<float>(height));

    set_children({label});
    draw();
    const auto drawn = Support::read_pixels(renderer(), {0, 0, width, height});
    EXPECT_NE(std::count(drawn.begin(), drawn.end(), Support::red), 0);
    GE::Texture::forget_all_pixels(); // as when the renderer's device is lost
    EXPECT_EQ(label->texture->texture, nullptr);
    draw();
    EXPECT_EQ(Support::read_pixels(renderer(), {0, 0, width, height}), drawn);
}

} // namespace
