#include "browser/engine/CWebEngine.h"

#include "browser/engine/ClickProbe.h"
#include "browser/engine/EngineDialogs.h"
#include "browser/engine/EnginePages.h"
#include "browser/engine/EnginePrinter.h"
#include "browser/engine/EngineProfile.h"
#include "browser/engine/EngineRequestInterceptor.h"
#include "browser/engine/EngineWebView.h"
#include "browser/engine/EngineZoom.h"
#include "platform/os/OfflineState.h"
#include "system/IeSettings.h"

#include <QEvent>
#include <QWebEngineDownloadRequest>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

bool g_globalSilent = false;

// The name a frame's navigation reports as its target (the engine does not
// tell frame names apart; the view only needs "not the top-level document").
const QString kFrameTarget = QStringLiteral("_frame");

// How long ElementAtPoint waits for the page's answer; inside NewWindow2
// only an answer already on its way can come, so the wait is short.
constexpr int kElementWaitMilliseconds = 2000;
constexpr int kPressWaitMilliseconds = 250;

} // namespace

CWebEngine::CWebEngine(QWidget* parent) : m_interceptor(new EngineRequestInterceptor(this)) {
    m_page = new CWebEnginePage(EngineProfile(), this);
    m_view = new EngineWebView(parent);
    m_view->setPage(m_page);
    m_view->installEventFilter(this);
    m_page->setUrlRequestInterceptor(m_interceptor);
    m_clickProbe = new ClickProbe(m_view, m_page, this);
    m_printer = new EnginePrinter(this);
    applySettings();
    connectPage();
}

CWebEngine::~CWebEngine() {
    m_events = nullptr;
    m_alive.reset();
    // Inside a handler or a dialog of this engine the page and its helpers
    // are still on the call stack: they go when the event loop comes back.
    const bool deferred = m_dispatchDepth > 0;
    auto dispose = [deferred](QObject* object) {
        if (!object)
            return;
        if (deferred) {
            object->setParent(nullptr);
            object->deleteLater();
        } else {
            delete object;
        }
    };
    if (m_page) {
        m_page->detachHost();
        m_page->disconnect(this);
        m_page->setUrlRequestInterceptor(nullptr);
    }
    dispose(m_clickProbe);
    dispose(m_printer);
    if (m_view && deferred)
        m_view->hide();
    dispose(m_view.data());
    dispose(m_page);
    dispose(m_interceptor);
}

void CWebEngine::SetGlobalSilent(bool silent) {
    g_globalSilent = silent;
}

bool CWebEngine::GlobalSilent() {
    return g_globalSilent;
}

double CWebEngine::ZoomFactorForLevel(int level) {
    return enginezoom::FactorForLevel(level);
}

QWebEnginePage* CWebEngine::page() const {
    return m_page;
}

QWebEngineView* CWebEngine::view() const {
    return m_view.data();
}

QWidget* CWebEngine::Widget() {
    return m_view.data();
}

void CWebEngine::SetPageVisible(bool visible) {
    if (m_view)
        m_view->SetPageWanted(visible);
}

int CWebEngine::pressCount() const {
    return m_clickProbe->pressCount();
}

void CWebEngine::connectPage() {
    connect(m_page, &QWebEnginePage::loadingChanged, this, &CWebEngine::onLoadingChanged);
    connect(m_page, &QWebEnginePage::urlChanged, this, &CWebEngine::onUrlChanged);
    connect(m_page, &QWebEnginePage::titleChanged, this, &CWebEngine::onTitleChanged);
    connect(m_page, &QWebEnginePage::loadProgress, this, &CWebEngine::onProgress);
    connect(m_page, &QWebEnginePage::linkHovered, this, &CWebEngine::onLinkHovered);
    connect(m_page, &QWebEnginePage::windowCloseRequested, this, &CWebEngine::onCloseRequested);
    connect(m_page, &QWebEnginePage::printRequested, this, [this] { ExecWB(olecmd::Print); });
    connect(EngineProfile(), &QWebEngineProfile::downloadRequested, this,
            &CWebEngine::onDownloadRequested);
}

// --- Navigation ---

void CWebEngine::Navigate2(const QString& url) {
    if (!m_page || url.trimmed().isEmpty())
        return;
    const QUrl target = QUrl::fromUserInput(url.trimmed());
    if (target.isValid())
        m_page->load(target);
    else
        showInvalidAddress(url.trimmed());
}

// Text that is no address at all ("foo bar"): the navigation starts as any
// other, then shows a page of ours saying so, and ends with NavigateError.
// The page's own load is reported as the navigation to the text.
void CWebEngine::showInvalidAddress(const QString& text) {
    bool cancel = false;
    if (!raise([&](IBrowserEngineEvents& e) { e.BeforeNavigate2(text, QString(), &cancel); }) ||
        cancel)
        return;
    m_errorAddress = text;
    m_errorPageLoad = true;
    m_page->setHtml(enginepages::InvalidAddressPage(text));
}

