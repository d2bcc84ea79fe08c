#include "browser/engine/ForeignWindowEmbedder.h"

#include <QEvent>
#include <QPlatformSurfaceEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

ForeignWindowEmbedder::ForeignWindowEmbedder(QWidget* host, QWindow* foreign)
    : QObject(host), m_host(host), m_foreign(foreign) {
    watchAncestors();
    sync();
}

ForeignWindowEmbedder::~ForeignWindowEmbedder() {
    detach();
    delete m_clip.data();
}

void ForeignWindowEmbedder::detach() {
    if (m_foreign) {
        m_foreign->setVisible(false);
        m_foreign->setParent(nullptr);
    }
    if (m_clip)
        m_clip->setVisible(false);
}

void ForeignWindowEmbedder::activate() {
    if (m_foreign && m_foreign->isVisible())
        m_foreign->requestActivate();
}

void ForeignWindowEmbedder::watchAncestors() {
    for (const QPointer<QWidget>& widget : std::as_const(m_watched)) {
        if (widget)
            widget->removeEventFilter(this);
    }
    m_watched.clear();
    for (QWidget* widget = m_host; widget; widget = widget->parentWidget()) {
        widget->installEventFilter(this);
        m_watched.append(widget);
        if (widget->isWindow())
            break;
    }
}

bool ForeignWindowEmbedder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_topWindow) {
        if (event->type() == QEvent::PlatformSurface &&
            static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed) {
            detach();
            delete m_clip.data();
            scheduleSync();
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::ParentChange:
        watchAncestors();
        scheduleSync();
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ZOrderChange:
    case QEvent::WindowStateChange:
    case QEvent::ChildAdded:
    case QEvent::ChildRemoved:
    case QEvent::WinIdChange:
        scheduleSync();
        break;
    case QEvent::FocusIn:
        if (watched == m_host)
            activate();
        break;
    default:
        break;
    }
    return false;
}

void ForeignWindowEmbedder::scheduleSync() {
    if (m_syncPending)
        return;
    m_syncPending = true;
    QTimer::singleShot(0, this, [this] {
        m_syncPending = false;
        sync();
    });
}

// A sibling of an ancestor that is stacked above it (later among its
// parent's children), shown and overlapping: the foreign window would
// cover it.
bool ForeignWindowEmbedder::covered() const {
    for (QWidget* widget = m_host; widget && !widget->isWindow(); widget = widget->parentWidget()) {
        const QObjectList& siblings = widget->parentWidget()->children();
        const qsizetype index = siblings.indexOf(widget);
        for (qsizetype i = index + 1; i < siblings.size(); ++i) {
            const auto* sibling = qobject_cast<const QWidget*>(siblings.at(i));
            if (sibling && sibling->isVisible() && !sibling->isWindow() &&
                sibling->geometry().intersects(widget->geometry()) &&
                !sibling->testAttribute(Qt::WA_TransparentForMouseEvents))
                return true;
        }
    }
    return false;
}

QRect ForeignWindowEmbedder::visiblePart() const {
    if (!m_host || !m_host->isVisible())
        return {};
    QWidget* top = m_host->window();
    QRect part(m_host->mapTo(top, QPoint(0, 0)), m_host->size());
    for (QWidget* widget = m_host->parentWidget(); widget && widget != top;
         widget = widget->parentWidget())
        part &= QRect(widget->mapTo(top, QPoint(0, 0)), widget->size());
    return part;
}

void ForeignWindowEmbedder::sync() {
    if (!m_host || !m_foreign)
        return;
    QWidget* top = m_host->window();
    m_hostRect = QRect(m_host->mapTo(top, QPoint(0, 0)), m_host->size());
    m_shownRect = covered() ? QRect() : visiblePart();
    if (m_shownRect.isEmpty()) {
        if (m_clip)
            m_clip->setVisible(false);
        return;
    }
    QWindow* topWindow = top->windowHandle();
    if (!topWindow)
        return; // not on screen yet; Show comes later
    if (topWindow != m_topWindow) {
        if (m_topWindow)
            m_topWindow->removeEventFilter(this);
        m_topWindow = topWindow;
        topWindow->installEventFilter(this);
    }
    if (!m_clip || m_clip->parent() != topWindow) {
        detach();
        delete m_clip.data();
        m_clip = new QWindow(topWindow);
    }
    m_clip->setGeometry(m_shownRect);
    if (m_foreign->parent() != m_clip)
        m_foreign->setParent(m_clip);
    m_foreign->setGeometry(QRect(m_hostRect.topLeft() - m_shownRect.topLeft(), m_hostRect.size()));
    m_foreign->setVisible(true);
    m_clip->setVisible(true);
    m_clip->raise();
}
