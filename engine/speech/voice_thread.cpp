#include "engine/speech/voice_thread.h"

#include "engine/speech/voice.h"

namespace GE {

Voice_thread::Voice_thread(Make_voice make)
{
    worker = std::thread([this, make = std::move(make)] { run(make); });
}

Voice_thread::Voice_thread(std::unique_ptr<Voice> voice)
    : Voice_thread([made = std::make_shared<std::unique_ptr<Voice>>(std::move(voice))] {
          return std::move(*made);
      })
{
}

Voice_thread::~Voice_thread()
{
    {
        const std::lock_guard lock(mutex);
        stopping = true;
    }
    wake.notify_one();
    worker.join();
}

void Voice_thread::speak(const std::string& text, bool interrupt)
{
    if (failed)
        return;
    {
        const std::lock_guard lock(mutex);
        if (interrupt)
            queue.clear();
        queue.push_back({text, interrupt, language});
    }
    wake.notify_one();
}

void Voice_thread::set_language(const std::string& code)
{
    const std::lock_guard lock(mutex);
    language = code;
}

bool Voice_thread::next(Utterance& utterance)
{
    std::unique_lock lock(mutex);
    wake.wait(lock, [this] { return stopping || !queue.empty(); });
    if (stopping)
        return false;
    utterance = std::move(queue.front());
    queue.pop_front();
    return true;
}

void Voice_thread::run(const Make_voice& make)
{
    std::unique_ptr<Voice> voice = make();
    if (!voice) {
        failed = true;
        return;
    }
    Utterance utterance;
    std::string spoken_language;
    while (next(utterance)) {
        if (utterance.language != spoken_language) {
            spoken_language = utterance.language;
            voice->set_language(spoken_language);
        }
        if (!voice->say(utterance.text, utterance.interrupt)) {
            failed = true;
            return;
        }
    }
}

} // namespace GE
