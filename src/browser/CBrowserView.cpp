#include "browser/CBrowserView.h"

#include "app/CAppSettings.h"
#include "app/CCheckMessageBox.h"
#include "browser/AutoCloseList.h"
#include "browser/BrowserViewRules.h"
#include "browser/CBrowserDoc.h"
#include "browser/IBrowserViewHost.h"
#include "frame/CChildFrame.h"
#include "frame/WindowBarModel.h"
#include "framework/CommandIds.h"
#include "framework/MessageBoxStyle.h"
#include "res/StringIds.h"
#include "res/StringTable.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>


namespace {

// The interval bounds of auto refresh, in seconds.
constexpr int kMinRefreshSeconds = 3;
constexpr int kMaxRefreshSeconds = 86400;

} // namespace

CBrowserView::EngineFactory& CBrowserView::engineFactory() {
    static EngineFactory factory;
    return factory;
}

CBrowserView::CBrowserView(IBrowserViewHost& host, CBrowserDoc& document, int engineKind,
                           QWidget* parent)
    : QWidget(parent), host_(host), document_(document), engineKind_(engineKind),
      downloadControl_(dlctl::Default), refreshSeconds_(host.Settings().AutoRefreshInterval()) {
    setObjectName(QStringLiteral("browserView"));
    setCursor(Qt::ArrowCursor);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    refreshTimer_ = new QTimer(this);
    refreshTimer_->setObjectName(QStringLiteral("refreshTimer%1").arg(RefreshTimerId));
    connect(refreshTimer_, &QTimer::timeout, this, [this] { Refresh(); });
    registerCommands();
}

CBrowserView::~CBrowserView() {
    OnDestroy();
    if (!engine_)
        return;
    engine_->SetEvents(nullptr);
    // The view owns the engine's widget; an engine may delete it itself.
    const QPointer<QWidget> widget = engine_->Widget();
    engine_.reset();
    delete widget.data();
}

bool CBrowserView::Create() {
    if (engine_)
        return true;
    const EngineFactory& factory = engineFactory();
    std::unique_ptr<IBrowserEngine> engine =
        factory ? factory(engineKind_, this) : createDefaultEngine(engineKind_, this);
    if (!engine)
        return false;
    engine_ = std::move(engine);
    engine_->SetEvents(this);
    if (QWidget* widget = engine_->Widget()) {
        layout()->addWidget(widget);
        setFocusProxy(widget);
        WatchEngineWidget(widget);
    }
    engine_->SetDownloadControl(downloadControl_, false);
    return true;
}

CChildFrame* CBrowserView::ChildFrame() const {
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* frame = qobject_cast<CChildFrame*>(w))
            return frame;
    }
    return nullptr;
}

bool CBrowserView::IsActive() const {
    return host_.ActiveView() == this;
}

// ---------------------------------------------------------------------------
// Engine wrappers

void CBrowserView::Navigate(const QString& url, int firstUrlState, bool keepTitle) {
    firstUrlState_ = firstUrlState;
    progress_ = 0;
    SetTabProgress(0);
    keepTitle_ = keepTitle;
    // A navigation the program asks for is never the link a middle click
    // meant to open.
    middleClickPending_ = false;
    NavigateEngine(url);
}

void CBrowserView::NavigateEngine(const QString& url) {
    requestedUrl_ = url;
    if (engine_)
        engine_->Navigate2(url);
}

void CBrowserView::GoBack() {
    if (engine_)
        engine_->GoBack();
}

void CBrowserView::GoForward() {
    if (engine_)
        engine_->GoForward();
}

void CBrowserView::GoHome() {
    if (engine_)
        engine_->GoHome();
}

void CBrowserView::GoSearch() {
    if (engine_)
        engine_->GoSearch();
}

void CBrowserView::Refresh() {
    if (engine_)
        engine_->Refresh();
}

void CBrowserView::Stop() {
    if (engine_)
        engine_->Stop();
}

bool CBrowserView::EngineBusy() const {
    return engine_ && engine_->Busy();
}

int CBrowserView::ReadyState() const {
    return engine_ ? engine_->ReadyState() : 4;
}

QString CBrowserView::LocationName() const {
    return engine_ ? engine_->LocationName() : QString();
}

QString CBrowserView::LocationURL() const {
    return engine_ ? engine_->LocationURL() : QString();
}

