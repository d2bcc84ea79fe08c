#include "browser/engine/EngineWebView.h"

#include <QWebEnginePage>

EngineWebView::EngineWebView(QWidget* parent) : QWebEngineView(parent) {}

void EngineWebView::SetPageWanted(bool wanted) {
    m_wanted = wanted;
    QWebEnginePage* shown = page();
    const bool visible = wanted && isVisible();
    if (shown && shown->isVisible() != visible)
        shown->setVisible(visible);
}

void EngineWebView::showEvent(QShowEvent* event) {
    // The base class makes the page visible as the widget shows; a page
    // nobody can see stays hidden, so only the widget's own part runs.
    if (m_wanted)
        QWebEngineView::showEvent(event);
    else
        QWidget::showEvent(event);
}
