#include "frame/CChildFrame.h"

#include "browser/CBrowserDoc.h"
#include "browser/CBrowserView.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMdiArea>
#include <QStyle>

namespace {

constexpr int kMinimumWidth = 200;
constexpr int kMinimumHeight = 150;
// Windows cascade this many steps before starting again at the corner.
constexpr int kCascadeSteps = 8;

} // namespace

CChildFrame::CChildFrame(std::unique_ptr<CBrowserDoc> document, QWidget* parent)
    : QMdiSubWindow(parent), document_(std::move(document)) {
    setObjectName(QStringLiteral("childFrame"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(document_->Title());
    connect(document_.get(), &CBrowserDoc::titleChanged, this,
            [this](const QString& title) { setWindowTitle(title); });
    connect(this, &QMdiSubWindow::windowStateChanged, this, &CChildFrame::onWindowStateChanged);
    // The window menu's built-in keys (close, ...) would shadow the main
    // window's accelerators; the main window gives the keys instead.
    if (QMenu* menu = systemMenu())
        for (QAction* action : menu->actions())
            action->setShortcuts({});
}

CChildFrame::~CChildFrame() {
    // The view refers to its document to the end.
    if (document_)
        document_->SetView(nullptr);
    delete view_;
    view_ = nullptr;
    document_.reset();
}

void CChildFrame::SetView(std::unique_ptr<CBrowserView> view) {
    view_ = view.release();
    document_->SetView(view_);
    setWidget(view_);
}

void CChildFrame::Activate() {
    if (QMdiArea* area = mdiArea())
        area->setActiveSubWindow(this);
}

QSize CChildFrame::DefaultSize(QSize room) {
    return QSize(room.width() * 3 / 4, room.height() * 3 / 4)
        .expandedTo(QSize(kMinimumWidth, kMinimumHeight));
}

// A window shown normal for the first time takes three quarters of the
// window area, cascaded below and right of the windows shown before it.
void CChildFrame::giveDefaultSize() {
    if (sized_)
        return;
    sized_ = true;
    const QMdiArea* area = mdiArea();
    if (!area)
        return;
    resize(DefaultSize(area->viewport()->size()));
    qsizetype shown = 0;
    for (const QMdiSubWindow* window : area->subWindowList())
        shown += window != this && window->isVisible() ? 1 : 0;
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const int offset = static_cast<int>(shown % kCascadeSteps) * step;
    move(offset, offset);
}

void CChildFrame::ShowWindow(Show how) {
    QMdiArea* area = mdiArea();
    // The window active now: the area's, else the one it names current
    // (while the main window is inactive) unless that was never shown.
    QMdiSubWindow* active = area ? area->activeSubWindow() : nullptr;
    if (area && !active)
        active = area->currentSubWindow();
    if (active == this || (active && active->isHidden()))
        active = nullptr;
    if (!isMaximized())
        giveDefaultSize();
    // The window area activates a window in the middle of showing it, where
    // the window cannot yet take the maximised state the area gives it
    // among maximised windows (it came out at its normal size without a
    // frame). So a window is shown first without being activated (a
    // disabled one is not), and then activated as the area's windows are.
    const bool enabled = isEnabled();
    quietActivation_ = true;
    setEnabled(false);
    show();
    setEnabled(enabled);
    quietActivation_ = false;
    switch (how) {
    case Show::Maximized:
        Activate();
        if (!isMaximized())
            showMaximized();
        break;
    case Show::Activate:
        // Among maximised windows the area maximises it as it activates it.
        Activate();
        break;
    case Show::NoActivate:
        // The active one stays active and in front (a maximised one stays
        // maximised), and this view never hears of it.
        if (area && active) {
            if (area->activeSubWindow() != active)
                area->setActiveSubWindow(active);
            active->raise();
        }
        break;
    }
}

void CChildFrame::onWindowStateChanged(Qt::WindowStates oldState, Qt::WindowStates newState) {
    if ((newState & Qt::WindowActive) && !(oldState & Qt::WindowActive) && view_ &&
        !quietActivation_)
        view_->OnActivateView();
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (document_ && !document_->CanCloseFrame()) {
        event->ignore();
        return;
    }
    emit closing(this);
    if (view_)
        view_->OnDestroy();
    // A window never shown (a page's window closed before its first
    // address) leaves the window area first: the area counts a window it
    // was given as the last one activated, and would activate another in
    // its place.
    if (QMdiArea* area = mdiArea(); area && isHidden())
        area->removeSubWindow(this);
    QMdiSubWindow::closeEvent(event);
}
