#include "frame/CChildFrame.h"

#include "browser/CBrowserDoc.h"
#include "browser/CBrowserView.h"

#include <QCloseEvent>
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

// A window shown normal for the first time takes three quarters of the
// window area, cascaded below and right of the windows shown before it.
void CChildFrame::giveDefaultSize() {
    if (sized_)
        return;
    sized_ = true;
    const QMdiArea* area = mdiArea();
    if (!area)
        return;
    const QSize available = area->viewport()->size();
    resize(QSize(available.width() * 3 / 4, available.height() * 3 / 4)
               .expandedTo(QSize(kMinimumWidth, kMinimumHeight)));
    qsizetype shown = 0;
    for (const QMdiSubWindow* window : area->subWindowList())
        shown += window != this && window->isVisible() ? 1 : 0;
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const int offset = static_cast<int>(shown % kCascadeSteps) * step;
    move(offset, offset);
}

void CChildFrame::ShowWindow(Show how) {
    giveDefaultSize();
    switch (how) {
    case Show::Maximized:
        showMaximized();
        Activate();
        break;
    case Show::Activate:
        show();
        Activate();
        break;
    case Show::NoActivate: {
        QMdiArea* area = mdiArea();
        QMdiSubWindow* active = area ? area->currentSubWindow() : nullptr;
        // The window area activates a window it shows; the one active
        // before stays active, and this view never hears of the moment.
        quietActivation_ = true;
        show();
        quietActivation_ = false;
        if (area && active && area->currentSubWindow() != active)
            area->setActiveSubWindow(active);
        break;
    }
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
    QMdiSubWindow::closeEvent(event);
}
