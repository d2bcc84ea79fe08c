#include "app/ApplicationFeatures.h"

#include "app/CEnvironmentCommands.h"
#include "app/CHelpCommands.h"
#include "app/CQuorrelin.h"
#include "browser/CBrowserView.h"
#include "frame/CMainFrame.h"
#include "system/MozillaControl.h"
#include "system/ProgramFolders.h"
#include "system/ProgramLauncher.h"

void AddApplicationFeatures(CQuorrelin& app, CMainFrame& frame) {
    frame.AddFeature<CEnvironmentCommands>(&frame, app.Settings(), ProcessLauncher::instance(),
                                           [&app] {
                                               for (CBrowserView* view : app.AllViews())
                                                   view->Refresh();
                                           });
    frame.AddFeature<CHelpCommands>(
        &frame, ProgramFolders().helpFolder(),
        [&app](int engine, const QString& url) { app.OpenNewWindow(engine, url); },
        [] { return IsMozillaControlAvailable(); });
}
