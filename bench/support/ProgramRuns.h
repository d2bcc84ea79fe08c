#pragma once
// Runs of the program in processes of their own, for the benchmarks only.
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QString>

#include <algorithm>
#include <vector>

#include <unistd.h>

namespace bench {

// The environment of one run with private folders: home, configuration,
// data, cache and runtime folders under folder, and the registry at registry.
inline QProcessEnvironment programEnvironment(const QString& folder, const QString& registry) {
    QDir(folder).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(folder + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QUORRELIN_REGISTRY"), registry);
    env.insert(QStringLiteral("QUORRELIN_RUNTIME_DIR"), folder + QStringLiteral("/runtime/q"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder + QStringLiteral("/runtime"));
    env.insert(QStringLiteral("HOME"), folder);
    env.insert(QStringLiteral("XDG_DATA_HOME"), folder + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), folder + QStringLiteral("/cache"));
    // The engine's sandbox cannot start for root.
    if (geteuid() == 0)
        env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    return env;
}

// The median of the figures of several runs (0 without any).
inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace bench