// The load of the page shown for an invalid address has ended.
void CWebEngine::finishInvalidAddress() {
    m_errorPageLoad = false;
    m_loading = false;
    const QString address = m_errorAddress;
    if (!raise([&](IBrowserEngineEvents& e) { e.DocumentComplete(address); }) ||
        !raise([&](IBrowserEngineEvents& e) { e.NavigateError(address); }) ||
        !sendCommandStates(false))
        return;
    raise([](IBrowserEngineEvents& e) { e.DownloadComplete(); });
}

void CWebEngine::GoBack() {
    if (m_page)
        m_page->triggerAction(QWebEnginePage::Back);
}

void CWebEngine::GoForward() {
    if (m_page)
        m_page->triggerAction(QWebEnginePage::Forward);
}

void CWebEngine::GoHome() {
    Navigate2(homePageAddress());
}

void CWebEngine::GoSearch() {
    Navigate2(searchPageAddress());
}

void CWebEngine::Refresh() {
    if (m_page)
        m_page->triggerAction(QWebEnginePage::Reload);
}

void CWebEngine::Stop() {
    if (m_page)
        m_page->triggerAction(QWebEnginePage::Stop);
}

int CWebEngine::ReadyState() const {
    if (!m_page || !m_loadedOnce)
        return 0;
    if (m_loading)
        return m_committed ? 3 : 1;
    return 4;
}

bool CWebEngine::Offline() const {
    return m_offline || platform::IsOffline();
}

void CWebEngine::SetOffline(bool offline) {
    m_offline = offline;
    m_interceptor->setOffline(offline);
}

QString CWebEngine::LocationName() const {
    return m_page ? m_page->title() : QString();
}

QString CWebEngine::LocationURL() const {
    if (!m_errorAddress.isEmpty())
        return m_errorAddress;
    return m_page ? m_page->url().toString() : QString();
}

// --- What the page decides through the engine ---

bool CWebEngine::pageNavigationRequest(const QUrl& url, bool isMainFrame) {
    if (m_errorPageLoad && isMainFrame && url.scheme() == QLatin1String("data"))
        return true;
    bool cancel = false;
    const QString target = isMainFrame ? QString() : kFrameTarget;
    if (!raise(
            [&](IBrowserEngineEvents& e) { e.BeforeNavigate2(url.toString(), target, &cancel); }))
        return false;
    if (cancel && isMainFrame)
        m_cancelledUrl = url;
    if (!cancel && isMainFrame) {
        m_errorAddress.clear();
        m_errorPageLoad = false;
    }
    return !cancel;
}

QWebEnginePage* CWebEngine::pageCreateWindow() {
    IBrowserEngine* window = nullptr;
    bool cancel = false;
    // The page's script waits for the answer, so the page cannot answer
    // element questions meanwhile (see ElementAtPoint).
    m_inCreateWindow = true;
    if (!raise([&](IBrowserEngineEvents& e) { e.NewWindow2(&window, &cancel); }))
        return nullptr;
    m_inCreateWindow = false;
    if (cancel || !window)
        return nullptr;
    auto* engine = dynamic_cast<CWebEngine*>(window);
    return engine ? engine->page() : nullptr;
}

void CWebEngine::pageAlert(const QString& message) {
    if (g_globalSilent)
        return;
    QWidget* parent = dialogParent();
    guarded([&] { enginedialogs::showAlert(parent, message); });
}

bool CWebEngine::pageConfirm(const QString& message) {
    if (g_globalSilent)
        return false;
    bool answer = false;
    QWidget* parent = dialogParent();
    guarded([&] { answer = enginedialogs::askConfirm(parent, message); });
    return answer;
}

bool CWebEngine::pagePrompt(const QString& message, const QString& defaultValue, QString* result) {
    if (g_globalSilent)
        return false;
    std::optional<QString> answer;
    QWidget* parent = dialogParent();
    guarded([&] { answer = enginedialogs::askPrompt(parent, message, defaultValue); });
    if (answer && result)
        *result = *answer;
    return answer.has_value();
}

bool CWebEngine::pageReportsConsole() const {
    return !g_globalSilent;
}

// --- Page signals turned into events ---

void CWebEngine::onLoadingChanged(const QWebEngineLoadingInfo& info) {
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus)
        onLoadStarted(info.url());
    else
        onLoadEnded(info);
}

void CWebEngine::onLoadStarted(const QUrl& url) {
    // A new page: the link the pointer was over has gone with the old one.
    clearStatusText();
    // The engine reports the start (and the end) of a navigation the
    // handler refused; the view must not hear of it.
    m_suppressedLoad = !m_cancelledUrl.isEmpty() && url == m_cancelledUrl;
    m_cancelledUrl.clear();
    if (m_suppressedLoad)
        return;
    if (m_loading) {
        m_loading = false;
        if (!raise([](IBrowserEngineEvents& e) { e.DownloadComplete(); }))
            return;
    }
    m_loading = true;
    m_committed = false;
    m_loadedOnce = true;
    applyZoom();
    raise([](IBrowserEngineEvents& e) { e.DownloadBegin(); });
}

