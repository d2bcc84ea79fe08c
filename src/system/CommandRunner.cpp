#include "system/CommandRunner.h"

#include <QProcess>
#include <QStandardPaths>

int ProcessCommandRunner::run(const QString& program, const QStringList& arguments, int timeoutMs) {
    if (QStandardPaths::findExecutable(program).isEmpty() && !program.contains(u'/'))
        return -1;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs))
        return -1;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return -1;
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}
