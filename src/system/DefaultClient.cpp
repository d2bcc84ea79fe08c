#include "system/DefaultClient.h"

#include "platform/registry/RegTypes.h"
#include "system/ProgramLauncher.h"
#include "system/RegistryRead.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

constexpr qsizetype kMaxCommandLine = 260;
constexpr int kQueryTimeoutMs = 5000;

QString keyPath(ClientKind kind) {
    return QString::fromUtf16(kind == ClientKind::Mail ? kMailClientsKeyPath
                                                       : kNewsClientsKeyPath);
}

QString scheme(ClientKind kind) {
    return kind == ClientKind::Mail ? QStringLiteral("mailto") : QStringLiteral("news");
}

std::optional<ClientProgram> fromDesktop(ClientKind kind, IProgramLauncher& launcher) {
    const std::optional<QString> answer =
        launcher.output(QStringLiteral("xdg-mime"),
                        {QStringLiteral("query"), QStringLiteral("default"),
                         QStringLiteral("x-scheme-handler/") + scheme(kind)},
                        kQueryTimeoutMs);
    if (!answer)
        return std::nullopt;
    QString name = answer->section(u'\n', 0, 0).trimmed();
    if (name.isEmpty())
        return std::nullopt;
    if (name.endsWith(QStringLiteral(".desktop")))
        name.chop(8);
    return ClientProgram{name, QStringLiteral("xdg-open"), {scheme(kind) + u':'}};
}

} // namespace

QString expandEnvironmentStrings(const QString& text) {
    static const QRegularExpression variable(QStringLiteral("%([^%]+)%"));
    QString result;
    qsizetype last = 0;
    for (auto it = variable.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QByteArray value = qgetenv(match.captured(1).toLocal8Bit().constData());
        result += text.mid(last, match.capturedStart() - last);
        result += value.isNull() ? match.captured(0) : QString::fromLocal8Bit(value);
        last = match.capturedEnd();
    }
    result += text.mid(last);
    return result.left(kMaxCommandLine);
}

std::optional<ClientProgram> findDefaultClient(ClientKind kind, IProgramLauncher& launcher,
                                               platform::Registry* registry) {
    const std::optional<QString> name =
        readRegistryString(platform::RegRoot::LocalMachine, keyPath(kind), QString(), registry);
    if (!name || name->isEmpty())
        return fromDesktop(kind, launcher);
    const std::optional<QString> command = readRegistryString(
        platform::RegRoot::LocalMachine,
        keyPath(kind) + u'\\' + *name + QStringLiteral("\\shell\\open\\command"), QString(),
        registry);
    if (!command)
        return std::nullopt;
    QStringList parts = QProcess::splitCommand(expandEnvironmentStrings(*command));
    if (parts.isEmpty())
        return std::nullopt;
    const QString program = parts.takeFirst();
    return ClientProgram{*name, program, parts};
}
