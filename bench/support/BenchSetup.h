#pragma once
// The private surroundings of a benchmark that runs the program inside its
// own process: home, configuration, registry and runtime folders under one
// temporary folder, settings without start-up questions and windows, and a
// local page. For the benchmarks only.
#include "app/SettingsPaths.h"
#include "platform/registry/RegKey.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <unistd.h>

namespace bench {

// Points the process's home, configuration, registry and runtime folders into home.
inline void prepareHome(const QTemporaryDir& home) {
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (home.path() + "/cache").toLocal8Bit());
    qputenv("QUORRELIN_REGISTRY", (home.path() + "/registry.db").toLocal8Bit());
    QDir(home.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(home.path() + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("QUORRELIN_RUNTIME_DIR", (home.path() + "/runtime").toLocal8Bit());
    qputenv("QUORRELIN_SCRIPTED_DIALOGS", "1");
    // WebKitGTK's sandbox cannot start for root.
    if (geteuid() == 0)
        qputenv("WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS", "1");
}

// Writes the page into folder; its address, empty when it cannot be written.
inline QString writePage(const QString& folder) {
    const QString path = folder + "/page.html";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    QByteArray body = "<html><head><title>Bench page</title></head><body><h1>Bench</h1>";
    for (int i = 0; i < 200; ++i)
        body += "<p>Paragraph " + QByteArray::number(i) + " with <a href='#x'>a link</a>.</p>";
    file.write(body + "</body></html>");
    return QUrl::fromLocalFile(path).toString();
}

// No splash, no start-up questions, no start windows.
inline void prepareSettings() {
    const auto key = platform::RegKey::create(platform::RegRoot::CurrentUser,
                                              QString::fromUtf16(kSettingsKeyPath));
    for (const char* name : {"DisplaySplash", "CheckDefaultBrowser", "ConfirmExitApp"})
        key.setDword(QString::fromLatin1(name), 0);
    key.setDword(QStringLiteral("StartMode"), 4);
}

// Runs the event loop for ms milliseconds.
inline void settle(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace bench