int CBrowserView::QueryStatusWB(int command) const {
    return engine_ ? engine_->QueryStatusWB(command) : 0;
}

bool CBrowserView::ExecWB(int command, int argument) {
    return engine_ && engine_->ExecWB(command, argument);
}

void CBrowserView::SetPageVisible(bool visible) {
    if (pageVisible_ == visible)
        return;
    pageVisible_ = visible;
    if (engine_)
        engine_->SetPageVisible(visible);
}

// ---------------------------------------------------------------------------
// Titles and the window bar

QString CBrowserView::PageTitle() const {
    if (engine_ && !engine_->Busy() && IsAboutBlank(engine_->LocationURL()))
        return UntitledTitle();
    return LocationName();
}

QString CBrowserView::DisplayTitle() const {
    const QString title = PageTitle();
    return title.isEmpty() ? UntitledTitle() : ApplyTitleRule(title);
}

void CBrowserView::SetDocumentTitle(const QString& title) {
    document_.SetTitle(title);
}

void CBrowserView::SetTabText(const QString& text) {
    tabText_ = text;
    if (WindowBarModel* bar = host_.WindowBarTabs())
        bar->setText(this, text);
}

TabWindowState CBrowserView::TabState() const {
    return {tabText_, busy_, locked_};
}

void CBrowserView::SetTabProgress(int percent) {
    if (WindowBarModel* bar = host_.WindowBarTabs())
        bar->setProgress(this, percent, TabState());
}

void CBrowserView::ApplyTitleChange(const QString& title, const QString& historyTitle) {
    const QString ruled = ApplyTitleRule(title);
    SetDocumentTitle(ruled);
    SetTabText(ruled);
    history_.UpdateTitle(LocationURL(), ApplyTitleRule(historyTitle));
    host_.SaveCurrentSessionSoon();
}

// ---------------------------------------------------------------------------
// Navigation events

bool CBrowserView::ClickOnElement() const {
    return clickPoint_.x() >= 0 && clickPoint_.y() >= 0 && engine_ &&
           engine_->ElementAtPoint(clickPoint_);
}

// The first navigation of a window a page opened. Returns true when the
// navigation is decided here (cancelled or let through with the window
// still hidden).
bool CBrowserView::ShowAwaitedWindow(const QString& url, bool* cancel) {
    if (IsAboutBlank(url))
        return true;
    CAppSettings& settings = host_.Settings();
    CChildFrame* frame = ChildFrame();
    if (IsAutoCloseAddress(settings.AutoClose, url) && !ClickOnElement()) {
        if (frame)
            QTimer::singleShot(0, frame, [frame] { frame->close(); });
        popupState_ = PopupState::Closing;
        *cancel = true;
        return true;
    }
    popupState_ = PopupState::Normal;
    const bool activate = settings.ActivateNewWindow != 0;
    if (WindowBarModel* bar = host_.WindowBarTabs())
        bar->insert(this, activate, settings.AppendNewWindow != 0 ? nullptr : host_.ActiveView());
    if (frame)
        frame->ShowWindow(activate ? CChildFrame::Show::Activate : CChildFrame::Show::NoActivate);
    return false;
}

// A middle-clicked link or a top-level navigation of a locked window opens
// in a new window. Returns true when one took the navigation.
bool CBrowserView::RedirectToNewWindow(const QString& url) {
    CBrowserView* view =
        host_.CreateBrowserWindow(engineKind_, host_.Settings().ActivateNewWindow != 0, true);
    if (!view)
        return false;
    view->NavigateEngine(url);
    middleClickPending_ = false;
    return true;
}

void CBrowserView::BeforeNavigate2(const QString& url, const QString& targetFrame, bool* cancel) {
    if (popupState_ == PopupState::Closing) {
        *cancel = true;
        return;
    }
    if (popupState_ == PopupState::AwaitingFirstUrl && ShowAwaitedWindow(url, cancel))
        return;
    if ((middleClickPending_ || (locked_ && targetFrame.isEmpty())) && RedirectToNewWindow(url)) {
        *cancel = true;
        return;
    }
    progress_ = 0;
    const bool script = IsScriptUrl(url);
    if (IsActive()) {
        if (!script)
            host_.SetAddressText(url, true);
        host_.SetBusyAnimation(true);
        setFocus();
    }
    if (firstUrlState_ == RememberNextUrl) {
        firstUrl_ = url;
        firstUrlState_ = UrlRemembered;
    }
    SetTabProgress(progress_);
    if (!script) {
        currentUrl_ = url;
        clickPoint_ = QPoint(-1, -1);
    }
}

