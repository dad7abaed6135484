#include "tests/support/game_data.h"
#include "tools/check/view_sheet.h"

#include <SDL_image.h>

namespace {

using View_sheet = Support::Headless_test;
using Sheet = Tools::View_sheet;

TEST_F(View_sheet, draws_every_view_of_every_level_in_a_row_each_labelled)
{
    Support::write_game_data(false); // levels of 4, 3 and 6 views
    Sheet(context(), &app->window).write("sheet.png");
    const std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> sheet(IMG_Load("sheet.png"),
                                                                         SDL_FreeSurface);
    ASSERT_TRUE(sheet) << SDL_GetError();
    EXPECT_EQ(std::pair(sheet->w, sheet->h),
              std::pair(Sheet::gap + 6 * (Sheet::cell_width + Sheet::gap),
                        Sheet::gap + 3 * (Sheet::cell_height + Sheet::label_height + Sheet::gap)));

    // Whether anything but the paper shows in the area: a view's door label, or a caption's text.
    const auto drawn = [&](int x, int y, int w, int h) {
        const auto* pixels = static_cast<const Uint8*>(sheet->pixels);
        const int bytes = sheet->format->BytesPerPixel;
        for (int row = y; row < y + h; ++row)
            for (int column = x; column < x + w; ++column)
                if (pixels[row * sheet->pitch + column * bytes] > 120)
                    return true;
        return false;
    };
    const int views[]{4, 3, 6};
    for (int level = 0; level < 3; ++level)
        for (int view = 0; view < 6; ++view) {
            const int left = Sheet::gap + view * (Sheet::cell_width + Sheet::gap);
            const int top =
                Sheet::gap + level * (Sheet::cell_height + Sheet::label_height + Sheet::gap);
            const bool shown = view < views[level];
            EXPECT_EQ(drawn(left, top, Sheet::cell_width, Sheet::cell_height), shown)
                << "level " << level + 1 << ", view " << view + 1;
            EXPECT_EQ(drawn(left, top + Sheet::cell_height, Sheet::cell_width, Sheet::label_height),
                      shown)
                << "the label of level " << level + 1 << ", view " << view + 1;
        }
}

} // namespace
