// The four exported functions of the search-hook library.

#include "platform/com/ComAbi.h"
#include "platform/registry/Registry.h"
#include "searchhook/QuorrelinSearchHook.h"
#include "searchhook/SearchHookFactory.h"
#include "searchhook/SearchHookIds.h"
#include "searchhook/SearchHookModule.h"
#include "searchhook/SearchHookRegistration.h"

#include <new>

#define QUORRELIN_EXPORT extern "C" __attribute__((visibility("default")))

using namespace searchhook;

QUORRELIN_EXPORT com::HRESULT DllGetClassObject(const com::GUID* clsid, const com::GUID* iid,
                                                void** object) {
    if (!clsid || !iid || !object)
        return com::E_POINTER;
    *object = nullptr;
    if (!(*clsid == kClsid))
        return com::CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new (std::nothrow) SearchHookFactory();
    if (!factory)
        return com::E_OUTOFMEMORY;
    factory->AddRef();
    const com::HRESULT result = factory->QueryInterface(*iid, object);
    factory->Release(); // destroys the factory when the query failed
    return result;
}

QUORRELIN_EXPORT com::HRESULT DllCanUnloadNow() {
    return LiveObjectCount() == 0 ? com::S_OK : com::S_FALSE;
}

QUORRELIN_EXPORT com::HRESULT DllRegisterServer() {
    const QString path = ModulePath();
    if (path.isEmpty())
        return com::E_FAIL;
    platform::Registry registry(platform::Registry::defaultPath());
    return RegisterSearchHook(registry, path);
}

QUORRELIN_EXPORT com::HRESULT DllUnregisterServer() {
    platform::Registry registry(platform::Registry::defaultPath());
    return UnregisterSearchHook(registry);
}