void CBrowserView::NavigateComplete2(const QString& url) {
    if (firstUrlState_ == UrlRemembered) {
        host_.AddToAddressList(firstUrl_);
        firstUrlState_ = NothingToRemember;
    }
    if (IsActive() && !url.isEmpty())
        host_.SetAddressText(url, true);
    history_.Record(PageTitle(), LocationURL());
    currentUrl_ = url;
    host_.SaveCurrentSession();
}

void CBrowserView::DocumentComplete(const QString& url) {
    progress_ = 100;
    busy_ = false;
    QString title = IsAboutBlank(url) ? QStringLiteral("about:blank") : ApplyTitleRule(PageTitle());
    const QString historyTitle = title;
    int tabProgress = 100;
    if (IsActive()) {
        host_.SetBusyAnimation(false);
        if (!url.isEmpty())
            host_.SetAddressText(url, false);
        tabProgress = -1;
    } else {
        title += QString::fromUtf16(kCompleteMark);
    }
    if (!title.isEmpty() && !keepTitle_)
        ApplyTitleChange(title, historyTitle);
    currentUrl_ = url;
    SetTabProgress(tabProgress);
    // A failed navigation ends with NavigateError right after this event:
    // the visit is recorded once the engine's events have been handled.
    const std::uint64_t visit = ++lastVisit_;
    QTimer::singleShot(0, this, [this, visit, url, pageTitle = PageTitle()] {
        if (visit != failedVisit_)
            host_.RecordVisit(url, pageTitle);
    });
}

void CBrowserView::TitleChange(const QString& title) {
    if (!title.isEmpty())
        ApplyTitleChange(title, title);
}

void CBrowserView::ProgressChange(std::int64_t progress, std::int64_t max) {
    progress_ = ProgressPercent(progress, max);
    SetTabProgress(progress_);
    const QString caption = ProgressCaption(ApplyTitleRule(PageTitle()), progress_, IsActive());
    if (!caption.isEmpty())
        SetDocumentTitle(caption);
}

void CBrowserView::StatusTextChange(const QString& text) {
    if (!IsActive())
        return;
    host_.SetStatusText(text);
    savedStatusText_ = text;
}

void CBrowserView::DownloadBegin() {
    busy_ = true;
    if (IsActive()) {
        host_.SetBusyAnimation(true);
        host_.RefreshFrameTitle();
    }
    host_.SaveCurrentSessionSoon();
}

void CBrowserView::DownloadComplete() {
    busy_ = EngineBusy();
    if (!IsActive())
        return;
    if (!busy_)
        host_.SetBusyAnimation(false);
    host_.RefreshFrameTitle();
}

void CBrowserView::CommandStateChange(int command, bool enable) {
    if (command == 1)
        forwardEnabled_ = enable;
    else if (command == 2)
        backEnabled_ = enable;
}

void CBrowserView::NewWindow2(IBrowserEngine** newWindow, bool* cancel) {
    if (host_.Settings().ClosePopups != 0 && !ClickOnElement()) {
        *cancel = true;
        // Nothing opens; the status bar says why.
        if (IsActive())
            host_.SetStatusText(res::loadString(sid::PopupBlockedNotice));
    } else if (CBrowserView* view = host_.CreateBrowserWindow(engineKind_, false, false)) {
        view->MarkAwaitingFirstUrl();
        *newWindow = view->Engine();
        *cancel = false;
    }
    if (!KeepsClickPointAfterNewWindow())
        clickPoint_ = QPoint(-1, -1);
}

// The page shown is the engine's error page: the address that failed goes
// back into the address box, ready to be corrected, and is never kept as a
// typed address.
void CBrowserView::NavigateError(const QString& url) {
    failedVisit_ = lastVisit_;
    if (firstUrlState_ == UrlRemembered)
        firstUrlState_ = NothingToRemember;
    if (IsActive())
        host_.ShowFailedAddress(url);
}