void CWebEngine::onLoadEnded(const QWebEngineLoadingInfo& info) {
    if (m_suppressedLoad) {
        m_suppressedLoad = false;
        return;
    }
    if (!m_loading)
        return;
    if (m_errorPageLoad) {
        finishInvalidAddress();
        return;
    }
    const bool stopped = info.status() == QWebEngineLoadingInfo::LoadStoppedStatus;
    if (!stopped && !m_committed && !navigateComplete(info.url()))
        return;
    m_loading = false;
    const QString url = info.url().toString();
    if (!stopped && !raise([&](IBrowserEngineEvents& e) { e.DocumentComplete(url); }))
        return;
    if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus && info.isErrorPage() &&
        !raise([&](IBrowserEngineEvents& e) { e.NavigateError(url); }))
        return;
    if (!sendCommandStates(false))
        return;
    raise([](IBrowserEngineEvents& e) { e.DownloadComplete(); });
}

void CWebEngine::onUrlChanged(const QUrl& url) {
    if (m_suppressedLoad || m_errorPageLoad || url.isEmpty())
        return;
    navigateComplete(url);
}

bool CWebEngine::navigateComplete(const QUrl& url) {
    if (m_loading)
        m_committed = true;
    applyZoom();
    const QString address = url.toString();
    if (!raise([&](IBrowserEngineEvents& e) { e.NavigateComplete2(address); }))
        return false;
    return sendCommandStates(true);
}

bool CWebEngine::sendCommandStates(bool all) {
    if (!m_page)
        return true;
    const bool forward = m_page->history()->canGoForward();
    const bool back = m_page->history()->canGoBack();
    if (all || forward != m_forwardEnabled) {
        m_forwardEnabled = forward;
        if (!raise([&](IBrowserEngineEvents& e) { e.CommandStateChange(1, forward); }))
            return false;
    }
    if (all || back != m_backEnabled) {
        m_backEnabled = back;
        if (!raise([&](IBrowserEngineEvents& e) { e.CommandStateChange(2, back); }))
            return false;
    }
    return true;
}

void CWebEngine::onTitleChanged(const QString& title) {
    if (!m_suppressedLoad)
        raise([&](IBrowserEngineEvents& e) { e.TitleChange(title); });
}

void CWebEngine::onProgress(int percent) {
    if (!m_suppressedLoad && m_loading)
        raise([&](IBrowserEngineEvents& e) { e.ProgressChange(percent, 100); });
}

void CWebEngine::onLinkHovered(const QString& url) {
    m_statusText = url;
    raise([&](IBrowserEngineEvents& e) { e.StatusTextChange(url); });
}

void CWebEngine::clearStatusText() {
    if (m_statusText.isEmpty())
        return;
    m_statusText.clear();
    raise([](IBrowserEngineEvents& e) { e.StatusTextChange(QString()); });
}

// The pointer leaving the page leaves any link of it too; the page only
// tells that while the pointer moves inside it.
bool CWebEngine::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view && event->type() == QEvent::Leave)
        clearStatusText();
    return QObject::eventFilter(watched, event);
}

void CWebEngine::onCloseRequested() {
    // Whether or not the handler keeps the window, the engine does nothing
    // more: closing the window is the handler's part.
    bool cancel = false;
    raise([&](IBrowserEngineEvents& e) { e.WindowClosing(&cancel); });
}

// --- Settings ---

void CWebEngine::applyZoom() {
    const double factor = enginezoom::FactorForLevel(m_zoomLevel);
    if (m_page && !qFuzzyCompare(m_page->zoomFactor(), factor))
        m_page->setZoomFactor(factor);
}

void CWebEngine::applySettings() {
    if (!m_page)
        return;
    QWebEngineSettings* settings = m_page->settings();
    settings->setAttribute(QWebEngineSettings::AutoLoadImages,
                           (m_downloadControl & dlctl::Images) != 0);
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled,
                           (m_downloadControl & dlctl::NoScripts) == 0);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled,
                           (m_downloadControl & dlctl::NoActiveX) == 0);
    m_interceptor->setFlags(m_downloadControl);
}

void CWebEngine::SetDownloadControl(std::uint32_t flags, bool refresh) {
    m_downloadControl = flags;
    applySettings();
    if (refresh)
        Refresh();
}

// --- The mouse ---

bool CWebEngine::ElementAtPoint(QPoint point) {
    bool element = false;
    ClickProbe* probe = m_clickProbe;
    const auto unanswered =
        m_inCreateWindow ? ClickProbe::Unanswered::PressesOnly : ClickProbe::Unanswered::Ask;
    const int wait = m_inCreateWindow ? kPressWaitMilliseconds : kElementWaitMilliseconds;
    guarded([&] { element = probe->elementAt(point, wait, unanswered); });
    return element;
}

void CWebEngine::ClickElementAt(QPoint point) {
    m_clickProbe->clickAt(point);
}

QWidget* CWebEngine::dialogParent() const {
    return m_view.data();
}
