#pragma once

#include <string>

namespace GE {

// Where spoken text goes: a voice of the system, or a file.
class Speech_output {
public:
    virtual ~Speech_output() = default;

    // Whether the output can speak, as far as it knows yet: a voice that is still connecting
    // counts as able until it fails.
    virtual bool available() const = 0;
    // Speaks `text` (UTF-8); with `interrupt`, whatever is still being said stops first.
    virtual void speak(const std::string& text, bool interrupt) = 0;
    // Speaks what follows in the language `code` ("de"), where the output can choose its voice.
    virtual void set_language(const std::string& code) { (void)code; }
};

} // namespace GE
