#include "system/ShellFolders.h"

#include "platform/registry/RegKey.h"
#include "system/RegistryRead.h"

#include <QDir>
#include <QStandardPaths>

#include <cstdlib>

namespace {

// The value of an environment variable, or nullopt when it is not set.
std::optional<QString> environmentValue(const QString& name) {
    const QByteArray key = name.toLocal8Bit();
    if (key.isEmpty() || key.contains('='))
        return std::nullopt;
    const char* value = std::getenv(key.constData());
    if (!value)
        return std::nullopt;
    return QString::fromLocal8Bit(value);
}

} // namespace

QString expandEnvironmentStrings(const QString& text, int maxLength) {
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype open = text.indexOf(u'%', i);
        const qsizetype close = open < 0 ? -1 : text.indexOf(u'%', open + 1);
        if (close < 0) {
            out += QStringView(text).mid(i);
            break;
        }
        out += QStringView(text).mid(i, open - i);
        // A name that is not set is kept with both its '%' signs.
        const auto value = environmentValue(text.mid(open + 1, close - open - 1));
        out += value ? QStringView(*value) : QStringView(text).mid(open, close - open + 1);
        i = close + 1;
        if (out.size() > maxLength)
            return QString();
    }
    return out.size() > maxLength ? QString() : out;
}

QString shellFolderPath(const QString& name, platform::Registry* registry) {
    const auto stored = readRegistryString(
        platform::RegRoot::CurrentUser, QString::fromUtf16(kShellFoldersKeyPath), name, registry);
    if (!stored)
        return QString();
    return expandEnvironmentStrings(*stored);
}

bool seedShellFolders(platform::Registry* registry) {
    const platform::RegKey key =
        platform::RegKey::create(platform::RegRoot::CurrentUser,
                                 QString::fromUtf16(kShellFoldersKeyPath), nullptr, registry);
    if (!key)
        return false;
    const QString valueName = QString::fromUtf16(kFavoritesFolderValue);
    const auto stored = key.readString(valueName);
    if (stored && !stored->isEmpty())
        return true;
    const QString favorites =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
        QStringLiteral("/quorrelin/Favorites");
    if (!QDir().mkpath(favorites + QStringLiteral("/Links")))
        return false;
    return key.setString(valueName, QDir::cleanPath(favorites)) == platform::ERROR_SUCCESS;
}
