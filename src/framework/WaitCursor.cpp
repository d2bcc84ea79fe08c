#include "framework/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace {
int g_depth = 0;
} // namespace

WaitCursor::WaitCursor(Qt::CursorShape shape) : m_active(qGuiApp != nullptr) {
    if (!m_active)
        return;
    QGuiApplication::setOverrideCursor(QCursor(shape));
    ++g_depth;
}

WaitCursor::~WaitCursor() {
    if (!m_active || !qGuiApp)
        return;
    QGuiApplication::restoreOverrideCursor();
    --g_depth;
}

int WaitCursor::depth() {
    return g_depth;
}
