#include "engine/speech/speechd_voice.h"

#include <dlfcn.h>

namespace GE {

namespace {

// The few values of libspeechd's headers the game uses, which it does not include: the library
// is loaded at run time, and its headers need not be installed to build the game.
constexpr int single_mode = 0;   // SPD_MODE_SINGLE
constexpr int text_priority = 3; // SPD_TEXT

} // namespace

struct Speechd_voice::Api {
    using Open = void* (*)(const char*, const char*, const char*, int);
    using Say = int (*)(void*, int, const char*);
    using Cancel = int (*)(void*);
    using Close = void (*)(void*);
    using Set_language = int (*)(void*, const char*);

    void* library = nullptr;
    Open open = nullptr;
    Say say = nullptr;
    Cancel cancel = nullptr;
    Close close = nullptr;
    Set_language set_language = nullptr; // optional: without it, the server's own language

    ~Api()
    {
        if (library != nullptr)
            dlclose(library);
    }

    template <typename Function>
    bool find(Function& function, const char* name)
    {
        function = reinterpret_cast<Function>(dlsym(library, name));
        return function != nullptr;
    }
};

std::unique_ptr<Speechd_voice> Speechd_voice::load(const std::string& library)
{
    auto api = std::make_unique<Api>();
    api->library = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (api->library == nullptr || !api->find(api->open, "spd_open") ||
        !api->find(api->say, "spd_say") || !api->find(api->cancel, "spd_cancel") ||
        !api->find(api->close, "spd_close"))
        return nullptr;
    api->find(api->set_language, "spd_set_language");
    return std::make_unique<Speechd_voice>(std::move(api));
}

Speechd_voice::Speechd_voice(std::unique_ptr<Api> api) : api(std::move(api)) {}

Speechd_voice::~Speechd_voice()
{
    if (connection != nullptr)
        api->close(connection);
}

bool Speechd_voice::say(const std::string& text, bool interrupt)
{
    if (connection == nullptr)
        connection = api->open("vossmere", "main", nullptr, single_mode);
    if (connection == nullptr)
        return false;
    if (language != connection_language && api->set_language != nullptr) {
        api->set_language(connection, language.c_str());
        connection_language = language;
    }
    if (interrupt)
        api->cancel(connection);
    return api->say(connection, text_priority, text.c_str()) >= 0;
}

void Speechd_voice::set_language(const std::string& code) { language = code; }

} // namespace GE
