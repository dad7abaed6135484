#pragma once

#include "engine/speech/speech_output.h"

#include <functional>
#include <memory>
#include <string>

namespace GE {

// What the game says aloud while spoken descriptions are on, and where it goes. The output is
// made when it is first needed, so that a game that never speaks never loads a voice.
class Speech {
public:
    // Whether a new utterance stops the one being said, or is said after it.
    enum class Manner { interrupt, follow };
    using Make_output = std::function<std::unique_ptr<Speech_output>()>;

    // The variable that names a file for every utterance, instead of a voice.
    static constexpr const char* log_variable = "VOSSMERE_SPEECH_LOG";

    // The file VOSSMERE_SPEECH_LOG names, when it names one; else the system's voice:
    // Speech Dispatcher on Linux, SAPI on Windows, speechSynthesis in the browser; none where
    // there is none. Throws GE_runtime_error when the log cannot be opened.
    static std::unique_ptr<Speech_output> system_output();
    // Whether VOSSMERE_SPEECH_LOG names a file.
    static bool logging();

    explicit Speech(Make_output make = system_output);
    ~Speech();
    Speech(const Speech&) = delete;
    Speech& operator=(const Speech&) = delete;

    // Speaks through `output` from now on, in place of the one made or to be made.
    void use(std::unique_ptr<Speech_output> output);
    // Whether there is an output that can speak.
    bool available();
    // Says `text` while enabled; nothing for an empty text.
    void say(const std::string& text, Manner manner = Manner::interrupt);
    // Says what follows in the language `code` ("de"), where the output can choose its voice.
    void set_language(const std::string& code);

    bool enabled = false;

private:
    Speech_output* output();

    Make_output make;
    bool made = false;
    std::unique_ptr<Speech_output> made_output;
    std::string language;
};

} // namespace GE
