#include "browser/engine/CWebKitEngine.h"

#include "browser/engine/CWebEngine.h"
#include "browser/engine/EngineDialogs.h"
#include "browser/engine/EnginePlugin.h"
#include "browser/engine/EngineZoom.h"
#include "browser/engine/ForeignWindowEmbedder.h"
#include "browser/engine/WebKitPrinter.h"
#include "platform/os/OfflineState.h"
#include "system/IeSettings.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

namespace {

// The name a frame's navigation reports when its frame has none (the view
// only needs "not the top-level document").
const QString kFrameTarget = QStringLiteral("_frame");

bool isNetworkAddress(const QString& url) {
    const QString scheme = QUrl(url).scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("ftp");
}

} // namespace

// The engine's widget. A press the page reports is sent here, so the view
// watching it learns where the user clicked; reaching this widget means
// nobody took the press.
class CWebKitEngine::Holder : public QWidget {
public:
    explicit Holder(QWidget* parent) : QWidget(parent) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        setFocusPolicy(Qt::StrongFocus);
    }
    bool reached = false;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        reached = true;
        event->accept();
    }
};

CWebKitEngine::CWebKitEngine(const EnginePlugin& plugin, QWidget* parent)
    : m_plugin(plugin), m_holder(new Holder(parent)), m_printer(std::make_unique<WebKitPrinter>()) {
}

CWebKitEngine::~CWebKitEngine() {
    m_events = nullptr;
    m_alive.reset();
    // The page's window goes back to the screen's root first: destroying
    // the window it lies in would destroy it with that window.
    delete m_embedder.data();
    delete m_window.data();
    if (m_page) {
        m_page->SetEvents(nullptr);
        m_page->Destroy();
    }
    if (m_holder)
        m_holder->deleteLater();
}

engineplugin::IPage* CWebKitEngine::ensurePage(engineplugin::IPage* related) {
    if (m_page || !m_holder)
        return m_page;
    m_page = m_plugin.CreatePage(related);
    if (!m_page)
        return nullptr;
    m_page->SetEvents(this);
    applyContent();
    m_window = QWindow::fromWinId(static_cast<WId>(m_page->WindowId()));
    m_embedder = new ForeignWindowEmbedder(m_holder, m_window);
    return m_page;
}

QWidget* CWebKitEngine::Widget() {
    return m_holder.data();
}

QWidget* CWebKitEngine::dialogParent() const {
    return m_holder.data();
}

QString CWebKitEngine::UserAgent() const {
    return m_page ? QString::fromUtf8(m_page->UserAgent()) : QString();
}

void CWebKitEngine::RunScript(const QString& script) {
    if (m_page)
        m_page->RunScript(script.toUtf8().constData(), nullptr, nullptr);
}

// --- Navigation ---

void CWebKitEngine::Navigate2(const QString& url) {
    if (url.trimmed().isEmpty() || !ensurePage())
        return;
    const QUrl target = QUrl::fromUserInput(url.trimmed());
    if (!target.isValid())
        return;
    m_expectingLoad = true;
    m_page->Load(target.toString(QUrl::FullyEncoded).toUtf8().constData());
}

void CWebKitEngine::GoBack() {
    if (m_page && m_page->CanGoBack()) {
        m_expectingLoad = true;
        m_page->GoBack();
    }
}

void CWebKitEngine::GoForward() {
    if (m_page && m_page->CanGoForward()) {
        m_expectingLoad = true;
        m_page->GoForward();
    }
}

void CWebKitEngine::GoHome() {
    Navigate2(homePageAddress());
}

void CWebKitEngine::GoSearch() {
    Navigate2(searchPageAddress());
}

void CWebKitEngine::Refresh() {
    if (m_page)
        m_page->Reload();
}

void CWebKitEngine::Stop() {
    if (m_page)
        m_page->Stop();
}

int CWebKitEngine::ReadyState() const {
    if (!m_page || !m_loadedOnce)
        return 0;
    if (m_loading)
        return m_committed ? 3 : 1;
    return 4;
}

bool CWebKitEngine::Offline() const {
    return m_offline || platform::IsOffline();
}

