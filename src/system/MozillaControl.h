#pragma once

namespace platform {
class Registry;
}

// The class id of the Mozilla engine control, as registered in the registry.
inline constexpr char16_t kMozillaControlClsid[] = u"{1339B54C-3453-11D2-93B9-000000000000}";

// Whether the Mozilla engine can be used: the default value of
// HKEY_CLASSES_ROOT\CLSID\<kMozillaControlClsid>\InprocServer32 names the
// engine's plug-in library, and that file exists. False when the key or the
// value is missing (the usual case). registry null means the process's own.
bool IsMozillaControlAvailable(platform::Registry* registry = nullptr);
