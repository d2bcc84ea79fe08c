#pragma once

#include <QString>

// Loads the component library at path (dlopen), calls its exported
// DllRegisterServer (reg true) or DllUnregisterServer (reg false) and
// unloads it again. True exactly when the library loaded, has the export
// and the call returned 0 (S_OK).
bool RegisterComLibrary(const QString& path, bool reg);

// The same for a library that may be either of two files: dir/first, else
// dir/second when the first does not load (see the engine plug-in). False
// when neither loads, the export is missing or the call fails.
bool RegisterComLibraryFrom(const QString& dir, const QString& first, const QString& second);
