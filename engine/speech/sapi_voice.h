#pragma once

#include "engine/speech/voice.h"

#include <memory>
#include <string>

struct ISpVoice;

namespace GE {

// Windows' own voice, SAPI 5's ISpVoice through COM, speaking without waiting.
class Sapi_voice : public Voice {
public:
    // The system's voice, or none when COM or SAPI cannot make one.
    static std::unique_ptr<Sapi_voice> load();
    // Takes a voice that holds a reference for it, on a thread where COM is started, and ends COM
    // when it goes if `ends_com`.
    Sapi_voice(ISpVoice* voice, bool ends_com);
    ~Sapi_voice() override;
    Sapi_voice(const Sapi_voice&) = delete;
    Sapi_voice& operator=(const Sapi_voice&) = delete;

    bool say(const std::string& text, bool interrupt) override;

private:
    ISpVoice* voice;
    bool ends_com;
};

} // namespace GE
