#include "system/SearchHookState.h"

#include "platform/registry/RegKey.h"
#include "system/ComLibrary.h"
#include "system/ProgramFolders.h"
#include "system/RegistryRead.h"

#include <QFileInfo>

namespace {

constexpr char16_t kHookClsid[] = u"{5AE7F8B7-BA34-4349-AAEA-7854DEC410F9}";
constexpr char16_t kHooksKey[] = u"Software\\Microsoft\\Internet Explorer\\URLSearchHooks";

} // namespace

QString SearchHookLibraryPath(const QString& programFolder) {
    const QString folder =
        programFolder.isEmpty() ? ProgramFolders().pluginFolder() : programFolder;
    return folder + QLatin1Char('/') + QString::fromUtf16(kSearchHookLibraryName);
}

int SearchHookState(const QString& programFolder, platform::Registry* registry) {
    if (!QFileInfo(SearchHookLibraryPath(programFolder)).isFile())
        return -1;
    const QString clsid = QString::fromUtf16(kHookClsid);
    const bool server =
        readRegistryString(platform::RegRoot::ClassesRoot,
                           QStringLiteral("CLSID\\") + clsid + QStringLiteral("\\InprocServer32"),
                           QString(), registry)
            .has_value();
    if (!server)
        return 0;
    platform::RegValue value;
    const platform::RegKey hooks = platform::RegKey::open(
        platform::RegRoot::CurrentUser, QString::fromUtf16(kHooksKey), nullptr, registry);
    return hooks && hooks.queryValue(clsid, &value) == platform::ERROR_SUCCESS ? 1 : 0;
}

bool ApplySearchHookState(int state, const QString& programFolder) {
    if (state != 0 && state != 1)
        return true;
    return RegisterComLibrary(SearchHookLibraryPath(programFolder), state == 1);
}
