#include "frame/CChildFrame.h"

#include "browser/CBrowserDoc.h"
#include "browser/CBrowserView.h"

#include <QCloseEvent>
#include <QMdiArea>

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

void CChildFrame::ShowWindow(Show how) {
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
