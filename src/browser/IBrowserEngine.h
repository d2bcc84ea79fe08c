#pragma once

#include <QPoint>
#include <QString>

#include <cstdint>

class QWidget;
class IBrowserEngine;

// Engine commands that ExecWB/QueryStatusWB take (the OLECMDID numbers).
namespace olecmd {
inline constexpr int SaveAs = 4;
inline constexpr int PrintPreview = 7;
inline constexpr int PageSetup = 8;
inline constexpr int Properties = 10;
inline constexpr int Cut = 11;
inline constexpr int Copy = 12;
inline constexpr int Paste = 13;
inline constexpr int SelectAll = 17;
inline constexpr int Zoom = 19;
inline constexpr int Print = 6;
// QueryStatusWB result bits.
inline constexpr int Supported = 1;
inline constexpr int Enabled = 2;
} // namespace olecmd

// Engine-specific commands of the browser (find, view source, Internet options).
namespace browsercmd {
inline constexpr int Find = 1;
inline constexpr int ViewSource = 2;
inline constexpr int InternetOptions = 3;
} // namespace browsercmd

// Download-control bits (which content a page may load or run).
namespace dlctl {
inline constexpr std::uint32_t Images = 0x10;
inline constexpr std::uint32_t Videos = 0x20;
inline constexpr std::uint32_t BackgroundSounds = 0x40;
inline constexpr std::uint32_t NoScripts = 0x80;
inline constexpr std::uint32_t NoJava = 0x100;
inline constexpr std::uint32_t NoActiveX = 0x400;
inline constexpr std::uint32_t Silent = 0x40000000;
inline constexpr std::uint32_t Default = 0x70;
} // namespace dlctl

// What an engine reports. All events arrive on the user-interface thread,
// in the order a page load produces them. A handler may cancel where the
// event has a cancel flag.
class IBrowserEngineEvents {
public:
    virtual ~IBrowserEngineEvents() = default;

    // A navigation is about to start. targetFrame is empty for the
    // top-level document. Setting *cancel stops it.
    virtual void BeforeNavigate2(const QString& url, const QString& targetFrame, bool* cancel) = 0;
    virtual void NavigateComplete2(const QString& url) = 0;
    // Only for the top-level document (frames do not report it).
    virtual void DocumentComplete(const QString& url) = 0;
    virtual void TitleChange(const QString& title) = 0;
    // progress of max; max 0 or progress -1 mean done.
    virtual void ProgressChange(std::int64_t progress, std::int64_t max) = 0;
    virtual void StatusTextChange(const QString& text) = 0;
    virtual void DownloadBegin() = 0;
    virtual void DownloadComplete() = 0;
    // command 1 = forward, 2 = back.
    virtual void CommandStateChange(int command, bool enable) = 0;
    // A page asks for a new window. Set *cancel to refuse, or set *newWindow
    // to the engine of a window made for it (not owned here).
    virtual void NewWindow2(IBrowserEngine** newWindow, bool* cancel) = 0;
    // A page script asks to close its window. Setting *cancel keeps it.
    virtual void WindowClosing(bool* cancel) = 0;
    // The top-level navigation to url failed (no such address, no answer,
    // not an address at all); the engine shows an error page for it and
    // reports its DocumentComplete before this. Engines that cannot tell
    // never send it.
    virtual void NavigateError(const QString& url) { (void)url; }
};

// One browser engine instance: a page in a widget, driven by the view.
// Every operation is safe on an engine that failed or has no page: it does
// nothing or returns its neutral value (false, 0, empty).
class IBrowserEngine {
public:
    virtual ~IBrowserEngine() = default;

    // The widget showing the page (owned by the engine's owner). May be
    // null for engines without a display (tests).
    virtual QWidget* Widget() = 0;
    // Where events go; not owned. Null stops events.
    virtual void SetEvents(IBrowserEngineEvents* events) = 0;

    virtual void Navigate2(const QString& url) = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual void GoHome() = 0;
    virtual void GoSearch() = 0;
    virtual void Refresh() = 0;
    virtual void Stop() = 0;

    virtual bool Busy() const = 0;
    // 0 uninitialised .. 4 complete.
    virtual int ReadyState() const = 0;
    virtual bool Offline() const = 0;
    virtual void SetOffline(bool offline) = 0;
    virtual bool Silent() const = 0;
    virtual void SetSilent(bool silent) = 0;
    virtual QString LocationName() const = 0;
    virtual QString LocationURL() const = 0;

    // OLECMDID commands (olecmd::); QueryStatusWB returns olecmd bits.
    virtual int QueryStatusWB(int command) = 0;
    // argument: the zoom level for olecmd::Zoom, otherwise unused. Returns
    // false when the engine cannot do it.
    virtual bool ExecWB(int command, int argument = 0) = 0;
    // The current text size level 0..4 (2 when unknown).
    virtual int ZoomLevel() const = 0;
    virtual bool ExecBrowserCommand(int command) = 0; // browsercmd::

    // Applies download-control flags (dlctl::) to the page; with refresh
    // the page loads again under the new flags.
    virtual void SetDownloadControl(std::uint32_t flags, bool refresh) = 0;
    // Whether an element lies at point (engine widget coordinates).
    virtual bool ElementAtPoint(QPoint point) = 0;
    // Clicks the element at point (a middle click opening a link).
    virtual void ClickElementAt(QPoint point) = 0;
    // Saves the page as HTML to path (for mail); false when it cannot.
    virtual bool SavePage(const QString& path) = 0;
    // Whether the user can see the page now. A page that cannot be seen
    // need not be drawn; it still loads, reports its events, prints and
    // saves as before. Pages count as seen until told otherwise. Engines
    // that cannot stop drawing ignore it.
    virtual void SetPageVisible(bool visible) { (void)visible; }
};
