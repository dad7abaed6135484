#pragma once

#include "engine/speech/speech_output.h"

namespace GE {

// The browser's voice, the Web Speech API's speechSynthesis.
class Web_speech : public Speech_output {
public:
    // Whether the page has speechSynthesis.
    bool available() const override;
    void speak(const std::string& text, bool interrupt) override;
    void set_language(const std::string& code) override { language = code; }

private:
    std::string language; // empty for the browser's own
};

} // namespace GE
