#include "platform/regfile/RegFileNames.h"

#include "platform/registry/Registry.h"

#include <QStringList>

namespace platform {

namespace {

struct RootAlias {
    const char* name;
    RegRoot root;
};

constexpr RootAlias kRootAliases[] = {
    {"HKEY_CURRENT_USER", RegRoot::CurrentUser},
    {"HKCU", RegRoot::CurrentUser},
    {"HKEY_CLASSES_ROOT", RegRoot::ClassesRoot},
    {"HKCR", RegRoot::ClassesRoot},
    {"HKEY_LOCAL_MACHINE", RegRoot::LocalMachine},
    {"HKLM", RegRoot::LocalMachine},
};

} // namespace

bool parseRootedKeyPath(const QString& text, RegRoot* root, QString* path) {
    const qsizetype slash = text.indexOf(QLatin1Char('\\'));
    const QString rootText = slash < 0 ? text : text.left(slash);
    for (const RootAlias& alias : kRootAliases) {
        if (rootText.compare(QLatin1String(alias.name), Qt::CaseInsensitive) == 0) {
            *root = alias.root;
            *path = slash < 0 ? QString() : splitKeyPath(text.mid(slash + 1)).join(QLatin1Char('\\'));
            return true;
        }
    }
    return false;
}

QString rootedKeyPath(RegRoot root, const QString& path) {
    QStringList parts = splitKeyPath(path);
    parts.prepend(QLatin1String(rootName(root)));
    return parts.join(QLatin1Char('\\'));
}

QString regErrorMessage(RegError error) {
    switch (error) {
    case ERROR_SUCCESS:
        return QStringLiteral("The operation completed successfully.");
    case ERROR_FILE_NOT_FOUND:
        return QStringLiteral("The system was unable to find the specified registry key or value.");
    case ERROR_ACCESS_DENIED:
        return QStringLiteral("Access is denied.");
    case ERROR_INVALID_PARAMETER:
        return QStringLiteral("A name is too long, holds an unpaired UTF-16 surrogate or lies "
                              "deeper than 512 levels, or a value is too large for the registry.");
    case ERROR_KEY_DELETED:
        return QStringLiteral("The key was deleted while it was in use.");
    case ERROR_REGISTRY_CORRUPT:
        return QStringLiteral("The registry database cannot be read or written.");
    case ERROR_BUSY:
        return QStringLiteral("The registry is locked by another program; try again when it has "
                              "finished.");
    case ERROR_DISK_FULL:
        return QStringLiteral("The disk is full.");
    case ERROR_IO_DEVICE:
        return QStringLiteral("The device reported an input/output error.");
    default:
        return QStringLiteral("The registry reported error %1.").arg(error);
    }
}

} // namespace platform
