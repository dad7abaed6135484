#include "game/languages.h"

#include "engine/core/ge_runtime_error.h"
#include "engine/text/language.h"

#include <SDL_locale.h>

#include <algorithm>
#include <filesystem>
#include <memory>

namespace Game {

namespace {

std::string catalogue_file(const std::string& code)
{
    return std::string(Languages::folder) + "/" + code + ".mo";
}

// The language's own name, as its translator wrote it.
std::string own_name(const GE::Catalogue& catalogue)
{
    return catalogue.translate("English", "the name of this language in itself");
}

struct Locales_deleter {
    void operator()(SDL_Locale* locales) const { SDL_free(locales); }
};

} // namespace

std::vector<Languages::Choice> Languages::available()
{
    std::vector<Choice> choices;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".mo") {
            const std::string code = entry.path().stem().string();
            try {
                choices.push_back({code, own_name(GE::Catalogue::load(catalogue_file(code)))});
            } catch (const GE::GE_runtime_error&) {
                choices.push_back({code, code});
            }
        }
    std::sort(choices.begin(), choices.end(),
              [](const Choice& a, const Choice& b) { return a.code < b.code; });
    choices.insert(choices.begin(), {"en", own_name({})});
    return choices;
}

std::string Languages::preferred(const std::vector<Choice>& choices)
{
    const std::unique_ptr<SDL_Locale, Locales_deleter> locales(SDL_GetPreferredLocales());
    for (const SDL_Locale* locale = locales.get(); locale && locale->language; ++locale) {
        const std::string language = locale->language;
        const std::string regional = locale->country ? language + "_" + locale->country : language;
        for (const std::string& code : {regional, language})
            for (const auto& choice : choices)
                if (choice.code == code)
                    return choice.code;
    }
    return "en";
}

void Languages::use(const std::string& code)
{
    auto& language = GE::Language::current();
    if (code == "en" || code == GE::Language::pseudo_code) {
        language.use(code);
        return;
    }
    language.use("en");
    language.use(code, GE::Catalogue::load(catalogue_file(code)));
}

} // namespace Game
