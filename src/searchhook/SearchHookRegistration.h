#pragma once

#include "platform/com/ComAbi.h"

#include <QString>

namespace platform {
class Registry;
}

namespace searchhook {

// Registers the hook: HKEY_CLASSES_ROOT\CLSID\<class id> named
// "QuorrelinSearch", its InprocServer32 default value libraryPath with
// ThreadingModel "Apartment", and the hook as the first value of the
// current user's URLSearchHooks key (data "Quorrelin"), followed by the
// names of the other hooks found there with empty data. E_FAIL when the
// class keys cannot be written; S_OK otherwise.
com::HRESULT RegisterSearchHook(platform::Registry& registry, const QString& libraryPath);

// Removes the hook's URLSearchHooks value and its class key; S_OK always.
com::HRESULT UnregisterSearchHook(platform::Registry& registry);

} // namespace searchhook
