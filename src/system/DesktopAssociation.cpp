#include "system/DesktopAssociation.h"

#include "system/CommandRunner.h"

#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

bool hasControlCharacters(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    }
    return false;
}

// One Exec argument: quoted when it holds a reserved character, with '"',
// '`', '$' and '\' escaped inside the quotes; '%' doubled because Exec gives
// it meaning. The whole line is then a string value, where '\' is escaped
// once more.
QString execArgument(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = false;
    for (QChar c : argument)
        quote = quote || reserved.contains(c);
    QString out;
    for (QChar c : argument) {
        if (c == u'%')
            out += QStringLiteral("%%");
        else if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            out += QStringLiteral("\\") + c;
        else
            out += c;
    }
    if (quote)
        out = u'"' + out + u'"';
    out.replace(u'\\', QStringLiteral("\\\\"));
    return out;
}

} // namespace

QString desktopEntryText(const QString& programPath) {
    if (!QDir::isAbsolutePath(programPath) || hasControlCharacters(programPath))
        return QString();
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Version=1.0\n"
                          "Name=Quorrelin\n"
                          "GenericName=Web Browser\n"
                          "Exec=%1 %u\n"
                          "Icon=web-browser\n"
                          "Terminal=false\n"
                          "Categories=Network;WebBrowser;\n"
                          "MimeType=text/html;x-scheme-handler/http;x-scheme-handler/https;\n")
        .arg(execArgument(programPath));
}

QString desktopApplicationsDir() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/applications");
}

bool installDesktopEntry(const QString& programPath, QString* error) {
    const QString text = desktopEntryText(programPath);
    auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (text.isEmpty())
        return fail(QStringLiteral("the program path cannot be used in a desktop entry"));
    const QString dir = desktopApplicationsDir();
    if (!QDir().mkpath(dir))
        return fail(QStringLiteral("cannot create %1").arg(dir));
    QSaveFile file(dir + u'/' + QString::fromLatin1(kDesktopEntryName));
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit())
        return fail(file.errorString());
    return true;
}

bool registerDesktopDefault(const QString& programPath, ICommandRunner& runner,
                            bool useInstalledEntry) {
    if (!useInstalledEntry && !installDesktopEntry(programPath))
        return false;
    const QString entry = QString::fromLatin1(kDesktopEntryName);
    // xdg-settings knows each desktop's own way of naming the default
    // browser; xdg-mime only sets the types, which every desktop reads.
    const QStringList settingsArguments = {QStringLiteral("set"),
                                           QStringLiteral("default-web-browser"), entry};
    if (runner.run(QStringLiteral("xdg-settings"), settingsArguments, kXdgMimeTimeoutMs) == 0)
        return true;
    const QStringList mimeArguments = {
        QStringLiteral("default"), entry, QStringLiteral("text/html"),
        QStringLiteral("x-scheme-handler/http"), QStringLiteral("x-scheme-handler/https")};
    return runner.run(QStringLiteral("xdg-mime"), mimeArguments, kXdgMimeTimeoutMs) == 0;
}
