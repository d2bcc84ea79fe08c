#include "frame/CInternetOptionsCommand.h"

#include "addressbar/CAddressBar.h"
#include "browser/CBrowserView.h"
#include "browser/engine/EngineNetwork.h"
#include "frame/CMainFrame.h"
#include "framework/CommandIds.h"
#include "framework/CommandRouter.h"
#include "framework/DialogRunner.h"
#include "system/CInternetOptionsDialog.h"
#include "system/IeSettings.h"

CInternetOptionsCommand::CInternetOptionsCommand(CMainFrame& frame, CommandRouter& router)
    : m_frame(frame), m_router(router) {
    commands().on(cmd::InternetOptions, [this] { Run(); });
    ApplyEngineProxy(readProxySettings());
}

bool CInternetOptionsCommand::Run() {
    CAddressBar* address = m_frame.AddressBar();
    if (address)
        address->SaveTypedUrls();
    CInternetOptionsDialog::Actions actions;
    actions.clearCache = [] { ClearEngineCache(); };
    actions.clearHistory = [this] { m_router.execute(cmd::ClearHistory); };
    actions.canClearHistory = [this] { return m_router.isEnabled(cmd::ClearHistory); };
    CInternetOptionsDialog dialog(&m_frame, readIeStartPage(), readProxySettings(),
                                  std::move(actions));
    const bool accepted = DialogRunner::instance().exec(dialog) == QDialog::Accepted;
    if (accepted) {
        writeIeStartPage(dialog.StartPage());
        if (writeProxySettings(dialog.Proxy()))
            ApplyEngineProxy(dialog.Proxy());
    }
    if (address) {
        address->LoadTypedUrls();
        const CBrowserView* view = m_frame.ActiveView();
        if (view && !view->LocationURL().isEmpty() && !address->HasFocus())
            address->SetAddressText(view->LocationURL());
    }
    return accepted;
}
