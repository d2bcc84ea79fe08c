#pragma once

#include "platform/com/ComAbi.h"

namespace searchhook {

// The number of live QuorrelinSearchHook objects (DllCanUnloadNow answers
// from it). Plain integer: every object is used on the thread that made it.
int& LiveObjectCount();

// The search hook object. Its primary face is IContextMenu (which also
// answers IUnknown); the second face, IURLSearchHook, is a member object
// that forwards counting to the primary one. The reference count starts at
// 0: the first QueryInterface raises it to 1, and the last Release deletes
// the object. Making one counts it in LiveObjectCount() until it goes.
class QuorrelinSearchHook final : public com::IContextMenu {
public:
    QuorrelinSearchHook();
    QuorrelinSearchHook(const QuorrelinSearchHook&) = delete;
    QuorrelinSearchHook& operator=(const QuorrelinSearchHook&) = delete;

    com::HRESULT QueryInterface(com::REFIID iid, void** object) override;
    com::ULONG AddRef() override;
    com::ULONG Release() override;

    // Do nothing and return 1.
    com::HRESULT QueryContextMenu(void* menu, std::uint32_t indexMenu, std::uint32_t idCmdFirst,
                                  std::uint32_t idCmdLast, std::uint32_t flags) override;
    com::HRESULT GetCommandString(std::uintptr_t idCmd, std::uint32_t type,
                                  std::uint32_t* reserved, char* name,
                                  std::uint32_t maxChars) override;
    // Starts the program that lives beside this library; S_OK always.
    com::HRESULT InvokeCommand(void* info) override;

    // Translates the quick command in url (see TranslateHookText), reading
    // the list from the registry afresh. S_OK with the address in url, or
    // E_FAIL with url unchanged: nothing translated, the result (with its
    // NUL) does not fit into bufferChars, or anything went wrong.
    com::HRESULT Translate(char16_t* url, std::uint32_t bufferChars);

private:
    ~QuorrelinSearchHook();

    class SearchFace final : public com::IURLSearchHook {
    public:
        explicit SearchFace(QuorrelinSearchHook& owner) : owner_(owner) {}
        com::HRESULT QueryInterface(com::REFIID iid, void** object) override {
            return owner_.QueryInterface(iid, object);
        }
        com::ULONG AddRef() override { return owner_.AddRef(); }
        com::ULONG Release() override { return owner_.Release(); }
        com::HRESULT Translate(char16_t* url, std::uint32_t bufferChars) override {
            return owner_.Translate(url, bufferChars);
        }

    private:
        QuorrelinSearchHook& owner_;
    };

    com::ULONG references_ = 0;
    SearchFace search_{*this};
};

} // namespace searchhook
