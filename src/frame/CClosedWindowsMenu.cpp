#include "frame/CClosedWindowsMenu.h"

#include "app/CAppSettings.h"
#include "frame/CMainFrame.h"
#include "frame/ClosedWindowsMenu.h"
#include "frame/IMainFrameHost.h"
#include "framework/CommandBinder.h"
#include "framework/CommandIds.h"
#include "framework/MenuBuilder.h"

#include <QMenu>

CClosedWindowsMenu::CClosedWindowsMenu(CMainFrame& frame, IMainFrameHost& host)
    : m_frame(frame), m_host(host) {
    commands().onRange(cmd::ClosedWindows, [this](unsigned id) { reopen(id); });
    commands().onUpdateRange(cmd::ClosedWindows, [](CommandState& state) { state.enable(true); });
    commands().on(cmd::LastVisitedPages, [this] { openLastSession(); });
    commands().onUpdate(cmd::LastVisitedPages, [this](CommandState& state) {
        state.enable(!m_host.Settings().LastSessionGroup.Links.isEmpty());
    });
}

void CClosedWindowsMenu::attach() {
    connect(m_frame.ClosedWindowsMenu(), &QMenu::aboutToShow, this, &CClosedWindowsMenu::fill);
}

void CClosedWindowsMenu::fill() {
    QMenu* menu = m_frame.ClosedWindowsMenu();
    menu->clear();
    for (const ClosedWindowMenuItem& item :
         closedWindowsMenuItems(m_host.Settings().ClosedWindows())) {
        QString text = item.text;
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (item.id == 0) {
            menu->addAction(text)->setEnabled(false);
            continue;
        }
        m_frame.Binder().updateAction(m_frame.Menus().addCommand(menu, item.id, text));
    }
}

void CClosedWindowsMenu::reopen(unsigned id) {
    const CAppSettings& settings = m_host.Settings();
    const std::optional<QString> address = closedWindowAddress(id, settings.ClosedWindows());
    if (!address || address->isEmpty())
        return;
    m_host.NavigateAddress(*address, settings.OpenClosedWindowsInNewWindow != 0);
}

void CClosedWindowsMenu::openLastSession() {
    // Copied: opening windows rewrites the settings' session fields.
    const QList<LinkGroupLink> links = m_host.Settings().LastSessionGroup.Links;
    for (const LinkGroupLink& link : links)
        if (!link.URL.isEmpty())
            m_host.NavigateAddress(link.URL, true);
}
