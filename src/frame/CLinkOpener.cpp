#include "frame/CLinkOpener.h"

#include "browser/CBrowserView.h"
#include "browser/CMozillaView.h"
#include "frame/IMainFrameHost.h"
#include "system/MozillaControl.h"

#include <QGuiApplication>

CLinkOpener::CLinkOpener(IMainFrameHost& host, ViewSource activeView)
    : m_host(host), m_activeView(std::move(activeView)) {}

Qt::KeyboardModifiers CLinkOpener::Modifiers() const {
    return m_modifiers ? m_modifiers() : QGuiApplication::queryKeyboardModifiers();
}

bool CLinkOpener::SecondEngineWanted() const {
    return Modifiers().testFlag(Qt::ControlModifier) && IsMozillaControlAvailable();
}

void CLinkOpener::Open(const QString& url, bool newWindow, bool secondEngine) {
    if (url.isEmpty())
        return;
    const int engine = secondEngine ? CMozillaView::kEngineKind : 0;
    CBrowserView* view = m_activeView ? m_activeView() : nullptr;
    if (!view || newWindow || (secondEngine && view->EngineKind() != CMozillaView::kEngineKind))
        view = m_host.CreateBrowserWindow(engine, true, true);
    if (view)
        view->Navigate(url, CBrowserView::NothingToRemember, false);
}

void CLinkOpener::OpenInNewWindows(const QStringList& urls, int engine) {
    for (const QString& url : urls) {
        if (url.isEmpty())
            continue;
        if (CBrowserView* view = m_host.CreateBrowserWindow(engine, true, true))
            view->Navigate(url, CBrowserView::NothingToRemember, false);
    }
}
