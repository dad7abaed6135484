// What a player's computer does to the game: sound devices that come and go, a window minimised,
// hidden or left for another, and a display with more pixels than the window has points.

#include "engine/core/sdl_lifetime.h"
#include "engine/resources/music.h"
#include "engine/resources/resources.h"
#include "engine/resources/texture.h"
#include "engine/widgets/button.h"
#include "engine/widgets/checkbox.h"
#include "engine/widgets/label.h"
#include "game/display_change.h"
#include "game/display_confirmation.h"
#include "game/game_events.h"
#include "game/letterbox.h"
#include "tests/support/game_data.h"

#include <SDL_audio.h>
#include <SDL_mixer.h>
#include <SDL_timer.h>

namespace {

SDL_Event window_event(Uint8 kind)
{
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = kind;
    return event;
}

SDL_Event audio_device_event(Uint32 type)
{
    SDL_Event event{};
    event.type = type;
    event.adevice.which = 2;
    return event;
}

// How far into the current track the mixer is, in seconds.
double music_position()
{
    const auto& file = GE::audio_files[GE::current_music];
    return Mix_GetMusicPosition(GE::Resources::instance().get_music(file)->music);
}

// Whether `happened` comes true within five seconds: the sound plays on threads of its own.
template <typename Condition>
bool eventually(Condition happened)
{
    for (int waited = 0; waited < 5000 && !happened(); waited += 20)
        SDL_Delay(20);
    return happened();
}

// Whether any sample of the raw 16-bit sound in `file` is not silence.
bool sounds(const std::filesystem::path& file)
{
    const std::string bytes = Support::read_file(file);
    return bytes != "nothing" && bytes.find_first_not_of('\0') != std::string::npos;
}

class System_events : public Support::Game_flow {
protected:
    explicit System_events(const std::string& lines = "") : Game_flow(nullptr, "1024x768", lines) {}
    ~System_events() override
    {
        // The run's other tests play on the dummy device.
        if (!driver_changed)
            return;
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
        GE::open_audio();
    }

    // Brings SDL's audio up again on its "disk" driver, which writes what the player would hear
    // into the file `SDL_DISKAUDIOFILE` names, and fails to open a device where it cannot.
    void play_into_files()
    {
        driver_changed = true;
        SDL_QuitSubSystem(SDL_INIT_AUDIO); // the game's device goes with it, as when unplugged
        SDL_setenv("SDL_AUDIODRIVER", "disk", 1);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    }
    void send(const SDL_Event& event) { run_over(event, 1); }
    void click_settings() { play.click(*app->main_menu->settings_button); }

    bool driver_changed = false;
};

TEST_F(System_events, the_music_goes_on_where_it_was_on_the_next_device_or_the_one_added_later)
{
    ASSERT_EQ(GE::current_music, "menu_music");
    ASSERT_TRUE(eventually([] { return music_position() > 0.1; }));
    const double before = music_position();
    send(audio_device_event(SDL_AUDIODEVICEREMOVED)); // the default device is opened at once
    EXPECT_FALSE(GE::audio_silent);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_GE(music_position(), before - 0.05); // not from the start
    click_settings();
    EXPECT_EQ(Mix_Playing(-1), 1) << "the click is heard";

    // No device left: the game plays on, silent, and a screen's music is noted for later.
    play_into_files();
    const auto output = scratch.path / "speakers";
    SDL_setenv("SDL_DISKAUDIOFILE", (output / "sound.raw").string().c_str(), 1);
    send(audio_device_event(SDL_AUDIODEVICEREMOVED));
    EXPECT_TRUE(GE::audio_silent);
    play.click(*app->settings_menu->back_button);
    EXPECT_EQ(GE::current_music, "menu_music");
    send(audio_device_event(SDL_AUDIODEVICEADDED));
    EXPECT_TRUE(GE::audio_silent) << "the new device cannot be opened either";

    std::filesystem::create_directory(output);
    send(audio_device_event(SDL_AUDIODEVICEADDED));
    ASSERT_FALSE(GE::audio_silent);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    click_settings();
    EXPECT_EQ(Mix_Playing(-1), 1);
    const auto heard = output / "sound.raw";
    ASSERT_TRUE(eventually([&] { return std::filesystem::file_size(heard) > 16384; }));
    Mix_CloseAudio(); // Windows lets nobody read the file while the device writes it
    EXPECT_TRUE(sounds(heard));
}

class Out_of_sight : public System_events {
protected:
    Out_of_sight() : System_events("\r\ncaptions=1") {}

