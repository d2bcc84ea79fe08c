// quorrelin: the command users start. It hands the address over to a running
// instance when there is one, which needs only the settings store and the
// instance sockets, so this process stays small and ends quickly; otherwise
// it executes the program itself (same process, same arguments), passing on
// that it searched and the start lock it holds.
#include "app/StartHandOver.h"
#include "system/ProgramFolders.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

QString ownFolder() {
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    StartHandOver handOver(arguments);
    if (!handOver.needsNoSearch() && handOver.run())
        return 0;
    handOver.passOnForExec();
    const QByteArray program =
        QFile::encodeName(ProgramFolders::programForLauncher(ownFolder()));
    // argv[0] stays what the user ran: the windows keep the command's name
    // as their class, as the desktop entry expects.
    ::execv(program.constData(), argv);
    std::fprintf(stderr, "quorrelin: cannot run %s: %s\n", program.constData(),
                 std::strerror(errno));
    return 127;
}
