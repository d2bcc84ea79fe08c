#pragma once

#include "browser/engine/EnginePluginAbi.h"

#include <QString>

// The second engine's plug-in library, loaded once into the process from
// the path registered for the engine (the default value of
// HKEY_CLASSES_ROOT\CLSID\{1339B54C-3453-11D2-93B9-000000000000}\InprocServer32).
// It stays loaded for the rest of the run: the toolkit it starts cannot be
// unloaded.
class EnginePlugin {
public:
    // The plug-in, loaded and started; null when the engine is not
    // registered, the library does not load, has another interface version,
    // or cannot start its toolkit (no X display: the program must run on
    // the xcb platform). A failure for one registered path is remembered;
    // a different path is tried afresh.
    static EnginePlugin* Load();

    // A new page (see engineplugin::CreatePageFn); null when it fails.
    engineplugin::IPage* CreatePage(engineplugin::IPage* related) const;
    // "WebKitGTK x.y.z".
    QString Version() const;

private:
    EnginePlugin(engineplugin::CreatePageFn create, engineplugin::VersionFn version)
        : create_(create), version_(version) {}

    engineplugin::CreatePageFn create_;
    engineplugin::VersionFn version_;
};
