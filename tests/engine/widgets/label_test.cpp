#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/font.h"
#include "engine/resources/resources.h"
#include "engine/resources/texture.h"
#include "engine/widgets/label.h"
#include "tests/support/fixtures.h"
#include "tests/support/headless_app.h"
#include "tests/support/pixels.h"
#include "tests/support/test_objects.h"

#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr SDL_Color black{0, 0, 0, 255};

class Label_test : public testing::Test {
protected:
    std::shared_ptr<GE::Label> make(const std::string& text)
    {
        return std::make_shared<GE::Label>(window.context(), "label", font, black, text);
    }

    Support::Headless_app window;
    std::shared_ptr<GE::Font> font = GE::Resources::instance().get_font(Support::font_file, 32);
};

TEST_F(Label_test, is_exactly_as_large_as_its_text)
{
    auto label = make("Vossmere");
    int width = 0;
    int height = 0;
    ASSERT_EQ(TTF_SizeUTF8(font->font, "Vossmere", &width, &height), 0);
    EXPECT_FLOAT_EQ(label->width, static_cast<float>(width));
    EXPECT_FLOAT_EQ(label->height, static_cast<float>(height));
    EXPECT_EQ(label->text, "Vossmere");

    // Centring uses that width.
    auto root = std::make_shared<Support::Fixed_root>(1000.0f, 500.0f);
    root->add_child(label);
    label->horizontal_align = GE::Horizontal_align::center;
    EXPECT_FLOAT_EQ(label->aligned_x(0), 500.0f - static_cast<float>(width) / 2);
}

TEST_F(Label_test, renders_non_ascii_text_as_utf8)
{
    // "Café – ça" in UTF-8: read as Latin-1 it would be several more glyphs.
    const std::string text = "Caf\xC3\xA9 \xE2\x80\x93 \xC3\xA7"
                             "a";
    auto label = make(text);
    int utf8_width = 0;
    int latin1_width = 0;
    ASSERT_EQ(TTF_SizeUTF8(font->font, text.c_str(), &utf8_width, nullptr), 0);
    ASSERT_EQ(TTF_SizeText(font->font, text.c_str(), &latin1_width, nullptr), 0);
    ASSERT_NE(utf8_width, latin1_width);
    EXPECT_EQ(label->texture->width, utf8_width);
}

TEST_F(Label_test, draws_its_text_where_it_stands)
{
    auto label = make("MMMM");
    label->x = 100;
    label->y = 50;
    window.app->add_child(label);
    window.draw();
    int dark = 0;
    for (int y = 50; y < 50 + static_cast<int>(label->height); ++y)
        for (int x = 100; x < 100 + static_cast<int>(label->width); x += 2)
            dark += window.pixel(x, y).r < 128 ? 1 : 0;
    EXPECT_GT(dark, 20);
    EXPECT_EQ(window.pixel(99, 60), Support::white);
}

TEST_F(Label_test, an_empty_text_cannot_be_rendered)
{
    EXPECT_THROW(make(""), GE::SDL_runtime_error);
}

} // namespace
