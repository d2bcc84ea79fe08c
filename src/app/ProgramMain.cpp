#include "app/ProgramMain.h"

#include "app/CQuorrelin.h"
#include "app/DisplayPlatform.h"
#include "app/PrintSettings.h"
#include "app/TerminationSignals.h"
#include "frame/CMainFrame.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>

int programMain(int argc, char** argv) {
    // --print-settings runs without any display: it needs no QApplication.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--print-settings") == 0) {
            QCoreApplication core(argc, argv);
            return RunPrintSettings(stdout, stderr);
        }
    }
    ApplyDisplayPlatformChoice();
    // The web engine shares its rendering contexts between windows.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorrelin"));
    QApplication::setOrganizationName(QStringLiteral("Ovrel"));

    CQuorrelin application;
    if (!application.InitInstance(QApplication::arguments().mid(1)))
        return application.handedOver() ? 0 : 1;
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, [&application] {
        if (CMainFrame* frame = application.MainFrame())
            frame->CloseForSessionEnd();
        else
            QApplication::quit();
    });
    QApplication::exec();
    return application.ExitInstance();
}
