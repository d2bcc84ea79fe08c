#include "system/TempFileName.h"

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <unistd.h>

namespace {

constexpr int kMaxExtensionLength = 16;

bool usableExtension(const QString& extension) {
    if (extension.size() > kMaxExtensionLength)
        return false;
    for (QChar c : extension) {
        if (c == u'/' || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    }
    return true;
}

} // namespace

QString makeTempFileName(const QString& extension) {
    if (!usableExtension(extension))
        return QString();
    QString suffix = extension.isEmpty() ? QStringLiteral(".tmp") : extension;
    if (!suffix.startsWith(u'.'))
        suffix.prepend(u'.');
    // An unusable temporary folder comes back as an empty path: never fall
    // back to the root folder.
    const QString folder = QDir::tempPath();
    if (folder.isEmpty())
        return QString();
    const QByteArray suffixBytes = QFile::encodeName(suffix);
    QByteArray pattern = QFile::encodeName(folder) + "/QRAXXXXXX" + suffixBytes;
    const int fd = ::mkstemps(pattern.data(), static_cast<int>(suffixBytes.size()));
    if (fd < 0)
        return QString();
    ::close(fd);
    ::unlink(pattern.constData());
    return QFile::decodeName(pattern);
}
