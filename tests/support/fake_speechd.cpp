// A stand-in for libspeechd, loaded by the tests in its place: it records the calls the game
// makes, and the test holds the connection back or refuses it through the fake_ functions.
#include <condition_variable>
#include <mutex>
#include <string>

namespace {

std::mutex mutex;
std::condition_variable released;
std::string calls;
bool holding = false;
bool refusing = false;
bool waiting = false;
int connection = 0; // its address is the connection handed out

void record(const std::string& call)
{
    const std::lock_guard lock(mutex);
    calls += call + "; ";
}

} // namespace

extern "C" {

void* spd_open(const char* client, const char*, const char*, int mode)
{
    std::unique_lock lock(mutex);
    waiting = true;
    released.wait(lock, [] { return !holding; });
    waiting = false;
    calls += "open " + std::string(client) + " " + std::to_string(mode) + "; ";
    return refusing ? nullptr : &connection;
}

int spd_say(void* handle, int priority, const char* text)
{
    record("say " + std::to_string(priority) + " " + text);
    return handle == &connection ? 0 : -1;
}

int spd_set_language(void*, const char* language)
{
    record("language " + std::string(language));
    return 0;
}

int spd_cancel(void*)
{
    record("cancel");
    return 0;
}

void spd_close(void*) { record("close"); }

// The calls so far, each followed by "; ".
const char* fake_speechd_calls()
{
    static std::string copy;
    const std::lock_guard lock(mutex);
    copy = calls;
    return copy.c_str();
}

// Whether spd_open is waiting to be released.
bool fake_speechd_waiting()
{
    const std::lock_guard lock(mutex);
    return waiting;
}

// Forgets the calls so far. While held, spd_open waits, as a server that is slow to start does.
void fake_speechd_hold(bool hold, bool refuse)
{
    {
        const std::lock_guard lock(mutex);
        holding = hold;
        refusing = refuse;
        calls.clear();
    }
    released.notify_all();
}
}
