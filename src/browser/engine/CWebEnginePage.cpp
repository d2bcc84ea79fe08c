#include "browser/engine/CWebEnginePage.h"

CWebEnginePage::CWebEnginePage(QWebEngineProfile* profile, IEnginePageHost* host)
    : QWebEnginePage(profile), m_host(host) {}

bool CWebEnginePage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
    return m_host && m_host->pageNavigationRequest(url, isMainFrame);
}

QWebEnginePage* CWebEnginePage::createWindow(WebWindowType) {
    return m_host ? m_host->pageCreateWindow() : nullptr;
}

void CWebEnginePage::javaScriptAlert(const QUrl&, const QString& message) {
    if (m_host)
        m_host->pageAlert(message);
}

bool CWebEnginePage::javaScriptConfirm(const QUrl&, const QString& message) {
    return m_host && m_host->pageConfirm(message);
}

bool CWebEnginePage::javaScriptPrompt(const QUrl&, const QString& message,
                                      const QString& defaultValue, QString* result) {
    return m_host && m_host->pagePrompt(message, defaultValue, result);
}

void CWebEnginePage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                              const QString& message, int lineNumber,
                                              const QString& sourceId) {
    if (m_host && m_host->pageReportsConsole())
        QWebEnginePage::javaScriptConsoleMessage(level, message, lineNumber, sourceId);
}
