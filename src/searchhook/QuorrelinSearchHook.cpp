#include "searchhook/QuorrelinSearchHook.h"

#include "platform/registry/Registry.h"
#include "searchhook/SearchHookModule.h"
#include "searchhook/SearchHookTranslation.h"

#include <cstdio>
#include <exception>

namespace searchhook {

namespace {

// The longest text read from the caller's buffer; a browser's address
// buffer is far shorter.
constexpr std::uint32_t kMaxTextChars = 64 * 1024;

} // namespace

int& LiveObjectCount() {
    static int count = 0;
    return count;
}

QuorrelinSearchHook::QuorrelinSearchHook() {
    ++LiveObjectCount();
}

QuorrelinSearchHook::~QuorrelinSearchHook() {
    --LiveObjectCount();
}

com::HRESULT QuorrelinSearchHook::QueryInterface(com::REFIID iid, void** object) {
    if (!object)
        return com::E_POINTER;
    if (iid == com::IID_IUnknown || iid == com::IID_IContextMenu) {
        *object = static_cast<com::IContextMenu*>(this);
    } else if (iid == com::IID_IURLSearchHook) {
        *object = static_cast<com::IURLSearchHook*>(&search_);
    } else {
        *object = nullptr;
        return com::E_NOINTERFACE;
    }
    AddRef();
    return com::S_OK;
}

com::ULONG QuorrelinSearchHook::AddRef() {
    return ++references_;
}

com::ULONG QuorrelinSearchHook::Release() {
    const com::ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

com::HRESULT QuorrelinSearchHook::QueryContextMenu(void*, std::uint32_t, std::uint32_t,
                                                   std::uint32_t, std::uint32_t) {
    return 1;
}

com::HRESULT QuorrelinSearchHook::GetCommandString(std::uintptr_t, std::uint32_t,
                                                   std::uint32_t*, char*, std::uint32_t) {
    return 1;
}

com::HRESULT QuorrelinSearchHook::InvokeCommand(void*) {
    const QString program = ProgramBesideModule();
    if (program.isEmpty())
        return com::S_OK;
    if (!StartProgram(program))
        std::fputs("QuorrelinSearch: QuorrelinSearch couldn't start Quorrelin.\n", stderr);
    return com::S_OK;
}

com::HRESULT QuorrelinSearchHook::Translate(char16_t* url, std::uint32_t bufferChars) {
    if (!url || bufferChars == 0)
        return com::E_FAIL;
    try {
        std::uint32_t length = 0;
        while (length < bufferChars && length < kMaxTextChars && url[length] != 0)
            ++length;
        if (length == bufferChars || url[length] != 0)
            return com::E_FAIL; // not terminated inside the buffer
        const QString text = QString::fromUtf16(url, length);
        platform::Registry registry(platform::Registry::defaultPath());
        const std::optional<QString> result = TranslateHookText(ReadHookEntries(registry), text);
        if (!result || static_cast<std::uint64_t>(result->size()) + 1 > bufferChars)
            return com::E_FAIL;
        std::copy(result->utf16(), result->utf16() + result->size(), url);
        url[result->size()] = 0;
        return com::S_OK;
    } catch (...) {
        return com::E_FAIL;
    }
}

} // namespace searchhook
