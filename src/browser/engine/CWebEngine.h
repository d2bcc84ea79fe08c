#pragma once

#include "browser/IBrowserEngine.h"
#include "browser/engine/CWebEnginePage.h"
#include "browser/engine/EngineWebView.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <memory>

class ClickProbe;
class EnginePrinter;
class EngineRequestInterceptor;
class QWebEngineDownloadRequest;
class QWebEngineLoadingInfo;
class QWebEngineView;

// The browser engine on QtWebEngine: one page shown in a QWebEngineView.
//
// Events (all on the user-interface thread), for each top-level load:
// BeforeNavigate2 (also for every frame, with a non-empty frame name, and
// for redirects), DownloadBegin, NavigateComplete2 when the new page is
// committed (ready state 3), then CommandStateChange for forward (1) and
// back (2), TitleChange and ProgressChange (percent of 100) as they come,
// and at the end DocumentComplete (also for error pages; not when stopped)
// and DownloadComplete. Frames never report completion. A navigation the
// handler cancels reports nothing further. Address changes inside a page
// (anchors, history.pushState) report NavigateComplete2 alone.
//
// A page's request for a new window raises NewWindow2; the handler gives
// the engine of the new window (it must be a CWebEngine), whose page then
// loads the request. A script's window.close() raises WindowClosing (the
// web engine lets scripts close only windows that scripts opened, or that
// have shown a single page). A file download asks for the place to save
// it and is bracketed by DownloadBegin and DownloadComplete.
//
// Page script dialogs (alert, confirm, prompt) run through the
// DialogRunner, unless the program-wide silent switch is on: then alerts
// show nothing, confirm and prompt answer no, and script console messages
// are not logged.
class CWebEngine : public QObject, public IBrowserEngine, private IEnginePageHost {
    Q_OBJECT
public:
    // The widget is made with parent (may be null) and deleted with the
    // engine unless its parent deleted it first (then the engine keeps its
    // page but shows nothing).
    explicit CWebEngine(QWidget* parent = nullptr);
    ~CWebEngine() override;
    CWebEngine(const CWebEngine&) = delete;
    CWebEngine& operator=(const CWebEngine&) = delete;

    // The program-wide silent switch (the silent bit of the global download
    // options); see above. Off at start.
    static void SetGlobalSilent(bool silent);
    static bool GlobalSilent();

    // Zoom factor of the text size levels 0..4.
    static double ZoomFactorForLevel(int level);

    // The page and its view (null once gone).
    QWebEnginePage* page() const;
    QWebEngineView* view() const;
    // Presses on the widget seen so far (tests).
    int pressCount() const;

    // --- IBrowserEngine ---
    QWidget* Widget() override;
    void SetEvents(IBrowserEngineEvents* events) override { m_events = events; }
    void Navigate2(const QString& url) override;
    void GoBack() override;
    void GoForward() override;
    // The start page (browser settings "Start Page"), or about:blank.
    void GoHome() override;
    // The search page (browser settings "Search Page"), or about:blank.
    void GoSearch() override;
    void Refresh() override;
    void Stop() override;
    bool Busy() const override { return m_loading; }
    int ReadyState() const override;
    // The engine's own switch or the user's offline state.
    bool Offline() const override;
    void SetOffline(bool offline) override;
    // The engine's silent property: kept and reported; what is shown
    // follows the program-wide switch (SetGlobalSilent).
    bool Silent() const override { return m_silent; }
    void SetSilent(bool silent) override { m_silent = silent; }
    QString LocationName() const override;
    QString LocationURL() const override;
    int QueryStatusWB(int command) override;
    bool ExecWB(int command, int argument = 0) override;
    int ZoomLevel() const override { return m_zoomLevel; }
    bool ExecBrowserCommand(int command) override;
    void SetDownloadControl(std::uint32_t flags, bool refresh) override;
    // Answered from the press recorded at point (see ClickProbe), waiting
    // up to 2 s for an answer still on its way; other points are asked
    // about and waited for the same way. Inside NewWindow2 the page waits
    // for the handler and cannot answer new questions: there only recorded
    // presses count, an answer is waited for at most 250 ms, and a press
    // still unanswered then counts as on an element when it lies in the
    // view.
    bool ElementAtPoint(QPoint point) override;
    void ClickElementAt(QPoint point) override;
    bool SavePage(const QString& path) override;
    // Hides the page from the engine while nobody can see it: it is then
    // neither rendered nor composited, and the renderer may drop what it
    // drew. It goes on loading, running scripts (with background timers),
    // reporting events, printing and saving. A page made visible draws
    // anew at once.
    void SetPageVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // IEnginePageHost
    bool pageNavigationRequest(const QUrl& url, bool isMainFrame) override;
    QWebEnginePage* pageCreateWindow() override;
    void pageAlert(const QString& message) override;
    bool pageConfirm(const QString& message) override;
    bool pagePrompt(const QString& message, const QString& defaultValue, QString* result) override;
    bool pageReportsConsole() const override;

