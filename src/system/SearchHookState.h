#pragma once

#include <QString>

namespace platform {
class Registry;
}

// Whether quick commands are offered to other programs through the search
// hook library (QuorrelinSearch), as the quick-commands options page shows it.

// The class id under which the search hook registers itself.
inline constexpr char16_t kSearchHookClsid[] = u"{5AE7F8B7-BA34-4349-AAEA-7854DEC410F9}";
// The list of registered hooks (HKEY_CURRENT_USER): one value per hook, named
// by its class id.
inline constexpr char16_t kUrlSearchHooksKeyPath[] =
    u"Software\\Microsoft\\Internet Explorer\\URLSearchHooks";
// The library's file name beside the program.
inline constexpr char kSearchHookLibraryName[] = "QuorrelinSearch.so";

// -1 when the library is not in programFolder (the hook cannot be used);
// otherwise 1 when the hook is registered (HKEY_CLASSES_ROOT
// "CLSID\<kSearchHookClsid>\InprocServer32" has a default value and
// kUrlSearchHooksKeyPath has a value named kSearchHookClsid), else 0.
// programFolder empty means the running program's folder; registry null
// means the process's own.
int SearchHookState(const QString& programFolder = QString(),
                    platform::Registry* registry = nullptr);
