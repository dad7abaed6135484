#include "engine/speech/web_speech.h"

#include <emscripten.h>

namespace GE {

namespace {

// clang-format off
EM_JS(int, has_speech_synthesis, (), {
    return typeof speechSynthesis !== "undefined" &&
           typeof SpeechSynthesisUtterance !== "undefined";
});

EM_JS(void, speak_in_browser, (const char* text, int interrupt, const char* language), {
    if (interrupt)
        speechSynthesis.cancel();
    const utterance = new SpeechSynthesisUtterance(UTF8ToString(text));
    if (HEAPU8[language])
        utterance.lang = UTF8ToString(language);
    speechSynthesis.speak(utterance);
});
// clang-format on

} // namespace

bool Web_speech::available() const { return has_speech_synthesis() != 0; }

void Web_speech::speak(const std::string& text, bool interrupt)
{
    if (available())
        speak_in_browser(text.c_str(), interrupt ? 1 : 0, language.c_str());
}

} // namespace GE
