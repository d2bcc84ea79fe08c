#include "system/ProgramLauncher.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

constexpr qint64 kMaxOutput = 64 * 1024;

bool findable(const QString& program) {
    return program.contains(u'/') || !QStandardPaths::findExecutable(program).isEmpty();
}

} // namespace

std::optional<QString> ProcessLauncher::output(const QString& program,
                                               const QStringList& arguments, int timeoutMs) {
    if (!findable(program))
        return std::nullopt;
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs))
        return std::nullopt;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.read(kMaxOutput));
}

bool ProcessLauncher::start(const QString& program, const QStringList& arguments) {
    return findable(program) && QProcess::startDetached(program, arguments);
}

IProgramLauncher& ProcessLauncher::instance() {
    static ProcessLauncher launcher;
    return launcher;
}
