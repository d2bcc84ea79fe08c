#include "platform/instance/InstanceFolder.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

const QLatin1String kSocketSuffix(".sock");

void setError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

QString systemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

// mkdir for every missing component of path, each with mode 0700.
bool makePath(const QByteArray& path, QString* error) {
    for (qsizetype i = 1; i <= path.size(); ++i) {
        if (i < path.size() && path.at(i) != '/')
            continue;
        const QByteArray part = path.left(i);
        if (::mkdir(part.constData(), 0700) != 0 && errno != EEXIST) {
            setError(error, QStringLiteral("cannot create the folder %1: %2")
                                .arg(QFile::decodeName(part), systemError(errno)));
            return false;
        }
    }
    return true;
}

bool checkPrivate(const QByteArray& path, QString* error) {
    struct stat info {};
    const QString name = QFile::decodeName(path);
    if (::lstat(path.constData(), &info) != 0) {
        setError(error,
                 QStringLiteral("cannot examine the folder %1: %2").arg(name, systemError(errno)));
        return false;
    }
    if (!S_ISDIR(info.st_mode)) {
        setError(error, QStringLiteral("%1 is not a folder").arg(name));
        return false;
    }
    if (info.st_uid != ::getuid()) {
        setError(error, QStringLiteral("the folder %1 belongs to another user").arg(name));
        return false;
    }
    if ((info.st_mode & 0077) != 0) {
        setError(error, QStringLiteral("the folder %1 is open to other users (mode %2)")
                            .arg(name)
                            .arg(info.st_mode & 0777, 3, 8, QLatin1Char('0')));
        return false;
    }
    return true;
}

} // namespace

QString InstanceFolder::location() {
    const QString own = qEnvironmentVariable("QUORRELIN_RUNTIME_DIR");
    if (!own.isEmpty())
        return own;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.startsWith(QLatin1Char('/')))
        return runtime + QStringLiteral("/quorrelin");
    return QStringLiteral("/tmp/quorrelin-%1").arg(::getuid());
}

bool InstanceFolder::ensure(const QString& path, QString* error) {
    if (path.isEmpty()) {
        setError(error, QStringLiteral("no folder for instance sockets"));
        return false;
    }
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0) {
        if (errno != ENOENT) {
            setError(
                error,
                QStringLiteral("cannot examine the folder %1: %2").arg(path, systemError(errno)));
            return false;
        }
        if (!makePath(native, error))
            return false;
        // The mode given to mkdir is narrowed by the umask; set it exactly,
        // but only on a folder that is ours and not a link planted meanwhile.
        if (::lstat(native.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
            info.st_uid == ::getuid())
            ::chmod(native.constData(), 0700);
    }
    return checkPrivate(native, error);
}

QString InstanceFolder::socketPath(const QString& folder, InstanceId id) {
    return folder + QLatin1Char('/') + QString::number(id) + kSocketSuffix;
}

std::optional<InstanceId> InstanceFolder::idFromSocketName(const QString& fileName) {
    if (!fileName.endsWith(kSocketSuffix))
        return std::nullopt;
    const QStringView digits = QStringView(fileName).chopped(kSocketSuffix.size());
    if (digits.isEmpty() || digits.size() > 10 || digits.front() == QLatin1Char('0'))
        return std::nullopt;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok);
    if (!ok || value <= 0 || value > std::numeric_limits<InstanceId>::max())
        return std::nullopt;
    return static_cast<InstanceId>(value);
}

} // namespace platform
