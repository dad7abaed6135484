#pragma once

#include <string>

namespace GE {

// A voice of the system, driven from a thread of its own by Voice_thread: every call, the
// constructor's and the destructor's included, happens on that thread.
class Voice {
public:
    virtual ~Voice() = default;

    // Says `text`, first silencing what is still being said when `interrupt`; false when the voice
    // cannot speak and never will (no library, no server).
    virtual bool say(const std::string& text, bool interrupt) = 0;
    // Says what follows in the language `code` ("de"), where the voice can.
    virtual void set_language(const std::string& code) { (void)code; }
};

} // namespace GE
