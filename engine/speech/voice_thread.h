#pragma once

#include "engine/speech/speech_output.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace GE {

class Voice;

// Speaks through a voice of the system on a thread of its own, so that a slow speech server
// never holds up a frame: speak() only queues the text. The voice is made on that thread when it
// starts, and a voice that fails is dropped for good.
class Voice_thread : public Speech_output {
public:
    // Makes a voice, or none when the system has none (which makes the output unavailable).
    using Make_voice = std::function<std::unique_ptr<Voice>()>;

    explicit Voice_thread(Make_voice make);
    // Speaks through a voice made already, for one that may be made on any thread.
    explicit Voice_thread(std::unique_ptr<Voice> voice);
    // Waits for the utterance being handed over, not for what is queued behind it.
    ~Voice_thread() override;
    Voice_thread(const Voice_thread&) = delete;
    Voice_thread& operator=(const Voice_thread&) = delete;

    bool available() const override { return !failed; }
    // An interrupting utterance also drops what is queued and not yet said.
    void speak(const std::string& text, bool interrupt) override;
    void set_language(const std::string& code) override;

private:
    struct Utterance {
        std::string text;
        bool interrupt;
        std::string language; // its code, empty for the voice's own
    };

    void run(const Make_voice& make);
    // The next utterance, or none once the output is stopping.
    bool next(Utterance& utterance);

    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Utterance> queue;
    bool stopping = false;
    std::string language; // of the utterances to come
    std::atomic<bool> failed = false;
    std::thread worker;
};

} // namespace GE
