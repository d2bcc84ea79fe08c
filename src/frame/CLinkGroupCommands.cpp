#include "frame/CLinkGroupCommands.h"

#include "addressbar/CAddressBarCommands.h"
#include "app/CAppSettings.h"
#include "browser/CBrowserView.h"
#include "frame/CMainFrame.h"
#include "frame/CWindowManager.h"
#include "frame/IMainFrameHost.h"
#include "framework/CommandIds.h"
#include "framework/DialogRunner.h"
#include "linkgroups/COrganizeLinkGroupsDialog.h"
#include "linkgroups/LinkGroupExchange.h"
#include "linkgroups/LinkGroupActions.h"

CLinkGroupCommands::CLinkGroupCommands(CMainFrame& frame, IMainFrameHost& host)
    : m_frame(frame), m_host(host) {
    registerPageCommands();
    registerListCommands();
}

CBrowserView* CLinkGroupCommands::contextView() const { return m_frame.Windows().contextView(); }

void CLinkGroupCommands::registerPageCommands() {
    CommandMap& map = commands();
    const auto withActive = [this](CommandState& state) { state.enable(m_frame.ActiveView()); };
    map.on(cmd::NewLinkGroupFromPage, [this] { newGroupFromPage(m_frame.ActiveView(), false); });
    map.onUpdate(cmd::NewLinkGroupFromPage, withActive);
    map.on(cmd::TabNewLinkGroup, [this] { newGroupFromPage(contextView(), true); });
    map.onUpdate(cmd::TabNewLinkGroup,
                 [this](CommandState& state) { state.enable(contextView()); });
    map.on(cmd::SaveAllAsLinkGroup, [this] { saveAllWindows(); });
    map.onUpdate(cmd::SaveAllAsLinkGroup, withActive);

    map.onRange(cmd::LinkGroupAdd, [this](unsigned id) {
        addToGroup(m_frame.ActiveView(), int(cmd::LinkGroupAdd.index(id)));
    });
    map.onUpdateRange(cmd::LinkGroupAdd, withActive);
    map.onRange(cmd::TabLinkGroupAdd, [this](unsigned id) {
        addToGroup(contextView(), int(cmd::TabLinkGroupAdd.index(id)));
    });
    map.onUpdateRange(cmd::TabLinkGroupAdd,
                      [this](CommandState& state) { state.enable(contextView()); });
}

void CLinkGroupCommands::registerListCommands() {
    CommandMap& map = commands();
    map.on(cmd::OrganizeLinkGroups, [this] {
        CAppSettings& settings = m_host.Settings();
        COrganizeLinkGroupsDialog dialog(&m_frame, settings.LinkGroups);
        // The list changes in memory; the next settings save keeps it.
        if (DialogRunner::instance().exec(dialog) == QDialog::Accepted)
            settings.LinkGroups = dialog.Groups();
    });
    map.on(cmd::ImportLinkGroups,
           [this] { ImportLinkGroupsInteractive(&m_frame, m_host.Settings()); });
    map.on(cmd::ExportLinkGroups,
           [this] { ExportLinkGroupsInteractive(&m_frame, m_host.Settings().LinkGroups); });
    map.on(cmd::SendLinkGroups, [this] {
        const CAddressBarCommands* lists = m_frame.AddressCommands();
        MailLinkGroups(&m_frame, m_host.Settings().LinkGroups,
                       lists ? lists->Mailer() : LinkGroupMailer());
    });
    map.onUpdate(cmd::SendLinkGroups, [this](CommandState& state) {
        const CAddressBarCommands* lists = m_frame.AddressCommands();
        state.enable(lists && lists->Mailer());
    });
}

void CLinkGroupCommands::newGroupFromPage(CBrowserView* view, bool save) {
    if (!view)
        return;
    CAppSettings& settings = m_host.Settings();
    if (AddPageToNewLinkGroup(&m_frame, settings, view->PageTitle(), view->LocationURL()) && save)
        settings.Save();
}

void CLinkGroupCommands::saveAllWindows() {
    if (!m_frame.ActiveView())
        return;
    QList<LinkGroupLink> links;
    // Windows still waiting for their first address have none to keep.
    for (const CBrowserView* view : m_host.AllViews())
        if (!view->LocationURL().isEmpty())
            links.append({view->PageTitle(), view->LocationURL()});
    SaveLinksAsNewLinkGroup(&m_frame, m_host.Settings(), links);
}

void CLinkGroupCommands::addToGroup(CBrowserView* view, int index) {
    if (view)
        AddPageToLinkGroup(&m_frame, m_host.Settings(), index, view->PageTitle(),
                           view->LocationURL());
}
