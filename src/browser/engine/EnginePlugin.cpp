#include "browser/engine/EnginePlugin.h"

#include "platform/registry/RegTypes.h"
#include "system/MozillaControl.h"
#include "system/RegistryRead.h"

#include <QFile>
#include <QGuiApplication>

#include <dlfcn.h>

#include <memory>

namespace {

QString registeredPath() {
    return readRegistryString(platform::RegRoot::ClassesRoot,
                              QStringLiteral("CLSID\\") + QString::fromUtf16(kMozillaControlClsid) +
                                  QStringLiteral("\\InprocServer32"))
        .value_or(QString());
}

template <typename Fn> Fn symbol(void* library, const char* name) {
    return reinterpret_cast<Fn>(dlsym(library, name));
}

std::unique_ptr<EnginePlugin> g_plugin;
QString g_failedPath;

} // namespace

EnginePlugin* EnginePlugin::Load() {
    if (g_plugin)
        return g_plugin.get();
    const QString path = registeredPath();
    if (path.isEmpty() || path == g_failedPath)
        return nullptr;
    g_failedPath = path;
    // Pages are X windows embedded into the program's windows.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    void* library = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return nullptr;
    const auto abi = symbol<engineplugin::AbiVersionFn>(library, engineplugin::kAbiVersionName);
    const auto init = symbol<engineplugin::InitFn>(library, engineplugin::kInitName);
    const auto create = symbol<engineplugin::CreatePageFn>(library, engineplugin::kCreatePageName);
    const auto version = symbol<engineplugin::VersionFn>(library, engineplugin::kVersionName);
    // A library that failed is left loaded: a toolkit it may have started
    // cannot be unloaded safely.
    if (!abi || !init || !create || !version || abi() != engineplugin::kAbiVersion || !init())
        return nullptr;
    g_failedPath.clear();
    g_plugin.reset(new EnginePlugin(create, version));
    return g_plugin.get();
}

engineplugin::IPage* EnginePlugin::CreatePage(engineplugin::IPage* related) const {
    return create_(related);
}

QString EnginePlugin::Version() const {
    return QString::fromUtf8(version_());
}
