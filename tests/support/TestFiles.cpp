#include "support/TestFiles.h"

#include "support/TestEnv.h"

#include "platform/registry/Registry.h"

#include <QFile>

#include <cstdlib>
#include <unistd.h>

#include <gtest/gtest.h>

namespace testenv {

QString writeTestFile(const QString& name, const QByteArray& bytes) {
    const QString path = freshDir(QStringLiteral("file")) + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write the test file " << path.toStdString();
    return path;
}

QByteArray readTestFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray mutateBytes(QByteArray data, std::mt19937& rng, std::span<const QByteArray> tokens) {
    const int edits = rng() % 4 == 0 ? int(rng() % 8) + 2 : 1;
    for (int e = 0; e < edits; ++e) {
        const int at = data.isEmpty() ? 0 : int(rng() % data.size());
        switch (rng() % 5) {
        case 0:
            if (!data.isEmpty())
                data[at] = static_cast<char>(rng() & 0xFF);
            break;
        case 1:
            if (!tokens.empty())
                data.insert(at, tokens[rng() % tokens.size()]);
            break;
        case 2:
            data.remove(at, int(rng() % 16) + 1);
            break;
        case 3:
            data.insert(at, data.mid(at, int(rng() % 40) + 1));
            break;
        default:
            data.truncate(at);
            break;
        }
    }
    return data;
}

bool overwriteTestFile(const QString& path, qint64 offset, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.seek(offset) &&
           file.write(bytes) == bytes.size();
}

QString closeDefaultRegistry() {
    const QString path = platform::Registry::instance().path();
    useFreshRegistry();
    ::setenv("QUORRELIN_REGISTRY", QFile::encodeName(path).constData(), 1);
    return path;
}

pid_t forkAndHold(const std::function<bool()>& setup, int holdMs) {
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ready[0]);
        const bool ok = setup();
        (void)!::write(ready[1], ok ? "y" : "n", 1);
        if (holdMs < 0)
            for (;;)
                ::pause();
        ::usleep(static_cast<useconds_t>(holdMs) * 1000);
        ::_exit(0);
    }
    ::close(ready[1]);
    char answer = 0;
    const bool ok = pid > 0 && ::read(ready[0], &answer, 1) == 1 && answer == 'y';
    ::close(ready[0]);
    return ok ? pid : -1;
}

} // namespace testenv
