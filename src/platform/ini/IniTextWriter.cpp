#include "platform/ini/IniTextWriter.h"

#include <QSaveFile>

namespace platform {

QByteArray encodeIniText(const QString& text) {
    QString crlf = text;
    crlf.replace(u'\n', QStringLiteral("\r\n"));
    return crlf.toUtf8();
}

QString iniLineText(const QString& text) {
    QString line = text;
    line.remove(QChar(0));
    line.replace(u'\r', u' ');
    line.replace(u'\n', u' ');
    return line;
}

bool writeIniFile(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace platform
