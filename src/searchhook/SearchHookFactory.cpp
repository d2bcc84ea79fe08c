#include "searchhook/SearchHookFactory.h"

#include "searchhook/QuorrelinSearchHook.h"

#include <new>

namespace searchhook {

com::HRESULT SearchHookFactory::QueryInterface(com::REFIID iid, void** object) {
    if (!object)
        return com::E_POINTER;
    if (iid == com::IID_IUnknown || iid == com::IID_IClassFactory) {
        *object = static_cast<com::IClassFactory*>(this);
        AddRef();
        return com::S_OK;
    }
    *object = nullptr;
    return com::E_NOINTERFACE;
}

com::ULONG SearchHookFactory::AddRef() {
    return ++references_;
}

com::ULONG SearchHookFactory::Release() {
    const com::ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

com::HRESULT SearchHookFactory::CreateInstance(com::IUnknown* outer, com::REFIID iid,
                                               void** object) {
    if (object)
        *object = nullptr;
    if (outer)
        return com::CLASS_E_NOAGGREGATION;
    auto* hook = new (std::nothrow) QuorrelinSearchHook();
    if (!hook)
        return com::E_OUTOFMEMORY;
    // A new object has no references: one taken and given back around the
    // query deletes it exactly when the query failed.
    hook->AddRef();
    const com::HRESULT result = hook->QueryInterface(iid, object);
    hook->Release();
    return result;
}

com::HRESULT SearchHookFactory::LockServer(int) {
    return com::S_OK;
}

} // namespace searchhook
