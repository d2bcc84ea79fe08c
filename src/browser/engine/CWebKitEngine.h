#pragma once

#include "browser/IBrowserEngine.h"
#include "browser/engine/EnginePluginAbi.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>

class EnginePlugin;
class ForeignWindowEmbedder;
class WebKitPrinter;
class QVBoxLayout;
class QWidget;
class QWindow;

// The second browser engine: a WebKitGTK page from the engine plug-in,
// its X window embedded into the engine's widget.
//
// Events follow CWebEngine's order for each top-level load: BeforeNavigate2
// (frames with a non-empty frame name), DownloadBegin, NavigateComplete2
// when the new document is committed, CommandStateChange for forward (1)
// and back (2), TitleChange and ProgressChange (percent of 100) as they
// come, then DocumentComplete (not when stopped) and DownloadComplete.
// Address changes inside a page report NavigateComplete2 alone. A page's
// request for a new window raises NewWindow2; the handler must give a
// CWebKitEngine that has loaded nothing yet, whose page then becomes the
// new window. window.close() raises WindowClosing.
//
// The page is made when first needed (its first navigation, or as a new
// window of another page). Mouse presses on the page reach the engine's
// widget as press events (the view sees where the user clicked), and an
// element is under a point when it lies on the page's content.
class CWebKitEngine : public QObject, public IBrowserEngine, private engineplugin::IPageEvents {
    Q_OBJECT
public:
    CWebKitEngine(const EnginePlugin& plugin, QWidget* parent = nullptr);
    ~CWebKitEngine() override;
    CWebKitEngine(const CWebKitEngine&) = delete;
    CWebKitEngine& operator=(const CWebKitEngine&) = delete;

    // The user agent of the page's requests (empty before the page exists).
    QString UserAgent() const;
    // Runs script in the page (tests, and clicks on elements).
    void RunScript(const QString& script);
    // Prints the page into the PDF file path with the page set-up chosen
    // and waits (bounded) until it is written; false on failure.
    bool PrintToPdf(const QString& path);

    // --- IBrowserEngine ---
    QWidget* Widget() override;
    void SetEvents(IBrowserEngineEvents* events) override { m_events = events; }
    void Navigate2(const QString& url) override;
    void GoBack() override;
    void GoForward() override;
    void GoHome() override;
    void GoSearch() override;
    void Refresh() override;
    void Stop() override;
    bool Busy() const override { return m_loading; }
    int ReadyState() const override;
    bool Offline() const override;
    void SetOffline(bool offline) override { m_offline = offline; }
    bool Silent() const override { return m_silent; }
    void SetSilent(bool silent) override { m_silent = silent; }
    QString LocationName() const override;
    QString LocationURL() const override;
    int QueryStatusWB(int command) override;
    bool ExecWB(int command, int argument = 0) override;
    int ZoomLevel() const override { return m_zoomLevel; }
    bool ExecBrowserCommand(int command) override;
    void SetDownloadControl(std::uint32_t flags, bool refresh) override;
    bool ElementAtPoint(QPoint point) override;
    void ClickElementAt(QPoint point) override;
    bool SavePage(const QString& path) override;

private:
    class Holder;

    // Makes the page (related to opener's, when given) and embeds it.
    engineplugin::IPage* ensurePage(engineplugin::IPage* related = nullptr);
    template <typename Call> bool guarded(Call&& call);
    template <typename Call> bool raise(Call&& call);
    bool navigateComplete(const QString& url);
    // Reports the end of the load (see LoadFinished).
    void finishLoad(const QString& address, bool stopped);
    bool sendCommandStates(bool all);
    void applyZoom();
    void applyContent();
    // The main document's source, waited for (bounded); nothing when the
    // page cannot give it.
    std::optional<QByteArray> fetchSource();
    // The widget dialogs of this engine belong to (null once gone).
    QWidget* dialogParent() const;
    bool print();
    bool saveAs();
    bool showProperties();
    bool findInPage();
    bool viewSource();

    // engineplugin::IPageEvents
    bool DecideNavigation(const char* url, const char* frameName) override;
    void LoadStarted(const char* url) override;
    void LoadCommitted(const char* url) override;
    void LoadFinished(const char* url, bool failed, bool stopped) override;
    void AddressChanged(const char* url) override;
    void TitleChanged(const char* title) override;
    void ProgressChanged(double progress) override;
    void LinkHovered(const char* url) override;
    engineplugin::IPage* CreateWindow() override;
    void CloseRequested() override;
    bool ButtonPressed(int x, int y, int button, bool onContent) override;
    bool ScriptDialog(int kind, const char* message, const char* defaultText,
                      void (*setText)(void* context, const char* text), void* context) override;
    bool ChooseDownloadPath(const char* suggestedName, const char* url,
                            void (*setText)(void* context, const char* text),
                            void* context) override;
    void DownloadFinished(const char* path, const char* error) override;

    const EnginePlugin& m_plugin;
    engineplugin::IPage* m_page = nullptr;
    QPointer<Holder> m_holder;
    QPointer<ForeignWindowEmbedder> m_embedder; // shows m_window over m_holder
    QPointer<QWindow> m_window;                 // the page's window inside m_container
    IBrowserEngineEvents* m_events = nullptr;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    std::unique_ptr<WebKitPrinter> m_printer;

    bool m_loading = false;
    int m_loadNumber = 0; // counts the loads started
    bool m_committed = false;
    bool m_loadedOnce = false;
    bool m_backEnabled = false;
    bool m_forwardEnabled = false;
    // A navigation was asked for and has not started yet: the page's
    // address already shows its target, which is no navigation inside the
    // page.
    bool m_expectingLoad = false;
    QString m_reportedUrl;   // last address reported by NavigateComplete2
    QString m_reportedTitle; // last title reported by TitleChange

    bool m_offline = false;
    bool m_silent = false;
    int m_zoomLevel = 2;
    std::uint32_t m_downloadControl = dlctl::Default;
    QString m_lastFind;
    QPoint m_pressPoint{-1, -1};
    bool m_pressOnContent = false;
};

template <typename Call> inline bool CWebKitEngine::guarded(Call&& call) {
    const std::weak_ptr<bool> alive = m_alive;
    call();
    return !alive.expired();
}

template <typename Call> inline bool CWebKitEngine::raise(Call&& call) {
    if (!m_events)
        return true;
    IBrowserEngineEvents* events = m_events;
    return guarded([&] { call(*events); });
}
