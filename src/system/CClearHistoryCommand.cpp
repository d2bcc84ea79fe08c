#include "system/CClearHistoryCommand.h"

#include "addressbar/CAddressBar.h"
#include "app/CAppSettings.h"
#include "browser/engine/EngineProfile.h"
#include "frame/CMainFrame.h"
#include "frame/IMainFrameHost.h"
#include "framework/CommandIds.h"
#include "framework/DialogRunner.h"
#include "framework/WaitCursor.h"
#include "system/CClearHistoryDialog.h"
#include "system/VisitHistory.h"

#include <QWebEngineProfile>

CClearHistoryCommand::CClearHistoryCommand(CMainFrame& frame, IMainFrameHost& host)
    : m_frame(frame), m_host(host) {
    // The engine's profile is only made when something of it is cleared.
    m_cleaners.visitedLinks = [] { EngineProfile()->clearAllVisitedLinks(); };
    m_cleaners.httpCache = [] { EngineProfile()->clearHttpCache(); };
    m_cleaners.visitHistory = [] { SharedVisitHistory().Clear(); };
    m_cleaners.typedAddresses = [this] {
        if (CAddressBar* bar = m_frame.AddressBar())
            bar->ClearTypedAddresses();
    };
    commands().on(cmd::ClearHistory, [this] { Run(); });
}

bool CClearHistoryCommand::Run() {
    CAppSettings& settings = m_host.Settings();
    CClearHistoryDialog dialog(static_cast<unsigned>(settings.ClearOption), &m_frame);
    if (DialogRunner::instance().exec(dialog) != QDialog::Accepted)
        return false;
    const WaitCursor wait;
    ClearBrowsingTraces(dialog.Selection(), settings, m_cleaners);
    return true;
}
