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
}

// <prefix>/relative, where <prefix> is the parent of the program's folder.
QString ProgramFolders::prefixPath(const char* relative) const {
    return QDir::cleanPath(programDir_ + QStringLiteral("/../") + QLatin1String(relative));
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
