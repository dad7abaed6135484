#include "engine/core/error_text.h"

namespace GE {

std::string error_text(const std::exception& error)
{
    std::string text = error.what();
    try {
        std::rethrow_if_nested(error);
    } catch (const std::exception& inner) {
        text += ": " + error_text(inner);
    } catch (...) {
        text += ": an unknown error";
    }
    return text;
}

} // namespace GE
