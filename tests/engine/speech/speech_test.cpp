#include "engine/core/ge_runtime_error.h"
#include "engine/speech/speech.h"
#include "engine/speech/speech_log.h"
#include "tests/support/fixtures.h"
#include "tests/support/speech_recorder.h"

#include <chrono>
#include <iostream>
#include <thread>

#ifdef _WIN32
#include "engine/speech/sapi_voice.h"
#endif

#ifdef FAKE_SPEECHD
#include "engine/speech/speechd_voice.h"
#include "engine/speech/voice_thread.h"

#include <dlfcn.h>
#endif

namespace {

using Lines = std::vector<std::string>;

// Waits up to five seconds for `done`, which another thread makes true.
bool eventually(const std::function<bool()>& done)
{
    for (int waited = 0; waited < 5000 && !done(); ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return done();
}

TEST(Speech, says_only_while_enabled_through_an_output_made_when_first_needed)
{
    Lines heard;
    int made = 0;
    GE::Speech speech([&] {
        ++made;
        return std::make_unique<Support::Speech_recorder>(heard);
    });
    speech.say("Main menu");
    EXPECT_EQ(made, 0) << "no voice is loaded for a player who does not use one";
    speech.enabled = true;
    speech.say("Main menu");
    speech.say("");
    speech.say("Play, button", GE::Speech::Manner::follow);
    EXPECT_TRUE(speech.available());
    EXPECT_EQ(std::pair(made, heard), std::pair(1, Lines{"!Main menu", "Play, button"}));

    GE::Speech silent([] { return nullptr; });
    silent.enabled = true;
    silent.say("Main menu");
    EXPECT_FALSE(silent.available());
}

TEST(Speech_log, appends_a_line_per_utterance_readable_at_once_and_names_a_file_it_cannot_open)
{
    const Support::Scratch_dir scratch;
    const std::string path = (scratch.path / "spoken.txt").string();
    Support::write_file(path, "earlier\n");
    Support::set_environment(GE::Speech::log_variable, path.c_str());
    auto log = GE::Speech::system_output();
    ASSERT_TRUE(log && log->available());
    log->speak("Zw\xc3\xb6lf T\xc3\xbcren,\r\ndrei Uhren", true);
    EXPECT_EQ(Support::read_file(path), "earlier\nZw\xc3\xb6lf T\xc3\xbcren,  drei Uhren\n");
    log->speak("Play, button", false);
    EXPECT_EQ(Support::read_file(path),
              "earlier\nZw\xc3\xb6lf T\xc3\xbcren,  drei Uhren\nPlay, button\n");

    Support::set_environment(GE::Speech::log_variable, scratch.path.string().c_str());
    EXPECT_EQ(Support::error_of([] { GE::Speech::system_output(); }),
              "Can not open the speech log " + scratch.path.string());
    Support::set_environment(GE::Speech::log_variable, nullptr);
}

#ifdef FAKE_SPEECHD

TEST(Speechd_voice,
     connects_on_its_own_thread_at_the_first_word_and_an_interruption_drops_the_queue)
{
    EXPECT_EQ(GE::Speechd_voice::load("libspeechd-nowhere.so.2"), nullptr);
    void* fake = dlopen(FAKE_SPEECHD, RTLD_NOW);
    ASSERT_NE(fake, nullptr) << dlerror();
    const auto calls = reinterpret_cast<const char* (*)()>(dlsym(fake, "fake_speechd_calls"));
    const auto waiting = reinterpret_cast<bool (*)()>(dlsym(fake, "fake_speechd_waiting"));
    const auto hold = reinterpret_cast<void (*)(bool, bool)>(dlsym(fake, "fake_speechd_hold"));
    const auto heard = [calls] { return std::string(calls()); };

    hold(true, false); // a server slow to answer
    {
        GE::Voice_thread voice(GE::Speechd_voice::load(FAKE_SPEECHD));
        voice.set_language("de");
        voice.speak("Main menu", true);
        ASSERT_TRUE(eventually(waiting)) << "connecting on the first utterance";
        voice.speak("Play, button", false); // queued while the game goes on...
        voice.speak("Settings", true);      // ...and dropped by an interruption
        EXPECT_TRUE(voice.available());
        EXPECT_EQ(heard(), "");
        hold(false, false);
        ASSERT_TRUE(eventually([&] { return heard().find("Settings") != std::string::npos; }));
    }
    EXPECT_EQ(heard(), "open vossmere 0; language de; cancel; say 3 Main menu; cancel; say 3 "
                       "Settings; close; ");

    hold(false, true); // no server
    GE::Voice_thread voice(GE::Speechd_voice::load(FAKE_SPEECHD));
    voice.speak("Main menu", true);
    EXPECT_TRUE(eventually([&] { return !voice.available(); }));
    voice.speak("Play, button", true);
    EXPECT_EQ(heard(), "open vossmere 0; ");
    dlclose(fake);
}
#endif

#ifdef _WIN32
// The game's voice on Windows, made and driven on its own thread; here also on the test's, where
// SDL runs COM in another model already.
TEST(Sapi_voice, speaks_through_windows_voice_on_a_thread_of_its_own)
{
    const auto voice = GE::Sapi_voice::load();
    ASSERT_TRUE(voice) << "SAPI makes no voice";
    const bool speaks = voice->say("Main menu", true);
    std::cerr << "SAPI speaks: " << (speaks ? "yes" : "no") << '\n';
    auto output = GE::Speech::system_output();
    output->speak("Play, button", true);
    output->speak("Settings, button", false);
    EXPECT_TRUE(eventually([&] { return output->available() == speaks; }));
}
#endif

} // namespace
