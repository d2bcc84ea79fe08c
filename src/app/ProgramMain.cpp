#include "app/ProgramMain.h"

#include "app/CQuorrelin.h"
#include "app/DisplayPlatform.h"
#include "app/PrintSettings.h"
#include "app/RenderingSetup.h"
#include "app/StartHandOver.h"
#include "app/TerminationSignals.h"
#include "frame/CMainFrame.h"
#include "platform/instance/InstanceStartLock.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <sys/prctl.h>

int programMain(int argc, char** argv) {
    // --print-settings runs without any display: it needs no QApplication.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--print-settings") == 0) {
            QCoreApplication core(argc, argv);
            return RunPrintSettings(stdout, stderr);
        }
    }
    // A start that only hands an address over ends before any window
    // object, font or graphics driver is loaded.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // The name the process goes by in process lists and messages is the
    // command's, not the file's the launcher ran.
    ::prctl(PR_SET_NAME, "quorrelin", 0, 0, 0);
    StartHandOver handOver(arguments);
    // Started through the launcher, the search is done and its lock held.
    if (!handOver.takeOverFromLauncher() && handOver.run())
        return 0;
    ApplyDisplayPlatformChoice();
    PrepareRendering(platform::chooseRenderingPath(platform::readRenderingInputs(argc, argv)));
    QApplication qtApp(argc, argv);
    FinishRenderingSetup();
    QApplication::setApplicationName(QStringLiteral("Quorrelin"));
    QApplication::setOrganizationName(QStringLiteral("Ovrel"));

    CQuorrelin application;
    if (handOver.searched())
        application.SearchedBeforeStart(handOver.takeLock());
    if (!application.InitInstance(QApplication::arguments().mid(1)))
        return application.handedOver() ? 0 : 1;
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, [&application] {
        CMainFrame* frame = application.MainFrame();
        if (frame)
            frame->CloseForSessionEnd();
        if (!frame || frame->IsClosing())
            QApplication::quit();
    });
    QApplication::exec();
    // The page engine is taken down the normal way after this: it writes
    // what it keeps for the user (cookies, site storage, visited links) only
    // while it shuts down, so ending the process here would lose the last
    // seconds of those.
    return application.ExitInstance();
}
