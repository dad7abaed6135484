#pragma once

#include "engine/speech/speech_output.h"

#include <string>
#include <vector>

namespace Support {

// A voice that keeps what it is asked to say, "!" before an utterance that interrupts.
struct Speech_recorder : GE::Speech_output {
    explicit Speech_recorder(std::vector<std::string>& heard) : heard(&heard) {}
    bool available() const override { return true; }
    void speak(const std::string& text, bool interrupt) override
    {
        heard->push_back((interrupt ? "!" : "") + text);
    }
    std::vector<std::string>* heard;
};

} // namespace Support
