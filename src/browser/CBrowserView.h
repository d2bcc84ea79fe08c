#pragma once

#include "browser/BrowserHistory.h"
#include "browser/IBrowserEngine.h"
#include "frame/WindowBarTab.h"
#include "framework/CommandTarget.h"

#include <QPoint>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

class CBrowserDoc;
class CChildFrame;
class IBrowserViewHost;
class QTimer;

// The view of one browser window: hosts one browser engine (filling the
// view) and turns the engine's events into the window's caption, its window
// bar tab, the address box, the busy animation and the status bar. It also
// keeps the window's own state: the pages visited, download-control flags,
// lock, auto refresh, middle-click opening and the handling of windows that
// pages open by themselves.
//
// The view owns its engine; the document and child frame own the view's
// surroundings (the child frame owns the view). The host outlives the view.
// Every engine call is guarded: with no engine the wrappers do nothing and
// return their neutral value.
class CBrowserView : public QWidget, public CommandTarget, public IBrowserEngineEvents {
    Q_OBJECT

public:
    // How a window that a page opened stands: Normal once it has its tab;
    // AwaitingFirstUrl while hidden and untabbed, before its first real
    // address; Closing once the auto-close rule matched (final).
    enum class PopupState { Normal = 0, AwaitingFirstUrl = 1, Closing = 2 };

    // Makes the engine of a new view: engineKind 0 or 1, parent the view.
    // Returns null when that engine is not available.
    using EngineFactory =
        std::function<std::unique_ptr<IBrowserEngine>(int engineKind, QWidget* parent)>;
    // The factory every view uses (tests put a scripted engine here). An
    // empty factory means the default one.
    static EngineFactory& engineFactory();
    // The program's engines: QtWebEngine for kind 0, the registered plug-in
    // for kind 1 (null when it is not registered or does not load).
    static std::unique_ptr<IBrowserEngine> createDefaultEngine(int engineKind, QWidget* parent);

    // The auto-refresh timer's id.
    static constexpr int RefreshTimerId = 10901;
    // FirstUrlState values.
    static constexpr int RememberNextUrl = 0;
    static constexpr int UrlRemembered = 1;
    static constexpr int NothingToRemember = 2;

    CBrowserView(IBrowserViewHost& host, CBrowserDoc& document, int engineKind,
                 QWidget* parent = nullptr);
    // Runs the destroy clean-up (see OnDestroy).
    ~CBrowserView() override;

    // Creates the engine. False (and no engine) when none can be made.
    bool Create();

    int EngineKind() const { return engineKind_; }
    IBrowserEngine* Engine() const { return engine_.get(); }
    CBrowserDoc& Document() const { return document_; }
    // The child frame holding the view; null before it is placed in one.
    CChildFrame* ChildFrame() const;
    bool IsActive() const;

    // ---- Navigation ----
    // A navigation request: FirstUrlState becomes firstUrlState (0 remembers
    // the URL for the address list), the progress restarts at 0, keepTitle
    // keeps the caption and tab text at document completion; then the
    // engine navigates to url.
    void Navigate(const QString& url, int firstUrlState = NothingToRemember,
                  bool keepTitle = false);
    // Navigates the engine only, leaving the view's state alone.
    void NavigateEngine(const QString& url);
    void GoBack();
    void GoForward();
    void GoHome();
    void GoSearch();
    void Refresh();
    void Stop();
    bool EngineBusy() const;
    int ReadyState() const;
    QString LocationName() const;
    QString LocationURL() const;
    int QueryStatusWB(int command) const;
    bool ExecWB(int command, int argument = 0);
    // Whether the user can see the page now (told by the window's
    // surroundings; true until told otherwise). A page that cannot be seen
    // is not drawn but goes on loading and reporting as before.
    void SetPageVisible(bool visible);
    bool IsPageVisible() const { return pageVisible_; }

    // ---- State ----
    PopupState popupState() const { return popupState_; }
    // Marks a window made for a page (hidden, no tab yet).
    void MarkAwaitingFirstUrl() { popupState_ = PopupState::AwaitingFirstUrl; }
    const BrowserHistory& History() const { return history_; }
    int FirstUrlState() const { return firstUrlState_; }
    const QString& FirstUrl() const { return firstUrl_; }
    bool IsBusy() const { return busy_; }
    int Progress() const { return progress_; }
    bool BackEnabled() const { return backEnabled_; }
    bool ForwardEnabled() const { return forwardEnabled_; }
    bool KeepTitle() const { return keepTitle_; }
    const QString& CurrentUrl() const { return currentUrl_; }
    // The address the engine was last told to navigate to (empty before).
    const QString& RequestedUrl() const { return requestedUrl_; }
    const QString& SavedStatusText() const { return savedStatusText_; }
    QPoint ClickPoint() const { return clickPoint_; }
    bool MiddleClickPending() const { return middleClickPending_; }
    // The text the window's tab shows.
    const QString& TabText() const { return tabText_; }

