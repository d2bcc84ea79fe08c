#include "system/InternetShortcut.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

// One line decoded from UTF-8; nullopt for lines that are too long, hold a
// NUL byte or are not valid UTF-8.
std::optional<QString> decodeLine(QByteArrayView bytes) {
    if (bytes.size() > kMaxInternetShortcutLine || bytes.contains('\0'))
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

bool hasControlCharacters(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    }
    return false;
}

// The section name of a "[name]" line, or nullopt for other lines.
std::optional<QString> sectionName(const QString& line) {
    if (!line.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = line.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return line.mid(1, close - 1).trimmed();
}

} // namespace

std::optional<QString> parseInternetShortcut(const QByteArray& content) {
    if (content.size() > kMaxInternetShortcutSize)
        return std::nullopt;
    // Shortcuts saved as UTF-16 (little-endian, with its byte order mark)
    // are read through their UTF-8 form.
    if (content.startsWith("\xFF\xFE")) {
        QStringDecoder utf16(QStringDecoder::Utf16LE);
        const QString text = utf16(QByteArrayView(content).sliced(2));
        return parseInternetShortcut(text.toUtf8().left(kMaxInternetShortcutSize));
    }
    QByteArrayView rest(content);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    bool inSection = false;
    while (!rest.isEmpty()) {
        const qsizetype end = rest.indexOf('\n');
        QByteArrayView raw = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        if (raw.endsWith('\r'))
            raw.chop(1);
        const auto decoded = decodeLine(raw);
        if (!decoded)
            continue;
        const QString line = decoded->trimmed();
        if (const auto section = sectionName(line)) {
            inSection = section->compare(u"InternetShortcut", Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inSection || equals < 0)
            continue;
        if (line.left(equals).trimmed().compare(u"URL", Qt::CaseInsensitive) != 0)
            continue;
        const QString url = line.mid(equals + 1).trimmed();
        if (url.isEmpty() || hasControlCharacters(url))
            return std::nullopt;
        return url;
    }
    return std::nullopt;
}

std::optional<QString> readInternetShortcut(const QString& path, QString* error) {
    auto fail = [error](const QString& reason) -> std::optional<QString> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    const QFileInfo info(path);
    // Only regular files: opening a pipe or a device could block or never end.
    if (!info.exists())
        return fail(QStringLiteral("the file does not exist"));
    if (!info.isFile())
        return fail(QStringLiteral("not a regular file"));
    if (info.size() > kMaxInternetShortcutSize)
        return fail(
            QStringLiteral("the file is larger than %1 bytes").arg(kMaxInternetShortcutSize));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    // Read one byte past the bound so a file that grew meanwhile is refused too.
    const QByteArray content = file.read(kMaxInternetShortcutSize + 1);
    if (content.size() > kMaxInternetShortcutSize)
        return fail(
            QStringLiteral("the file is larger than %1 bytes").arg(kMaxInternetShortcutSize));
    auto url = parseInternetShortcut(content);
    if (!url)
        return fail(QStringLiteral("the file holds no URL"));
    return url;
}

QByteArray internetShortcutText(const QString& url) {
    if (url.isEmpty() || hasControlCharacters(url))
        return QByteArray();
    return "[InternetShortcut]\r\nURL=" + url.toUtf8() + "\r\n";
}

bool writeInternetShortcut(const QString& path, const QString& url, QString* error) {
    const QByteArray text = internetShortcutText(url);
    auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (text.isEmpty())
        return fail(QStringLiteral("the address cannot be stored in a shortcut"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(text) != text.size() || !file.commit())
        return fail(file.errorString());
    return true;
}
