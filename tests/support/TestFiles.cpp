#include "support/TestFiles.h"

#include "support/TestEnv.h"

#include <QFile>

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

} // namespace testenv