    // ---- Titles ----
    // The engine's location name, or the untitled text while the engine is
    // idle on "about:blank".
    QString PageTitle() const;
    // The page title with the title rule applied, or the untitled text.
    QString DisplayTitle() const;

    // ---- Lock, download control, auto refresh ----
    bool IsLocked() const { return locked_; }
    void SetLocked(bool locked);
    std::uint32_t DownloadControl() const { return downloadControl_; }
    // Stores flags; with apply the engine takes them at once (silent mode
    // included) and the page loads again, without it they count from the
    // next page on.
    void SetDownloadControl(std::uint32_t flags, bool apply);
    bool AutoRefreshOn() const { return autoRefreshOn_; }
    int RefreshSeconds() const { return refreshSeconds_; }
    bool RefreshTimerRunning() const;
    void StartAutoRefresh();
    void StopAutoRefresh();
    // From the auto-refresh dialog: the interval (also the new default) and
    // whether refreshing runs.
    void SetAutoRefresh(int seconds, bool on);

    // ---- Menus and commands ----
    // The back (forward = false) or forward history menu's entries as
    // (command id, title), in menu order.
    std::vector<std::pair<unsigned, QString>> HistoryMenuItems(bool forward) const;
    // The status prompt of a history command: that entry's URL.
    QString HistoryPrompt(unsigned id) const;
    // Goes back or forward step by step to history entry index.
    void GoToHistoryEntry(int index);
    void PrintPreview();
    // Cut, copy and paste in the page (the frame decides when they go here)
    // and whether the page allows them now.
    void EditCut();
    void EditCopy();
    void EditPaste();
    bool EditEnabled(int olecmdId) const;
    // CommandTarget: cut, copy and paste go to the page unless the keyboard
    // focus is in a text field of the window outside the page.
    bool onCommand(unsigned id) override;
    bool onUpdateCommand(CommandState& state) override;
    bool hasCommandHandler(unsigned id) const override;
    // Mails the page's link (an Internet shortcut) or the page itself; true
    // when the mail thread was started.
    bool SendLink();
    bool SendPage();
    // The frame's activation of this view (gaining activation only).
    void OnActivateView();
    // The destroy clean-up: stops auto refresh, removes the tab, empties the
    // history. Safe to run more than once.
    void OnDestroy();

    // ---- Engine events ----
    void BeforeNavigate2(const QString& url, const QString& targetFrame, bool* cancel) override;
    void NavigateComplete2(const QString& url) override;
    void DocumentComplete(const QString& url) override;
    void TitleChange(const QString& title) override;
    void ProgressChange(std::int64_t progress, std::int64_t max) override;
    void StatusTextChange(const QString& text) override;
    void DownloadBegin() override;
    void DownloadComplete() override;
    void CommandStateChange(int command, bool enable) override;
    void NewWindow2(IBrowserEngine** newWindow, bool* cancel) override;
    void WindowClosing(bool* cancel) override;
    void NavigateError(const QString& url) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Whether the click point survives a page's request for a new window
    // (until the next navigation clears it).
    virtual bool KeepsClickPointAfterNewWindow() const { return false; }

    IBrowserViewHost& host() const { return host_; }

private:
    void registerCommands();
    void registerTextSizeCommands();
    bool EditLeftToFocus(unsigned id) const;
    bool ClickOnElement() const;
    bool ShowAwaitedWindow(const QString& url, bool* cancel);
    bool RedirectToNewWindow(const QString& url);
    void ApplyTitleChange(const QString& title, const QString& historyTitle);
    void SetDocumentTitle(const QString& title);
    void SetTabText(const QString& text);
    void SetTabProgress(int percent);
    TabWindowState TabState() const;
    void WatchEngineWidget(QWidget* widget);
    bool HandleMousePress(QObject* watched, QEvent* event);
    void ToggleAutoRefresh();

    IBrowserViewHost& host_;
    CBrowserDoc& document_;
    int engineKind_;
    std::unique_ptr<IBrowserEngine> engine_;

    PopupState popupState_ = PopupState::Normal;
    BrowserHistory history_;
    int firstUrlState_ = NothingToRemember;
    QString firstUrl_;
    bool busy_ = false;
    // Completed navigations, counted; the last one that ended in an error
    // is not recorded as a visit.
    std::uint64_t lastVisit_ = 0;
    std::uint64_t failedVisit_ = 0;
    int progress_ = 0;
    bool forwardEnabled_ = false;
    bool backEnabled_ = false;
    bool keepTitle_ = false;
    QString currentUrl_;
    QString requestedUrl_;
    QString savedStatusText_;
    QString tabText_;
    std::uint32_t downloadControl_;
    bool locked_ = false;
    bool autoRefreshOn_ = false;
    int refreshSeconds_;
    QTimer* refreshTimer_ = nullptr;
    QPoint clickPoint_{-1, -1};
    bool middleClickPending_ = false;
    bool destroyed_ = false;
    bool pageVisible_ = true;
};
