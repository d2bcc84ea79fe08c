#pragma once

#include <QString>

// Where the program's companions live, found from the running program's own
// folder so that the build tree and an installed tree both work:
//
//   installed   <prefix>/bin/quorrelin            the command users start
//               <prefix>/lib/quorrelin/quorrelin-browser  the program it runs
//               <prefix>/lib/quorrelin/        plug-ins and the search hook
//               <prefix>/share/quorrelin/help/ help pages
//               <prefix>/share/applications/quorrelin.desktop
//   build tree  build/src/quorrelin and build/src/quorrelin-browser with the
//               plug-ins beside them and the help pages in build/src/help/
//
// Every function takes the folder of the running program (either of the
// two; the installed program's lib/quorrelin counts as in the prefix) (QCoreApplication's
// applicationDirPath() when empty) so tests can point it at a made-up tree.
// The results are absolute paths without a trailing slash; nothing is
// created.
class ProgramFolders {
public:
    explicit ProgramFolders(QString programDir = QString());

    // True when the program runs from an installed tree: a
    // lib/quorrelin folder or a share/quorrelin folder stands beside bin/.
    bool isInstalled() const;

    // The folder of the shared libraries the program loads at run time
    // (the search hook; in the build tree it is built beside the program).
    QString pluginFolder() const;
    // The folder of the second engine's plug-in: the same folder when
    // installed, build/src/plugins in the build tree.
    QString enginePluginFolder() const;
    // The folder of the help pages.
    QString helpFolder() const;
    // The installed desktop entry, or empty when the program does not run
    // from a tree that installed one.
    QString installedDesktopEntry() const;

    // The command users start, the one to name in desktop entries and
    // default-browser settings: <prefix>/bin/quorrelin when installed, else
    // quorrelin beside the program.
    QString launcherPath() const;
    // The program the launcher in launcherDir runs: lib/quorrelin's when
    // installed, else the one beside it.
    static QString programForLauncher(const QString& launcherDir);

    const QString& programDir() const { return programDir_; }

private:
    QString prefixPath(const char* relative) const;

    QString programDir_;
    QString prefix_;
};