void CBrowserView::WindowClosing(bool* cancel) {
    if (CChildFrame* frame = ChildFrame())
        frame->ShowWindow(CChildFrame::Show::Activate);
    CAppSettings& settings = host_.Settings();
    if (settings.ConfirmUserClose != 0) {
        const int answer =
            CCheckMessageBox::AskAndStore(host_.MainWindow(), sid::ConfirmPageClose,
                                          MB_YESNO | MB_ICONQUESTION, settings.ConfirmUserClose);
        if (answer != IDYES) {
            *cancel = true;
            return;
        }
    }
    *cancel = false;
    host_.PostCommand(cmd::FileClose);
}

// ---------------------------------------------------------------------------
// Activation and lifecycle

void CBrowserView::OnActivateView() {
    host_.SetBusyAnimation(busy_ || progress_ < 100);
    host_.SetAddressText(currentUrl_, false);
    if (WindowBarModel* bar = host_.WindowBarTabs())
        bar->select(this);
    host_.SetStatusText(savedStatusText_);
    if (progress_ == 100 || !busy_) {
        const QString title = ApplyTitleRule(PageTitle());
        SetDocumentTitle(title);
        SetTabText(title);
        SetTabProgress(-1);
    }
    if (QWidget* widget = engine_ ? engine_->Widget() : nullptr) {
        widget->setFocus();
        widget->repaint();
    }
}

void CBrowserView::OnDestroy() {
    if (destroyed_)
        return;
    destroyed_ = true;
    StopAutoRefresh();
    if (WindowBarModel* bar = host_.WindowBarTabs())
        bar->remove(this);
    history_.Clear();
}

// ---------------------------------------------------------------------------
// Lock, download control, auto refresh

void CBrowserView::SetLocked(bool locked) {
    locked_ = locked;
    if (WindowBarModel* bar = host_.WindowBarTabs())
        bar->setLockMark(this, locked);
}

void CBrowserView::SetDownloadControl(std::uint32_t flags, bool apply) {
    downloadControl_ = flags;
    if (!engine_)
        return;
    if (apply)
        engine_->SetSilent((flags & dlctl::Silent) != 0);
    engine_->SetDownloadControl(flags, apply);
}

bool CBrowserView::RefreshTimerRunning() const {
    return refreshTimer_->isActive();
}

void CBrowserView::StartAutoRefresh() {
    refreshTimer_->stop();
    // The dialog only ever gives an interval inside the bounds; a stored one
    // from elsewhere must not make the page reload without pause.
    const int seconds = std::clamp(refreshSeconds_, kMinRefreshSeconds, kMaxRefreshSeconds);
    refreshTimer_->start(seconds * 1000);
    autoRefreshOn_ = true;
}

void CBrowserView::StopAutoRefresh() {
    refreshTimer_->stop();
    autoRefreshOn_ = false;
}

void CBrowserView::SetAutoRefresh(int seconds, bool on) {
    refreshSeconds_ = seconds;
    host_.Settings().SetAutoRefreshInterval(seconds);
    if (on)
        StartAutoRefresh();
    else
        StopAutoRefresh();
}

void CBrowserView::ToggleAutoRefresh() {
    if (autoRefreshOn_)
        StopAutoRefresh();
    else
        StartAutoRefresh();
}

// ---------------------------------------------------------------------------
// Mouse

void CBrowserView::WatchEngineWidget(QWidget* widget) {
    widget->installEventFilter(this);
    for (QObject* child : widget->children()) {
        if (auto* w = qobject_cast<QWidget*>(child))
            WatchEngineWidget(w);
    }
}

bool CBrowserView::HandleMousePress(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* engineWidget = engine_ ? engine_->Widget() : nullptr;
    // The engine may move its inner widgets about; only presses inside the
    // engine's own widget count.
    if (!widget || !engineWidget || (widget != engineWidget && !engineWidget->isAncestorOf(widget)))
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    clickPoint_ = widget == engineWidget
                      ? mouse->position().toPoint()
                      : engineWidget->mapFromGlobal(mouse->globalPosition().toPoint());
    if (mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton) {
        middleClickPending_ = false;
        return false;
    }
    if (mouse->button() != Qt::MiddleButton || host_.Settings().MButtonOpenLinkInNew == 0 ||
        !engine_->ElementAtPoint(clickPoint_))
        return false;
    middleClickPending_ = true;
    engine_->ClickElementAt(clickPoint_);
    return true;
}

bool CBrowserView::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (HandleMousePress(watched, event))
            return true;
        break;
    case QEvent::ChildAdded:
        if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
            WatchEngineWidget(child);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
