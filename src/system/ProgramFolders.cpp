#include "system/ProgramFolders.h"

#include "system/DesktopAssociation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <utility>

ProgramFolders::ProgramFolders(QString programDir) : programDir_(std::move(programDir)) {
    if (programDir_.isEmpty())
        programDir_ = QCoreApplication::applicationDirPath();
    programDir_ = QDir::cleanPath(QDir(programDir_).absolutePath());
    // The installed program runs from <prefix>/lib/quorrelin, the launcher
    // from <prefix>/bin.
    const bool inLibFolder = programDir_.endsWith(QLatin1String("/lib/quorrelin"));
    prefix_ = QDir::cleanPath(programDir_ + (inLibFolder ? QStringLiteral("/../..")
                                                         : QStringLiteral("/..")));
}

QString ProgramFolders::prefixPath(const char* relative) const {
    return QDir::cleanPath(prefix_ + u'/' + QLatin1String(relative));
}

QString ProgramFolders::launcherPath() const {
    const QString installed = prefixPath("bin/quorrelin");
    if (isInstalled() && QFileInfo(installed).isFile())
        return installed;
    return programDir_ + QStringLiteral("/quorrelin");
}

QString ProgramFolders::programForLauncher(const QString& launcherDir) {
    const QString installed = QDir::cleanPath(
        launcherDir + QStringLiteral("/../lib/quorrelin/quorrelin-browser"));
    if (QFileInfo(installed).isFile())
        return installed;
    return QDir::cleanPath(launcherDir + QStringLiteral("/quorrelin-browser"));
}

bool ProgramFolders::isInstalled() const {
    return QFileInfo(prefixPath("lib/quorrelin")).isDir() ||
           QFileInfo(prefixPath("share/quorrelin")).isDir();
}

QString ProgramFolders::pluginFolder() const {
    const QString installed = prefixPath("lib/quorrelin");
    return QFileInfo(installed).isDir() ? installed : programDir_;
}

QString ProgramFolders::enginePluginFolder() const {
    const QString installed = prefixPath("lib/quorrelin");
    return QFileInfo(installed).isDir() ? installed : programDir_ + QStringLiteral("/plugins");
}

QString ProgramFolders::helpFolder() const {
    const QString installed = prefixPath("share/quorrelin/help");
    return QFileInfo(installed).isDir() ? installed : programDir_ + QStringLiteral("/help");
}

QString ProgramFolders::installedDesktopEntry() const {
    const QString entry =
        prefixPath("share/applications") + u'/' + QLatin1String(kDesktopEntryName);
    return QFileInfo(entry).isFile() ? entry : QString();
}
