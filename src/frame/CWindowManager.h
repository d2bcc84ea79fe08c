#pragma once

#include "frame/IWindowBarHost.h"
#include "frame/IWindowSelectionHost.h"
#include "framework/CommandTarget.h"

#include <QObject>
#include <QMdiSubWindow>
#include <QPoint>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CBrowserView;
class CChildFrame;
class CMainFrame;
class CWindowBarCommands;
class FrameCaption;
class IMainFrameHost;
class QMenu;
class WindowBarModel;

// The management of the browser windows inside the main window: how a
// window closes (at once while the program closes down; a locked one stays
// while several close in one command and asks otherwise; the active one
// hands activation on by ActivateMode), what follows a closed window (the
// busy animation stops, the window joins the recently closed windows, the
// frame learns that the windows changed), moving between windows (previous,
// next, the Window menu's list, the select-window dialog), closing all
// windows or all but one, the caption and tab context menus, and the
// window bar's requests.
//
// It watches every child frame the window area receives, so child frames
// need not know it. Owned by the main frame; attach() once the frame's
// window area, menus and window bar exist.
class CWindowManager : public QObject,
                       public CommandTarget,
                       public IWindowBarHost,
                       public IWindowSelectionHost {
    Q_OBJECT

public:
    // Shows a context menu at a point and returns once it has closed.
    using MenuRunner = std::function<void(QMenu& menu, const QPoint& globalPos)>;

    CWindowManager(CMainFrame& frame, IMainFrameHost& host, WindowBarModel& tabs);
    ~CWindowManager() override;

    void attach();

    // ---- Windows ----
    // The view behind a tab's window; null when window has no tab.
    CBrowserView* viewOf(TabWindow window) const;
    // Every browser window's frame: those of the first engine, then those
    // of the second, each oldest first.
    std::vector<CChildFrame*> frames() const;
    // The active browser window's frame: the window area's active window,
    // else (while the area has none, as when the main window is not the
    // active one) the one last activated. Never a hidden or closed frame,
    // nor one the area merely lists first without ever having activated it.
    CChildFrame* activeFrame() const;
    // Sets the main window's caption anew from the active window (it
    // follows the windows by itself otherwise; see FrameCaption).
    void refreshCaption();
    // Brings view's window to the front: its tab current, its frame active
    // (shown as show says; unset keeps how it is shown, restoring a
    // minimised one).
    void activateView(CBrowserView* view, std::optional<TabShowCommand> show = std::nullopt);

    // ---- Closing ----
    // While set, a locked window stays open without a question and no
    // other window is activated in place of a closing one.
    bool isMultiClose() const { return m_multiClose > 0; }
    // Closes all windows but kept (none: all) after the question (close all:
    // ConfirmCloseAll with 51455; all but one: ConfirmCloseAllEx with
    // 51460). Locked windows stay. Returns false when the question stopped it.
    bool closeAllExcept(CBrowserView* kept);
    // The view of the window bar's context window, null without one.
    CBrowserView* contextView() const;

    // ---- Menus ----
    // Replaces how context menus are shown (tests); empty restores exec.
    void setMenuRunner(MenuRunner runner);
    // The "add to link group" submenu of the caption or tab menu while one
    // is open, null otherwise.
    QMenu* contextLinkGroupMenu() const { return m_linkGroupMenu; }
    // Rebuilds the Window menu's list after its fixed items.
    void fillWindowMenu();
    // Runs the select-window dialog and activates the window chosen.
    void selectWindow();
    // The Window menu's arrangements of the shown windows: one below the
    // other (horizontal), side by side (vertical), and the minimised ones in
    // a row along the bottom.
    void tileWindows(Qt::Orientation orientation);
    // Cascades the shown windows that are not minimised (see the .cpp).
    void cascadeWindows();
    void arrangeIcons();

    // CommandTarget: the window bar's own commands come after these.
    bool onCommand(unsigned id) override;
    bool onUpdateCommand(CommandState& state) override;
    bool hasCommandHandler(unsigned id) const override;

    // IWindowBarHost
    void ActivateTabWindow(TabWindow window, TabShowCommand show) override;
    void CloseTabWindow(TabWindow window) override;
    void ShowTabMenu(TabWindow window, const QPoint& globalPos) override;
    QString TabWindowTitle(TabWindow window) const override;
    bool IsActiveChildMaximized() const override;

    // IWindowSelectionHost
    std::vector<Window> ListWindows() const override;
    int CurrentWindowIndex() const override;
    void CloseWindows(const std::vector<TabWindow>& windows) override;

signals:
    // Posted after a child frame has gone: the record of open windows is
    // written and, with no window active, the status and address reset.
    void windowsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Keeps the multi-close flag raised for one command.
    class MultiClose;

    void registerCommands();
    void watch(CChildFrame* frame);
    void keepFocusInActiveWindow(QWidget& widget, Qt::FocusReason reason);
    bool allowClose(CChildFrame& frame);
    void activateInstead(CChildFrame& closing);
    void frameClosing(CChildFrame* frame);
    void noteMaximized(const CChildFrame& frame);
    void onWindowsChanged();
    bool showCaptionMenu(CChildFrame& frame, const QPoint& pos, const QPoint& globalPos);
    void runContextMenu(unsigned position, const QPoint& globalPos);
    void afterSeveralClosed();

    CMainFrame& m_frame;
    IMainFrameHost& m_host;
    WindowBarModel& m_tabs;
    std::unique_ptr<CWindowBarCommands> m_barCommands;
    MenuRunner m_menuRunner;
    QMenu* m_linkGroupMenu = nullptr;
    int m_multiClose = 0;
    QPointer<QMdiSubWindow> m_lastActive;
    FrameCaption* m_caption = nullptr;
    // The focus widget (of any window) as of the last completed change.
    QPointer<QWidget> m_focus;
};