    void connectPage();
    // Runs call (which may run an event loop or a handler that deletes the
    // engine); false when the engine was deleted meanwhile (the caller then
    // returns at once without touching members).
    template <typename Call> bool guarded(Call&& call);
    // Sends one event through guarded(); true when no handler is set.
    template <typename Call> bool raise(Call&& call);
    void onLoadingChanged(const QWebEngineLoadingInfo& info);
    void onLoadStarted(const QUrl& url);
    void onLoadEnded(const QWebEngineLoadingInfo& info);
    void onUrlChanged(const QUrl& url);
    void onTitleChanged(const QString& title);
    void onProgress(int percent);
    void onLinkHovered(const QString& url);
    // Ends the status text of a hovered link (reports an empty one).
    void clearStatusText();
    void showInvalidAddress(const QString& text);
    void finishInvalidAddress();
    void onCloseRequested();
    void onDownloadRequested(QWebEngineDownloadRequest* download);
    bool navigateComplete(const QUrl& url);
    // Sends the history's back and forward states; only changed ones
    // unless all.
    bool sendCommandStates(bool all);
    void applyZoom();
    void applySettings();
    bool showProperties();
    bool saveAs();
    bool findInPage();
    bool viewSource();
    QWidget* dialogParent() const;
    QString suggestedFileName() const;

    QPointer<EngineWebView> m_view;
    // The page, made by the engine and deleted with it.
    CWebEnginePage* m_page = nullptr;
    EngineRequestInterceptor* m_interceptor; // child
    ClickProbe* m_clickProbe;                // child
    EnginePrinter* m_printer;                // child
    IBrowserEngineEvents* m_events = nullptr;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    int m_dispatchDepth = 0;
    bool m_inCreateWindow = false;

    bool m_loading = false;
    bool m_committed = false;
    bool m_loadedOnce = false;
    bool m_suppressedLoad = false; // the running load was cancelled by the handler
    QUrl m_cancelledUrl;
    bool m_backEnabled = false;
    bool m_forwardEnabled = false;

    bool m_offline = false;
    bool m_silent = false;
    int m_zoomLevel = 2;
    std::uint32_t m_downloadControl = dlctl::Default;
    QString m_lastFind;
    // The link address last reported as status text (empty: none).
    QString m_statusText;
    // The text of an invalid address whose page is shown (see
    // showInvalidAddress); LocationURL reports it meanwhile.
    QString m_errorAddress;
    bool m_errorPageLoad = false;
};

template <typename Call> inline bool CWebEngine::guarded(Call&& call) {
    const std::weak_ptr<bool> alive = m_alive;
    ++m_dispatchDepth;
    call();
    if (alive.expired())
        return false;
    --m_dispatchDepth;
    return true;
}

template <typename Call> inline bool CWebEngine::raise(Call&& call) {
    if (!m_events)
        return true;
    IBrowserEngineEvents* events = m_events;
    return guarded([&] { call(*events); });
}
