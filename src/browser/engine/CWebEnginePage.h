#pragma once

#include <QWebEnginePage>

// What the page hands to the engine that owns it: the decisions the page
// itself has to take (navigation, new windows, script dialogs).
class IEnginePageHost {
public:
    virtual ~IEnginePageHost() = default;

    // Returns false to refuse the navigation.
    virtual bool pageNavigationRequest(const QUrl& url, bool isMainFrame) = 0;
    // The page of the window made for a page's request; null refuses it.
    virtual QWebEnginePage* pageCreateWindow() = 0;
    virtual void pageAlert(const QString& message) = 0;
    virtual bool pageConfirm(const QString& message) = 0;
    // Returns false when the prompt is refused; *result holds the answer.
    virtual bool pagePrompt(const QString& message, const QString& defaultValue,
                            QString* result) = 0;
    // Whether script console messages go to the log.
    virtual bool pageReportsConsole() const = 0;
};

// The page of an engine: passes its decisions to the host. Without a host
// (after the engine let go of it) it refuses navigations, new windows and
// dialogs, and reports nothing.
class CWebEnginePage : public QWebEnginePage {
    Q_OBJECT
public:
    CWebEnginePage(QWebEngineProfile* profile, IEnginePageHost* host);

    void detachHost() { m_host = nullptr; }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptAlert(const QUrl& securityOrigin, const QString& message) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& message) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& message,
                          const QString& defaultValue, QString* result) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int lineNumber, const QString& sourceId) override;

private:
    IEnginePageHost* m_host;
};
