#pragma once

#include <QString>

namespace platform {
class Registry;
}

// File name of the search-hook library in the program's plug-in folder.
inline constexpr char16_t kSearchHookLibraryName[] = u"QuorrelinSearch.so";

// Whether quick commands work in browsers through the search hook, as the
// quick-commands option shows it:
//   -1  the library is not in programFolder (the option does not apply);
//    1  the hook is registered: HKEY_CLASSES_ROOT\CLSID\<hook>\InprocServer32
//       has a default value and the current user's URLSearchHooks key has a
//       value named by the hook's class id;
//    0  otherwise.
// programFolder empty means the program's plug-in folder. registry
// null means the process's own.
int SearchHookState(const QString& programFolder = QString(),
                    platform::Registry* registry = nullptr);

// The library's path in programFolder (empty: the program's plug-in folder).
QString SearchHookLibraryPath(const QString& programFolder = QString());

// Applies the option after the options dialog was confirmed: state 1
// registers the library in programFolder, 0 unregisters it, -1 does
// nothing. Returns whether the library's call succeeded (true for -1);
// callers ignore failures, which stay silent.
bool ApplySearchHookState(int state, const QString& programFolder = QString());
