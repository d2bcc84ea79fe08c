#include "frame/FrameCaption.h"

#include <QChildEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScopedValueRollback>

FrameCaption::FrameCaption(QMainWindow& window, QMdiArea& area, BaseTitle baseTitle,
                           ActiveWindow activeWindow, QObject* parent)
    : QObject(parent), m_window(window), m_area(area), m_baseTitle(std::move(baseTitle)),
      m_activeWindow(std::move(activeWindow)) {
    window.installEventFilter(this);
    area.viewport()->installEventFilter(this);
    for (QMdiSubWindow* child : area.subWindowList())
        watch(*child);
    connect(&area, &QMdiArea::subWindowActivated, this, &FrameCaption::refresh);
}

void FrameCaption::watch(QMdiSubWindow& child) {
    child.installEventFilter(this);
    connect(&child, &QMdiSubWindow::windowStateChanged, this, &FrameCaption::refresh,
            Qt::UniqueConnection);
}

QString FrameCaption::compose(const QString& base, bool active, const QString& document,
                              bool maximized) {
    if (!active || document.isEmpty())
        return base;
    if (maximized)
        return base + QStringLiteral(" - [") + document + QLatin1Char(']');
    return document + QStringLiteral(" - ") + base;
}

QString FrameCaption::caption() const {
    const QMdiSubWindow* active = m_activeWindow();
    return compose(m_baseTitle(), active != nullptr, active ? active->windowTitle() : QString(),
                   active && active->isMaximized());
}

void FrameCaption::refresh() {
    const QString wanted = caption();
    if (m_window.windowTitle() == wanted)
        return;
    const QScopedValueRollback applying(m_applying, true);
    m_window.setWindowTitle(wanted);
}

bool FrameCaption::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (watched == m_area.viewport())
            if (auto* child =
                    qobject_cast<QMdiSubWindow*>(static_cast<QChildEvent*>(event)->child()))
                watch(*child);
        break;
    case QEvent::WindowTitleChange:
        // The window area writes its own form of the caption while a window
        // is maximised; the main window's caption is this one's alone.
        if (!m_applying)
            refresh();
        break;
    case QEvent::WindowStateChange:
        if (watched != &m_window)
            refresh();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