QString CWebKitEngine::LocationName() const {
    return m_page ? QString::fromUtf8(m_page->Title()) : QString();
}

QString CWebKitEngine::LocationURL() const {
    return m_page ? QString::fromUtf8(m_page->Address()) : QString();
}

// --- Page events ---

bool CWebKitEngine::DecideNavigation(const char* url, const char* frameName) {
    const QString address = QString::fromUtf8(url);
    // The engine names only frames that have a name; a navigation decided
    // while the top-level document is committed and still loading is one
    // of its frames.
    QString target;
    if (frameName && *frameName)
        target = QString::fromUtf8(frameName);
    else if (frameName || (m_loading && m_committed))
        target = kFrameTarget;
    bool cancel = false;
    if (!raise([&](IBrowserEngineEvents& e) { e.BeforeNavigate2(address, target, &cancel); }))
        return false;
    // While offline, the network is not asked.
    const bool allowed = !cancel && !(Offline() && isNetworkAddress(address));
    if (!allowed && target.isEmpty())
        m_expectingLoad = false;
    return allowed;
}

void CWebKitEngine::LoadStarted(const char*) {
    if (m_loading) {
        m_loading = false;
        if (!raise([](IBrowserEngineEvents& e) { e.DownloadComplete(); }))
            return;
    }
    ++m_loadNumber;
    m_loading = true;
    m_committed = false;
    m_loadedOnce = true;
    m_expectingLoad = false;
    applyZoom();
    raise([](IBrowserEngineEvents& e) { e.DownloadBegin(); });
}

void CWebKitEngine::LoadCommitted(const char* url) {
    if (!m_loading)
        return;
    m_committed = true;
    navigateComplete(QString::fromUtf8(url));
}

void CWebKitEngine::LoadFinished(const char* url, bool, bool stopped) {
    if (!m_loading)
        return;
    // The engine may tell the page's title just after the end of the load:
    // the end is reported one turn of the event loop later, so the title
    // comes first.
    const QString address = QString::fromUtf8(url);
    const int load = m_loadNumber;
    const std::weak_ptr<bool> alive = m_alive;
    QTimer::singleShot(0, this, [this, alive, load, address, stopped] {
        if (!alive.expired() && load == m_loadNumber)
            finishLoad(address, stopped);
    });
}

void CWebKitEngine::finishLoad(const QString& address, bool stopped) {
    if (!m_loading)
        return;
    if (!stopped && !m_committed && !navigateComplete(address))
        return;
    m_loading = false;
    if (!stopped && !raise([&](IBrowserEngineEvents& e) { e.DocumentComplete(address); }))
        return;
    if (!sendCommandStates(false))
        return;
    raise([](IBrowserEngineEvents& e) { e.DownloadComplete(); });
}

void CWebKitEngine::AddressChanged(const char* url) {
    // During a load the address is reported when the document commits; a
    // navigation asked for shows its target before it starts, and a
    // refused one returns to the address already reported.
    const QString address = QString::fromUtf8(url);
    if (!m_loading && !m_expectingLoad && !address.isEmpty() && address != m_reportedUrl)
        navigateComplete(address);
}

bool CWebKitEngine::navigateComplete(const QString& url) {
    m_reportedUrl = url;
    if (!raise([&](IBrowserEngineEvents& e) { e.NavigateComplete2(url); }))
        return false;
    return sendCommandStates(true);
}

