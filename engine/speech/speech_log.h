#pragma once

#include "engine/speech/speech_output.h"

#include <fstream>
#include <string>

namespace GE {

// Appends every utterance to a file as one UTF-8 line, flushed at once, for tests and for players
// who send the text to a braille display or a reader of their own.
class Speech_log : public Speech_output {
public:
    // Opens `path` for appending; throws GE_runtime_error when it cannot.
    explicit Speech_log(const std::string& path);

    bool available() const override { return true; }
    // Line breaks inside `text` become spaces, so that a line is always one utterance.
    void speak(const std::string& text, bool interrupt) override;

private:
    std::ofstream file;
};

} // namespace GE
