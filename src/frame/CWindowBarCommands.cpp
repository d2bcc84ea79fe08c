#include "frame/CWindowBarCommands.h"

#include "addressbar/CAddressBarCommands.h"
#include "app/CAppSettings.h"
#include "browser/CBrowserView.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/CWindowBar.h"
#include "frame/CWindowManager.h"
#include "frame/IMainFrameHost.h"
#include "frame/WindowBarLayout.h"
#include "framework/CommandIds.h"

#include <functional>

CWindowBarCommands::CWindowBarCommands(CMainFrame& frame, IMainFrameHost& host,
                                       CWindowManager& windows)
    : m_frame(frame), m_host(host), m_windows(windows) {
    registerBarCommands();
    registerTabCommands();
}

void CWindowBarCommands::attach() {
    CAddressBarCommands* addressCommands = m_frame.AddressCommands();
    if (!addressCommands)
        return;
    addressCommands->SetContextPageSource([this]() -> std::optional<CAddressBarCommands::Page> {
        CBrowserView* view = context();
        if (!view)
            return std::nullopt;
        return CAddressBarCommands::Page{view->LocationURL(), [this, view] {
                                             // The page may have gone meanwhile.
                                             if (context() == view && view->ChildFrame())
                                                 view->ChildFrame()->close();
                                         }};
    });
}

CBrowserView* CWindowBarCommands::context() const {
    return m_windows.contextView();
}

// ---- Place and style ----------------------------------------------------------------

void CWindowBarCommands::restyle(void (*toggle)(WindowBarOptions&)) {
    CAppSettings& settings = m_host.Settings();
    WindowBarOptions options = WindowBarOptions::fromSettings(settings);
    toggle(options);
    options.storeStyle(settings);
    m_frame.ApplySettings(1);
}

void CWindowBarCommands::registerBarCommands() {
    CommandMap& map = commands();
    map.on(cmd::WindowBarTop, [this] { m_frame.PlaceWindowBar(1); });
    map.on(cmd::WindowBarBottom, [this] { m_frame.PlaceWindowBar(2); });
    map.on(cmd::WindowBarHide, [this] { m_frame.PlaceWindowBar(0); });
    map.on(cmd::WindowBarSingleLine, [this] { restyle(toggleSingleLineTabs); });
    map.on(cmd::WindowBarFixedWidth, [this] { restyle(toggleFixedWidthTabs); });
    map.on(cmd::WindowBarFitWidth, [this] { restyle(toggleFitWidthTabs); });

    using Field = bool WindowBarMenuState::*;
    auto mark = [this](Field field) {
        return [this, field](CommandState& state) {
            const CWindowBar* bar = m_frame.WindowBar();
            const bool visible = bar && bar->isVisibleTo(&m_frame);
            const WindowBarMenuState menu =
                windowBarMenuState(WindowBarOptions::fromSettings(m_host.Settings()), visible);
            state.setCheck(menu.*field);
            if (field == &WindowBarMenuState::fitWidthChecked)
                state.enable(menu.fitWidthEnabled);
        };
    };
    map.onUpdate(cmd::WindowBarTop, mark(&WindowBarMenuState::topChecked));
    map.onUpdate(cmd::WindowBarBottom, mark(&WindowBarMenuState::bottomChecked));
    map.onUpdate(cmd::WindowBarHide, mark(&WindowBarMenuState::hideChecked));
    map.onUpdate(cmd::WindowBarSingleLine, mark(&WindowBarMenuState::singleLineChecked));
    map.onUpdate(cmd::WindowBarFixedWidth, mark(&WindowBarMenuState::fixedWidthChecked));
    map.onUpdate(cmd::WindowBarFitWidth, mark(&WindowBarMenuState::fitWidthChecked));
}

// ---- The tab menu ---------------------------------------------------------------------

void CWindowBarCommands::registerTabCommands() {
    CommandMap& map = commands();
    using Action = std::function<void(CBrowserView&)>;
    using Enabled = std::function<bool(const CBrowserView&)>;
    auto onContext = [this, &map](unsigned id, Action action, Enabled enabled = {}) {
        map.on(id, [this, action] {
            if (CBrowserView* view = context())
                action(*view);
        });
        map.onUpdate(id, [this, enabled](CommandState& state) {
            const CBrowserView* view = context();
            state.enable(view && (!enabled || enabled(*view)));
        });
    };
    onContext(cmd::TabClose, [](CBrowserView& view) {
        if (CChildFrame* frame = view.ChildFrame())
            frame->close();
    });
    onContext(cmd::TabSaveAs, [](CBrowserView& view) { view.ExecWB(olecmd::SaveAs); });
    onContext(cmd::TabSendLink, [](CBrowserView& view) { view.SendLink(); });
    onContext(cmd::TabSendPage, [](CBrowserView& view) { view.SendPage(); });
    onContext(cmd::TabBack, [](CBrowserView& view) { view.GoBack(); },
              [](const CBrowserView& view) { return view.BackEnabled(); });
    onContext(cmd::TabForward, [](CBrowserView& view) { view.GoForward(); },
              [](const CBrowserView& view) { return view.ForwardEnabled(); });
    onContext(cmd::TabStop, [](CBrowserView& view) { view.Stop(); },
              [](const CBrowserView& view) { return view.EngineBusy(); });
    onContext(cmd::TabRefresh, [](CBrowserView& view) { view.Refresh(); });

    map.on(cmd::TabLock, [this] {
        if (CBrowserView* view = context())
            view->SetLocked(!view->IsLocked());
    });
    map.onUpdate(cmd::TabLock, [this](CommandState& state) {
        const CBrowserView* view = context();
        state.enable(view != nullptr);
        state.setCheck(view && view->IsLocked());
    });
    map.on(cmd::TabAutoRefresh, [this] {
        if (CBrowserView* view = context())
            view->AutoRefreshOn() ? view->StopAutoRefresh() : view->StartAutoRefresh();
    });
    map.onUpdate(cmd::TabAutoRefresh, [this](CommandState& state) {
        const CBrowserView* view = context();
        state.enable(view != nullptr);
        state.setCheck(view && view->AutoRefreshOn());
    });
}