bool CWebKitEngine::sendCommandStates(bool all) {
    if (!m_page)
        return true;
    const bool forward = m_page->CanGoForward();
    const bool back = m_page->CanGoBack();
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

void CWebKitEngine::TitleChanged(const char* title) {
    const QString text = QString::fromUtf8(title);
    if (text == m_reportedTitle)
        return;
    m_reportedTitle = text;
    raise([&](IBrowserEngineEvents& e) { e.TitleChange(text); });
}

void CWebKitEngine::ProgressChanged(double progress) {
    if (!m_loading)
        return;
    const int percent = qBound(0, qRound(progress * 100.0), 100);
    raise([&](IBrowserEngineEvents& e) { e.ProgressChange(percent, 100); });
}

void CWebKitEngine::LinkHovered(const char* url) {
    const QString text = QString::fromUtf8(url);
    raise([&](IBrowserEngineEvents& e) { e.StatusTextChange(text); });
}

engineplugin::IPage* CWebKitEngine::CreateWindow() {
    IBrowserEngine* window = nullptr;
    bool cancel = false;
    engineplugin::IPage* opener = m_page;
    if (!raise([&](IBrowserEngineEvents& e) { e.NewWindow2(&window, &cancel); }))
        return nullptr;
    auto* engine = dynamic_cast<CWebKitEngine*>(window);
    if (cancel || !engine || engine->m_page)
        return nullptr;
    return engine->ensurePage(opener);
}

void CWebKitEngine::CloseRequested() {
    bool cancel = false;
    raise([&](IBrowserEngineEvents& e) { e.WindowClosing(&cancel); });
}

bool CWebKitEngine::ButtonPressed(int x, int y, int button, bool onContent) {
    m_pressPoint = QPoint(x, y);
    m_pressOnContent = onContent;
    Holder* holder = m_holder.data();
    if (!holder)
        return false;
    if (!holder->hasFocus())
        holder->setFocus(Qt::MouseFocusReason);
    const Qt::MouseButton which = button == 1   ? Qt::LeftButton
                                  : button == 2 ? Qt::MiddleButton
                                  : button == 3 ? Qt::RightButton
                                                : Qt::NoButton;
    if (which == Qt::NoButton)
        return false;
    const QPointF local(x, y);
    QMouseEvent press(QEvent::MouseButtonPress, local, holder->mapToGlobal(local), which, which,
                      Qt::NoModifier);
    holder->reached = false;
    if (!guarded([&] { QCoreApplication::sendEvent(holder, &press); }))
        return true;
    return !holder->reached;
}

bool CWebKitEngine::ScriptDialog(int kind, const char* message, const char* defaultText,
                                 void (*setText)(void* context, const char* text), void* context) {
    if (CWebEngine::GlobalSilent())
        return false;
    const QString text = QString::fromUtf8(message);
    QWidget* parent = m_holder.data();
    bool answer = false;
    if (kind == 0) {
        guarded([&] { enginedialogs::showAlert(parent, text); });
        return true;
    }
    if (kind == 1) {
        guarded([&] { answer = enginedialogs::askConfirm(parent, text); });
        return answer;
    }
    std::optional<QString> typed;
    const QString initial = QString::fromUtf8(defaultText);
    guarded([&] { typed = enginedialogs::askPrompt(parent, text, initial); });
    if (!typed)
        return false;
    setText(context, typed->toUtf8().constData());
    return true;
}

// --- Settings and the mouse ---

void CWebKitEngine::applyZoom() {
    if (m_page)
        m_page->SetZoom(enginezoom::FactorForLevel(m_zoomLevel));
}

void CWebKitEngine::applyContent() {
    if (!m_page)
        return;
    m_page->SetContent((m_downloadControl & dlctl::Images) != 0,
                       (m_downloadControl & dlctl::NoScripts) == 0,
                       (m_downloadControl & (dlctl::Videos | dlctl::BackgroundSounds)) != 0);
}

void CWebKitEngine::SetDownloadControl(std::uint32_t flags, bool refresh) {
    m_downloadControl = flags;
    applyContent();
    if (refresh)
        Refresh();
}

bool CWebKitEngine::ElementAtPoint(QPoint point) {
    if (!m_page || !m_holder || point.x() < 0 || point.y() < 0 || !m_holder->rect().contains(point))
        return false;
    return point != m_pressPoint || m_pressOnContent;
}

void CWebKitEngine::ClickElementAt(QPoint point) {
    const double zoom = enginezoom::FactorForLevel(m_zoomLevel);
    RunScript(QStringLiteral("(function(){var e=document.elementFromPoint(%1,%2);"
                             "if(e)e.click();})();")
                  .arg(point.x() / zoom)
                  .arg(point.y() / zoom));
}
