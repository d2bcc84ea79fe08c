#include "system/SearchHookState.h"

#include "platform/registry/RegKey.h"
#include "system/RegistryRead.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

int SearchHookState(const QString& programFolder, platform::Registry* registry) {
    const QString folder =
        programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder;
    if (!QFileInfo(QDir(folder).filePath(QString::fromUtf8(kSearchHookLibraryName))).isFile())
        return -1;
    const QString clsid = QString::fromUtf16(kSearchHookClsid);
    const bool server =
        readRegistryString(platform::RegRoot::ClassesRoot,
                           QStringLiteral("CLSID\\") + clsid + QStringLiteral("\\InprocServer32"),
                           QString(), registry)
            .has_value();
    if (!server)
        return 0;
    const platform::RegKey hooks =
        platform::RegKey::open(platform::RegRoot::CurrentUser,
                               QString::fromUtf16(kUrlSearchHooksKeyPath), nullptr, registry);
    platform::RegValue value;
    return hooks && hooks.queryValue(clsid, &value) == platform::ERROR_SUCCESS ? 1 : 0;
}
