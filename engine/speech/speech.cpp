#include "engine/speech/speech.h"

#include "engine/speech/speech_log.h"
#include "engine/speech/speech_output.h"

#include <cstdlib>

#if defined(__EMSCRIPTEN__)
#include "engine/speech/web_speech.h"
#elif defined(_WIN32)
#include "engine/speech/sapi_voice.h"
#include "engine/speech/voice_thread.h"
#else
#include "engine/speech/speechd_voice.h"
#include "engine/speech/voice_thread.h"
#endif

namespace GE {

bool Speech::logging()
{
    const char* path = std::getenv(log_variable);
    return path != nullptr && *path != '\0';
}

std::unique_ptr<Speech_output> Speech::system_output()
{
    if (logging())
        return std::make_unique<Speech_log>(std::getenv(log_variable));
#if defined(__EMSCRIPTEN__)
    return std::make_unique<Web_speech>();
#elif defined(_WIN32)
    return std::make_unique<Voice_thread>(
        []() -> std::unique_ptr<Voice> { return Sapi_voice::load(); });
#else
    // Loaded here, so that the settings know at once whether there is a voice; connected on the
    // voice's thread, since the server may be slow to answer or to start.
    auto voice = Speechd_voice::load();
    if (!voice)
        return nullptr;
    return std::make_unique<Voice_thread>(std::unique_ptr<Voice>(std::move(voice)));
#endif
}

Speech::Speech(Make_output make) : make(std::move(make)) {}

Speech::~Speech() = default;

Speech_output* Speech::output()
{
    if (!made) {
        made = true;
        made_output = make();
        if (made_output && !language.empty())
            made_output->set_language(language);
    }
    return made_output.get();
}

void Speech::use(std::unique_ptr<Speech_output> output)
{
    made = true;
    made_output = std::move(output);
    if (made_output && !language.empty())
        made_output->set_language(language);
}

bool Speech::available()
{
    Speech_output* out = output();
    return out != nullptr && out->available();
}

void Speech::set_language(const std::string& code)
{
    language = code;
    if (made && made_output)
        made_output->set_language(code);
}

void Speech::say(const std::string& text, Manner manner)
{
    if (!enabled || text.empty())
        return;
    if (Speech_output* out = output())
        out->speak(text, manner == Manner::interrupt);
}

} // namespace GE
