#pragma once

#include "engine/speech/speech.h"
#include "engine/speech/speech_output.h"
#include "tests/support/fixtures.h"

#include <fstream>
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

// Sends the game's speech to a log file while it lives, from before the game starts, and reads
// what the game said since it was asked last.
struct Speech_to_log {
    Speech_to_log() { set_environment(GE::Speech::log_variable, path.string().c_str()); }
    ~Speech_to_log() { set_environment(GE::Speech::log_variable, nullptr); }

    std::vector<std::string> new_lines()
    {
        std::ifstream log(path);
        std::vector<std::string> said;
        std::size_t line_number = 0;
        for (std::string line; std::getline(log, line); ++line_number)
            if (line_number >= transcript.size())
                said.push_back(line);
        transcript.insert(transcript.end(), said.begin(), said.end());
        return said;
    }

    const Scratch_dir scratch;
    const std::filesystem::path path = scratch.path / "spoken.txt";
    std::vector<std::string> transcript; // everything said
};

} // namespace Support
