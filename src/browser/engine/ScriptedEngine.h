#pragma once

#include "browser/IBrowserEngine.h"

#include <QList>
#include <QMap>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <cstdint>

// An engine without a page, for tests of the code that drives an engine.
// It records every call made on it as a line of text and sends the events a
// test asks for ("play"), in the order a real engine would. Its answers
// (busy, location, element at a point, command status, ...) are set by the
// test. Widget() is null.
//
// Recorded calls, oldest first:
//   "Navigate2 <url>", "GoBack", "GoForward", "GoHome", "GoSearch", "Refresh",
//   "Stop", "SetOffline 1|0", "SetSilent 1|0", "ExecWB <command> <argument>",
//   "ExecBrowserCommand <command>", "SetDownloadControl 0x<hex> refresh|keep",
//   "ClickElementAt <x>,<y>", "SavePage <path>".
// Queries (Busy, QueryStatusWB, ElementAtPoint, ...) are not recorded.
//
// A play helper must not be called from inside an event handler of the
// same engine, and the handlers must not delete the engine while it plays.
class ScriptedEngine : public IBrowserEngine {
public:
    ScriptedEngine() = default;

    // --- What the test reads ---
    const QStringList& calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }
    IBrowserEngineEvents* events() const { return m_events; }
    std::uint32_t downloadControl() const { return m_downloadControl; }
    // What SetPageVisible last said (true at first; not recorded as a call).
    bool pageVisible() const { return m_pageVisible; }

    // --- What the test sets ---
    void setBusy(bool busy) { m_busy = busy; }
    void setReadyState(int state) { m_readyState = state; }
    void setLocation(const QString& url, const QString& name);
    // The answer of ElementAtPoint for point (false for points never set).
    void setElementAt(QPoint point, bool element) { m_elements[key(point)] = element; }
    // The bits QueryStatusWB returns for command (0 for commands never set).
    void setQueryStatus(int command, int bits) { m_status[command] = bits; }
    // What ExecWB, ExecBrowserCommand and SavePage return (true at first).
    void setExecResult(bool ok) { m_execResult = ok; }
    void setBrowserCommandResult(bool ok) { m_browserCommandResult = ok; }
    void setSavePageResult(bool ok) { m_savePageResult = ok; }

    // --- Events sent to the handler (nothing when none is set) ---
    // Returns true when the navigation may go on (not cancelled).
    bool playBeforeNavigate(const QString& url, const QString& targetFrame = QString());
    void playNavigateComplete(const QString& url);
    void playDocumentComplete(const QString& url);
    void playTitle(const QString& title);
    void playProgress(std::int64_t progress, std::int64_t max);
    void playStatusText(const QString& text);
    void playDownloadBegin();
    void playDownloadComplete();
    void playCommandState(int command, bool enable);
    struct NewWindowAnswer {
        IBrowserEngine* window = nullptr;
        bool cancelled = false;
    };
    NewWindowAnswer playNewWindow();
    // Returns true when the handler cancelled the close.
    bool playWindowClosing();
    void playNavigateError(const QString& url);

    // One whole top-level load: BeforeNavigate2, DownloadBegin (busy),
    // NavigateComplete2 (location becomes url, ready state 3), ProgressChange
    // 50 of 100 and 100 of 100, TitleChange (location name becomes title),
    // DocumentComplete (not busy, ready state 4), DownloadComplete. Stops
    // after BeforeNavigate2 and returns false when the handler cancels it.
    bool playLoad(const QString& url, const QString& title);
    // A frame of the page navigating: BeforeNavigate2 with the frame's name
    // (frames report no completion). Returns false when cancelled.
    bool playFrameLoad(const QString& url, const QString& frameName);

    // --- IBrowserEngine ---
    QWidget* Widget() override { return nullptr; }
    void SetEvents(IBrowserEngineEvents* events) override { m_events = events; }
    void Navigate2(const QString& url) override;
    void GoBack() override;
    void GoForward() override;
    void GoHome() override;
    void GoSearch() override;
    void Refresh() override;
    void Stop() override;
    bool Busy() const override { return m_busy; }
    int ReadyState() const override { return m_readyState; }
    bool Offline() const override { return m_offline; }
    void SetOffline(bool offline) override;
    bool Silent() const override { return m_silent; }
    void SetSilent(bool silent) override;
    QString LocationName() const override { return m_locationName; }
    QString LocationURL() const override { return m_locationUrl; }
    int QueryStatusWB(int command) override { return m_status.value(command, 0); }
    // olecmd::Zoom with a level 0..4 sets ZoomLevel (when the result is ok).
    bool ExecWB(int command, int argument = 0) override;
    int ZoomLevel() const override { return m_zoomLevel; }
    bool ExecBrowserCommand(int command) override;
    void SetDownloadControl(std::uint32_t flags, bool refresh) override;
    bool ElementAtPoint(QPoint point) override;
    void ClickElementAt(QPoint point) override;
    bool SavePage(const QString& path) override;
    void SetPageVisible(bool visible) override { m_pageVisible = visible; }

private:
    static QString key(QPoint point);
    void record(const QString& call) { m_calls.append(call); }

    IBrowserEngineEvents* m_events = nullptr;
    QStringList m_calls;
    bool m_busy = false;
    int m_readyState = 0;
    bool m_offline = false;
    bool m_silent = false;
    QString m_locationName;
    QString m_locationUrl;
    QMap<QString, bool> m_elements;
    QMap<int, int> m_status;
    bool m_execResult = true;
    bool m_browserCommandResult = true;
    bool m_savePageResult = true;
    int m_zoomLevel = 2;
    bool m_pageVisible = true;
    std::uint32_t m_downloadControl = dlctl::Default;
};
