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

std::vector<std::string> Languages::codes()
{
    std::vector<std::string> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".mo")
            found.push_back(entry.path().stem().string());
    std::sort(found.begin(), found.end());
    found.insert(found.begin(), "en");
    return found;
}

std::vector<Languages::Choice> Languages::available()
{
    std::vector<Choice> choices;
    for (const auto& code : codes()) {
        try {
            const auto catalogue =
                code == "en" ? GE::Catalogue{} : GE::Catalogue::load(catalogue_file(code));
            choices.push_back({code, own_name(catalogue)});
        } catch (const GE::GE_runtime_error&) {
            choices.push_back({code, code});
        }
    }
    return choices;
}

std::string Languages::preferred(const std::vector<std::string>& codes)
{
    const std::unique_ptr<SDL_Locale, Locales_deleter> locales(SDL_GetPreferredLocales());
    for (const SDL_Locale* locale = locales.get(); locale && locale->language; ++locale) {
        const std::string language = locale->language;
        const std::string regional = locale->country ? language + "_" + locale->country : language;
        for (const std::string& code : {regional, language})
            if (std::find(codes.begin(), codes.end(), code) != codes.end())
                return code;
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
