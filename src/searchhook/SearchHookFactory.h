#pragma once

#include "platform/com/ComAbi.h"

namespace searchhook {

// The class factory of the search hook: a small object with a reference
// count of its own (starting at 0) that makes QuorrelinSearchHook objects.
// It is not counted among the library's live objects.
class SearchHookFactory final : public com::IClassFactory {
public:
    SearchHookFactory() = default;
    SearchHookFactory(const SearchHookFactory&) = delete;
    SearchHookFactory& operator=(const SearchHookFactory&) = delete;

    com::HRESULT QueryInterface(com::REFIID iid, void** object) override;
    com::ULONG AddRef() override;
    com::ULONG Release() override;
    // Refuses aggregation (CLASS_E_NOAGGREGATION); otherwise the result of
    // querying a new object for iid (the object goes again when that fails).
    com::HRESULT CreateInstance(com::IUnknown* outer, com::REFIID iid, void** object) override;
    com::HRESULT LockServer(int lock) override;

private:
    ~SearchHookFactory() = default;

    com::ULONG references_ = 0;
};

} // namespace searchhook
