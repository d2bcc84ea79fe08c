#include "browser/engine/ScriptedEngine.h"

#include "browser/engine/EngineZoom.h"

QString ScriptedEngine::key(QPoint point) {
    return QStringLiteral("%1,%2").arg(point.x()).arg(point.y());
}

void ScriptedEngine::setLocation(const QString& url, const QString& name) {
    m_locationUrl = url;
    m_locationName = name;
}

bool ScriptedEngine::playBeforeNavigate(const QString& url, const QString& targetFrame) {
    bool cancel = false;
    if (m_events)
        m_events->BeforeNavigate2(url, targetFrame, &cancel);
    return !cancel;
}

void ScriptedEngine::playNavigateComplete(const QString& url) {
    if (m_events)
        m_events->NavigateComplete2(url);
}

void ScriptedEngine::playDocumentComplete(const QString& url) {
    if (m_events)
        m_events->DocumentComplete(url);
}

void ScriptedEngine::playTitle(const QString& title) {
    if (m_events)
        m_events->TitleChange(title);
}

void ScriptedEngine::playProgress(std::int64_t progress, std::int64_t max) {
    if (m_events)
        m_events->ProgressChange(progress, max);
}

void ScriptedEngine::playStatusText(const QString& text) {
    if (m_events)
        m_events->StatusTextChange(text);
}

void ScriptedEngine::playDownloadBegin() {
    if (m_events)
        m_events->DownloadBegin();
}

void ScriptedEngine::playDownloadComplete() {
    if (m_events)
        m_events->DownloadComplete();
}

void ScriptedEngine::playCommandState(int command, bool enable) {
    if (m_events)
        m_events->CommandStateChange(command, enable);
}

ScriptedEngine::NewWindowAnswer ScriptedEngine::playNewWindow() {
    NewWindowAnswer answer;
    if (m_events)
        m_events->NewWindow2(&answer.window, &answer.cancelled);
    return answer;
}

bool ScriptedEngine::playWindowClosing() {
    bool cancel = false;
    if (m_events)
        m_events->WindowClosing(&cancel);
    return cancel;
}

bool ScriptedEngine::playLoad(const QString& url, const QString& title) {
    if (!playBeforeNavigate(url))
        return false;
    m_busy = true;
    m_readyState = 1;
    playDownloadBegin();
    m_locationUrl = url;
    m_locationName = url;
    m_readyState = 3;
    playNavigateComplete(url);
    playProgress(50, 100);
    playProgress(100, 100);
    m_locationName = title;
    playTitle(title);
    m_busy = false;
    m_readyState = 4;
    playDocumentComplete(url);
    playDownloadComplete();
    return true;
}

bool ScriptedEngine::playFrameLoad(const QString& url, const QString& frameName) {
    return playBeforeNavigate(url, frameName);
}

void ScriptedEngine::Navigate2(const QString& url) {
    record(QStringLiteral("Navigate2 ") + url);
}

void ScriptedEngine::GoBack() {
    record(QStringLiteral("GoBack"));
}

void ScriptedEngine::GoForward() {
    record(QStringLiteral("GoForward"));
}

void ScriptedEngine::GoHome() {
    record(QStringLiteral("GoHome"));
}

void ScriptedEngine::GoSearch() {
    record(QStringLiteral("GoSearch"));
}

void ScriptedEngine::Refresh() {
    record(QStringLiteral("Refresh"));
}

void ScriptedEngine::Stop() {
    record(QStringLiteral("Stop"));
}

void ScriptedEngine::SetOffline(bool offline) {
    m_offline = offline;
    record(QStringLiteral("SetOffline %1").arg(offline ? 1 : 0));
}

void ScriptedEngine::SetSilent(bool silent) {
    m_silent = silent;
    record(QStringLiteral("SetSilent %1").arg(silent ? 1 : 0));
}

bool ScriptedEngine::ExecWB(int command, int argument) {
    record(QStringLiteral("ExecWB %1 %2").arg(command).arg(argument));
    if (!m_execResult)
        return false;
    if (command == olecmd::Zoom) {
        if (!enginezoom::IsLevel(argument))
            return false;
        m_zoomLevel = argument;
    }
    return true;
}

bool ScriptedEngine::ExecBrowserCommand(int command) {
    record(QStringLiteral("ExecBrowserCommand %1").arg(command));
    return m_browserCommandResult;
}

void ScriptedEngine::SetDownloadControl(std::uint32_t flags, bool refresh) {
    m_downloadControl = flags;
    record(QStringLiteral("SetDownloadControl 0x%1 %2")
               .arg(flags, 0, 16)
               .arg(refresh ? QStringLiteral("refresh") : QStringLiteral("keep")));
}

bool ScriptedEngine::ElementAtPoint(QPoint point) {
    return m_elements.value(key(point), false);
}

void ScriptedEngine::ClickElementAt(QPoint point) {
    record(QStringLiteral("ClickElementAt %1,%2").arg(point.x()).arg(point.y()));
}

bool ScriptedEngine::SavePage(const QString& path) {
    record(QStringLiteral("SavePage ") + path);
    return m_savePageResult;
}

void ScriptedEngine::playNavigateError(const QString& url) {
    if (m_events)
        m_events->NavigateError(url);
}
