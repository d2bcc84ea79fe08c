// The exported functions of the second engine's plug-in library.

#include "WebKitDownloads.h"
#include "WebKitPage.h"
#include "browser/engine/EnginePluginAbi.h"
#include "platform/com/ComAbi.h"
#include "platform/registry/RegKey.h"
#include "platform/registry/Registry.h"

#include <QFileInfo>

#include <gdk/gdkx.h>

#include <dlfcn.h>

#include <cstdio>

#define QUORRELIN_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// Where the program looks for the engine, below HKEY_CLASSES_ROOT.
constexpr char16_t kClassKey[] = u"CLSID\\{1339B54C-3453-11D2-93B9-000000000000}";

QString modulePath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&modulePath), &info) == 0 || !info.dli_fname)
        return QString();
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

int g_initState = 0; // 0 not tried, 1 running, -1 failed

} // namespace

QUORRELIN_EXPORT int QuorrelinEngineAbiVersion() {
    return engineplugin::kAbiVersion;
}

QUORRELIN_EXPORT bool QuorrelinEngineInit() {
    if (g_initState == 0) {
        // The pages are embedded as X windows, also under a Wayland session.
        gdk_set_allowed_backends("x11");
        g_initState = gtk_init_check(nullptr, nullptr) ? 1 : -1;
        // A page's window lives inside a window of the program, which may
        // destroy it first (closing a browser window): requests for a window
        // that is gone are expected, never a reason to end the program as
        // the toolkit would. One trap, never lifted, covers the whole run.
        if (g_initState == 1) {
            gdk_x11_display_error_trap_push(gdk_display_get_default());
            WatchDownloads(webkit_web_context_get_default());
        }
    }
    return g_initState == 1;
}

QUORRELIN_EXPORT engineplugin::IPage* QuorrelinEngineCreatePage(engineplugin::IPage* related) {
    if (g_initState != 1)
        return nullptr;
    return WebKitPage::Create(static_cast<WebKitPage*>(related));
}

QUORRELIN_EXPORT const char* QuorrelinEngineVersion() {
    static char version[64];
    std::snprintf(version, sizeof version, "WebKitGTK %u.%u.%u", webkit_get_major_version(),
                  webkit_get_minor_version(), webkit_get_micro_version());
    return version;
}

QUORRELIN_EXPORT com::HRESULT DllRegisterServer() {
    const QString path = modulePath();
    if (path.isEmpty())
        return com::E_FAIL;
    platform::Registry registry(platform::Registry::defaultPath());
    const platform::RegKey classKey = platform::RegKey::create(
        platform::RegRoot::ClassesRoot, QString::fromUtf16(kClassKey), nullptr, &registry);
    const platform::RegKey server = classKey.createSubkey(QStringLiteral("InprocServer32"));
    if (!server || server.setString(QString(), path) != platform::ERROR_SUCCESS)
        return com::E_FAIL;
    classKey.setString(QString(), QString::fromLatin1(QuorrelinEngineVersion()));
    return com::S_OK;
}

QUORRELIN_EXPORT com::HRESULT DllUnregisterServer() {
    platform::Registry registry(platform::Registry::defaultPath());
    platform::RegKey::root(platform::RegRoot::ClassesRoot, &registry)
        .deleteSubtree(QString::fromUtf16(kClassKey));
    return com::S_OK;
}
