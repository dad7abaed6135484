#pragma once

#include "engine/speech/speech_output.h"

namespace GE {

// The browser's voice, the Web Speech API's speechSynthesis.
class Web_speech : public Speech_output {
public:
    // Whether the page has speechSynthesis.
    bool available() const override;
    void speak(const std::string& text, bool interrupt) override;
};

} // namespace GE
