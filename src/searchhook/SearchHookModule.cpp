#include "searchhook/SearchHookModule.h"

#include <QDir>
#include <QFileInfo>

#include <dlfcn.h>
#include <spawn.h>

extern char** environ;

namespace searchhook {

QString ModulePath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&ModulePath), &info) == 0 || !info.dli_fname)
        return QString();
    const QString path = QString::fromLocal8Bit(info.dli_fname);
    return path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
}

QString ProgramBesideModule() {
    const QString module = ModulePath();
    if (module.isEmpty())
        return QString();
    // Built beside the program; installed into <prefix>/lib/quorrelin with
    // the program in <prefix>/bin.
    const QString folder = QFileInfo(module).absolutePath();
    const QString beside = folder + QStringLiteral("/quorrelin");
    const QString installed = QDir::cleanPath(folder + QStringLiteral("/../../bin/quorrelin"));
    if (!QFileInfo(beside).isExecutable() && QFileInfo(installed).isExecutable())
        return installed;
    return beside;
}

bool StartProgram(const QString& program) {
    const QByteArray path = QFile::encodeName(program);
    char* argv[] = {const_cast<char*>(path.constData()), nullptr};
    // posix_spawn reports a program that cannot be executed as an error.
    posix_spawnattr_t attributes;
    if (posix_spawnattr_init(&attributes) != 0)
        return false;
    pid_t child = 0;
    const int error = posix_spawn(&child, path.constData(), nullptr, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    return error == 0;
}

} // namespace searchhook
