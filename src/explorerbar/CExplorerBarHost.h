#pragma once

#include "explorerbar/IExplorerBarHost.h"
#include "framework/CommandTarget.h"

#include <QObject>
#include <QPointer>

#include <map>

class CExplorerBar;
class CMainFrame;
class IMainFrameHost;
class QDockWidget;

// The main frame's explorer bar: made on first use, docked at the frame's
// left, destroyed when closed.
//
// Commands: 32840 (Folders), 32841 (History) and 32845 (Favorites) show
// their pane: they open the bar, switch to the pane, or close the bar when
// that pane already shows; each is checked while its pane shows. 32842
// opens the selected item in the active window (enabled with a window),
// 32843 in a new active window, 32844 in a new window behind the active one.
//
// Settings: the bar opens ExplorerBarWidth wide (see
// explorerbar::OpeningWidth) and keeps it as it is dragged;
// ExplorerBarViewType holds the pane that shows (-1 after the user closed
// the bar), so the settings saved at exit bring the bar back at the next
// start. When ExplorerBarViewType names a pane at construction, the bar
// opens on it as soon as the frame is first shown.
class CExplorerBarHost : public QObject, public CommandTarget, public IExplorerBarHost {
    Q_OBJECT

public:
    // frame, host and history must outlive this object.
    CExplorerBarHost(CMainFrame& frame, IMainFrameHost& host, VisitHistory& history);
    // The same with the process's visit history.
    CExplorerBarHost(CMainFrame& frame, IMainFrameHost& host);
    ~CExplorerBarHost() override;

    // Choosing pane index (0 Folders, 1 History, 2 Favorites), as the
    // commands do.
    void Show(int index);
    void Close();
    // The bar; null while closed.
    CExplorerBar* Bar() const;
    // The pane that shows; -1 while the bar is closed.
    int ShownPane() const;

    // IExplorerBarHost
    int FrameClientWidth() const override;
    void CloseExplorerBar() override { Close(); }
    void ResizeExplorerBar(int width) override;
    void OpenExplorerItem(const QString& address) override;
    void ShowExplorerItemMenu(const QPoint& globalPos) override;
    QAction* CommandAction(unsigned id) override;
    VisitHistory& History() override { return m_history; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void registerCommands();
    // Opens address in the active window, or in a new window (activated or
    // not) when asked or when no window is active.
    void open(const QString& address, bool newWindow, bool activate);

    CMainFrame& m_frame;
    IMainFrameHost& m_host;
    VisitHistory& m_history;
    QPointer<QDockWidget> m_dock;
    QPointer<CExplorerBar> m_bar;
    std::map<unsigned, QPointer<QAction>> m_actions;
    bool m_openAtFirstShow = false;
};
