#include "engine/speech/sapi_voice.h"

// windows.h first: sapi.h uses its types without including it.
#include <windows.h>
// clang-format off
#include <sapi.h>
// clang-format on

namespace GE {

namespace {

// SAPI's voice and its interface, spelled here rather than taken from a import library.
constexpr GUID voice_class{
    0x96749377, 0x3391, 0x11d2, {0x9e, 0xe3, 0x00, 0xc0, 0x4f, 0x79, 0x73, 0x96}};
constexpr GUID voice_interface{
    0x6c44df74, 0x72b9, 0x4992, {0xa1, 0xec, 0xef, 0x99, 0x6e, 0x04, 0x22, 0xd4}};

std::wstring wide(const std::string& text)
{
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                        length);
    return result;
}

} // namespace

std::unique_ptr<Sapi_voice> Sapi_voice::load()
{
    // A thread where COM runs in another model already (SDL's, say) keeps it, and it stays
    // theirs to end.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    const bool ends_com = SUCCEEDED(com);
    if (!ends_com && com != RPC_E_CHANGED_MODE)
        return nullptr;
    void* made = nullptr;
    if (FAILED(CoCreateInstance(voice_class, nullptr, CLSCTX_ALL, voice_interface, &made)) ||
        made == nullptr) {
        if (ends_com)
            CoUninitialize();
        return nullptr;
    }
    return std::make_unique<Sapi_voice>(static_cast<ISpVoice*>(made), ends_com);
}

Sapi_voice::Sapi_voice(ISpVoice* voice, bool ends_com) : voice(voice), ends_com(ends_com) {}

Sapi_voice::~Sapi_voice()
{
    voice->Release();
    if (ends_com)
        CoUninitialize();
}

bool Sapi_voice::say(const std::string& text, bool interrupt)
{
    const DWORD flags = SPF_ASYNC | SPF_IS_NOT_XML | (interrupt ? SPF_PURGEBEFORESPEAK : 0);
    return SUCCEEDED(voice->Speak(wide(text).c_str(), flags, nullptr));
}

} // namespace GE
