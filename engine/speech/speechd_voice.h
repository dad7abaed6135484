#pragma once

#include "engine/speech/voice.h"

#include <memory>
#include <string>

namespace GE {

// Speech Dispatcher's voice, through its client library loaded at run time, so that the game
// starts and plays on a system without it. The connection (which may start the speech server)
// is made on the first utterance, not before: a player who never turns speech on never starts
// the server.
class Speechd_voice : public Voice {
public:
    static constexpr const char* library_name = "libspeechd.so.2";

    // The voice of `library`, or none when it cannot be loaded or lacks a function.
    static std::unique_ptr<Speechd_voice> load(const std::string& library = library_name);
    // The library's functions, found by load().
    struct Api;
    explicit Speechd_voice(std::unique_ptr<Api> api);
    ~Speechd_voice() override;
    Speechd_voice(const Speechd_voice&) = delete;
    Speechd_voice& operator=(const Speechd_voice&) = delete;

    bool say(const std::string& text, bool interrupt) override;
    void set_language(const std::string& code) override;

private:
    std::unique_ptr<Api> api;
    void* connection = nullptr;
    std::string language;            // asked for
    std::string connection_language; // told the server
};

} // namespace GE