    std::int32_t seconds_left() const { return app->display.dialog->seconds_left; }
    // Lets a second and a bit pass, then runs the loop over what came meanwhile, and answers
    // whether it drew.
    bool drew_in_a_second()
    {
        app->render_context.fill_rect({0, 0, 1, 1}, 0xFF0000FF);
        SDL_Delay(1100);
        Support::push_sdl_event(SDL_QUIT);
        app->run();
        return !Support::region_is(app->render_context.renderer, {0, 0, 1, 1}, Support::red);
    }
};

TEST_F(Out_of_sight, alt_tab_from_fullscreen_stills_everything_until_the_player_comes_back)
{
    app->watch_data();
    click_settings();
    play.click(*app->settings_menu->background_mute_checkbox);
    play.click(*app->settings_menu->back_button);
    EXPECT_NE(saved().find("\r\nbackground_mute=1"), std::string::npos) << saved();
    EXPECT_TRUE(press(SDLK_RETURN, KMOD_LALT)); // fullscreen, and the question whether to keep it
    ASSERT_TRUE(app->display.asking());
    ASSERT_TRUE(app->captions_timer) << "the click's caption shows";
    EXPECT_GE(Mix_Playing(-1), 1) << "and its sound plays";
    const std::int32_t asked = seconds_left();

    // Alt+Tab: the focus goes, and SDL minimises a fullscreen window that loses it.
    send(window_event(SDL_WINDOWEVENT_FOCUS_LOST));
    EXPECT_EQ(Mix_VolumeMusic(-1), 0) << "muted in the background";
    EXPECT_FALSE(drew_after(window_event(SDL_WINDOWEVENT_MINIMIZED)));
    EXPECT_EQ(Mix_PausedMusic(), 1);
    EXPECT_EQ(Mix_Paused(-1), Mix_Playing(-1));
    EXPECT_FALSE(drew_after(window_event(SDL_WINDOWEVENT_EXPOSED))) << "nothing is drawn";
    EXPECT_FALSE(drew_in_a_second());
    EXPECT_EQ(seconds_left(), asked) << "the countdown waits";
    EXPECT_FALSE(app->captions_timer || app->display.countdown || !app->data_watch->paused())
        << "no timer wakes the game";

    // Back: drawn again, fullscreen still, the sound and the countdown going on.
    EXPECT_TRUE(drew_after(window_event(SDL_WINDOWEVENT_RESTORED)));
    send(window_event(SDL_WINDOWEVENT_FOCUS_GAINED));
    EXPECT_TRUE(SDL_GetWindowFlags(app->window.handle) & SDL_WINDOW_FULLSCREEN);
    EXPECT_EQ(std::tuple(Mix_PausedMusic(), Mix_Paused(-1)), std::tuple(0, 0));
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME);
    ASSERT_TRUE(app->display.countdown && !app->data_watch->paused());
    run_over(app->display.countdown->tick(), 1);
    EXPECT_EQ(seconds_left(), asked - 1);

    // Hidden counts as minimised; without the setting, another window's focus mutes nothing.
    EXPECT_FALSE(drew_after(window_event(SDL_WINDOWEVENT_HIDDEN)));
    EXPECT_EQ(Mix_PausedMusic(), 1);
    EXPECT_TRUE(drew_after(window_event(SDL_WINDOWEVENT_SHOWN)));
    app->settings->background_mute = false;
    send(window_event(SDL_WINDOWEVENT_FOCUS_LOST));
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME);
}

TEST_F(System_events, a_high_dpi_display_is_drawn_at_its_pixels_and_clicked_at_its_points)
{
    // A renderer with twice the window's pixels each way, as on a display at 200 %.
    app->window.set_size(1280, 720);
    const std::unique_ptr<SDL_Texture, decltype(&SDL_DestroyTexture)> pixels(
        SDL_CreateTexture(app->render_context.renderer, SDL_PIXELFORMAT_RGBA32,
                          SDL_TEXTUREACCESS_TARGET, 2560, 1440),
        SDL_DestroyTexture);
    ASSERT_TRUE(pixels) << SDL_GetError();
    ASSERT_EQ(SDL_SetRenderTarget(app->render_context.renderer, pixels.get()), 0);
    app->render();
    EXPECT_EQ(std::pair(app->window.width, app->window.height), std::pair(2560, 1440));
    const float bar = Game::letterbox_of(2560, 1440).left;
    EXPECT_EQ(bar, 320); // the letterbox's bars, drawn at the renderer's size
    EXPECT_TRUE(
        Support::region_is(app->render_context.renderer, {0, 0, 320, 1440}, Support::black));
    EXPECT_FALSE(
        Support::region_is(app->render_context.renderer, {320, 0, 1, 1440}, Support::black));

    // The pointer, which SDL reports in the window's points, lands on the button drawn there.
    const auto button = app->main_menu->settings_button->get_screen_rect();
    SDL_WarpMouseInWindow(app->window.handle, static_cast<int>((bar + button.x + 4) / 2),
                          static_cast<int>((button.y + 4) / 2));
    for (const auto type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP})
        Support::push_sdl_event(type);
    run_over(window_event(SDL_WINDOWEVENT_NONE), 1);
    ASSERT_EQ(model.screen, Game::Screens::settings_menu);

    // Its text has the pixels of twice its size, drawn down into the place the design's size
    // takes.
    const GE::Label& sharp = *app->settings_menu->resolution_labels.at(0);
    app->render_context.text_density = 1;
    const GE::Label plain(&app->render_context, "", sharp.font, sharp.color, sharp.text);
    EXPECT_NEAR(sharp.texture->width, 2 * plain.texture->width, plain.texture->width / 10);
    EXPECT_EQ(std::pair(sharp.width, sharp.height), std::pair(plain.width, plain.height));
    SDL_SetRenderTarget(app->render_context.renderer, nullptr);
}

} // namespace
