#pragma once

// The interface between the program and the second engine's plug-in
// library (mozctlx.so), which runs pages on WebKitGTK in the program's
// process. The plug-in is loaded with dlopen; besides DllRegisterServer and
// DllUnregisterServer it exports the C functions named below. Objects cross
// the boundary as abstract classes (one vtable pointer, methods in
// declaration order), strings as NUL-terminated UTF-8, valid for the call.
// Everything runs on the program's user-interface thread, whose GLib main
// loop also serves the plug-in's GTK sources.

#include <cstddef>
#include <cstdint>

namespace engineplugin {

inline constexpr int kAbiVersion = 2;

class IPage;

// What to print and how. Lengths are in millimetres.
struct PrintJob {
    const char* printer = nullptr; // the printer's name; null or empty: the default
    const char* output = nullptr;  // a PDF file to print into instead, or null
    bool landscape = false;
    double paperWidth = 0; // portrait width and height; 0: the printer's paper
    double paperHeight = 0;
    double marginLeft = -1; // negative: the engine's margins
    double marginTop = -1;
    double marginRight = -1;
    double marginBottom = -1;
    int copies = 1;
};

// Receives an answer the plug-in gives later (page source, script result).
using DataCallback = void (*)(void* context, const char* data, std::size_t size, bool ok);

// What a page reports to its owner, the program.
class IPageEvents {
public:
    // A navigation of the top-level document (frameName null) or of a frame
    // (frameName its name, maybe empty) is about to start; false refuses it.
    virtual bool DecideNavigation(const char* url, const char* frameName) = 0;
    virtual void LoadStarted(const char* url) = 0;
    // The first data of the new document arrived: the address is final.
    virtual void LoadCommitted(const char* url) = 0;
    // The load ended; failed when it failed or was stopped (stopped true).
    virtual void LoadFinished(const char* url, bool failed, bool stopped) = 0;
    // The page's address changed without a load (anchors, history API).
    virtual void AddressChanged(const char* url) = 0;
    virtual void TitleChanged(const char* title) = 0;
    // 0.0 .. 1.0
    virtual void ProgressChanged(double progress) = 0;
    // The link under the mouse, empty when none.
    virtual void LinkHovered(const char* url) = 0;
    // The page asks for a new window: return the page made for it with
    // CreatePage(this page), or null to refuse.
    virtual IPage* CreateWindow() = 0;
    // A script asks to close the window.
    virtual void CloseRequested() = 0;
    // A mouse button (1 left, 2 middle, 3 right) went down at x, y of the
    // page's window; onContent tells whether it was on the page's content
    // (not a scroll bar). True swallows the press.
    virtual bool ButtonPressed(int x, int y, int button, bool onContent) = 0;
    // A script dialog: kind 0 alert, 1 confirm, 2 prompt. Returns the
    // answer (true for OK); a prompt's text goes through setText(context).
    virtual bool ScriptDialog(int kind, const char* message, const char* defaultText,
                              void (*setText)(void* context, const char* text), void* context) = 0;
    // The page hands over a file to save (a link to an archive, a response
    // the engine cannot show): suggestedName is the server's name for it.
    // Returns false to cancel the download; otherwise the chosen path goes
    // through setText(context).
    virtual bool ChooseDownloadPath(const char* suggestedName, const char* url,
                                    void (*setText)(void* context, const char* text),
                                    void* context) = 0;
    // A download the page started ended; error is null when it succeeded.
    virtual void DownloadFinished(const char* path, const char* error) = 0;

protected:
    ~IPageEvents() = default;
};

// One page in a window of its own (an X window embeddable in another).
class IPage {
public:
    // Destroys the page and its window; no event comes after.
    virtual void Destroy() = 0;
    // Where events go; null stops them.
    virtual void SetEvents(IPageEvents* events) = 0;
    // The X window id of the page's window.
    virtual std::uint64_t WindowId() = 0;
    // Gives the page the keyboard focus.
    virtual void Focus() = 0;

    virtual void Load(const char* url) = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual void Reload() = 0;
    virtual void Stop() = 0;
    virtual bool CanGoBack() = 0;
    virtual bool CanGoForward() = 0;
    virtual bool Loading() = 0;
    // The current address and title (empty when none).
    virtual const char* Address() = 0;
    virtual const char* Title() = 0;

    virtual void SetZoom(double factor) = 0;
    // Which content the page may load or run.
    virtual void SetContent(bool images, bool scripts, bool media) = 0;
    // "Cut", "Copy", "Paste", "SelectAll".
    virtual void EditCommand(const char* command) = 0;
    // Highlights the next match of text (case-insensitive, wrapping).
    virtual void Find(const char* text) = 0;
    // Runs script in the page; the result text comes to done (may be null).
    virtual void RunScript(const char* script, DataCallback done, void* context) = 0;
    // The main document's source as received; comes to done.
    virtual void FetchSource(DataCallback done, void* context) = 0;
    // Prints without asking, as job says. False when it cannot start;
    // otherwise done (may be null) learns the end: ok, or the error text.
    virtual bool Print(const PrintJob& job, DataCallback done, void* context) = 0;
    // The user agent the page's requests carry.
    virtual const char* UserAgent() = 0;

protected:
    ~IPage() = default;
};

// The exported functions (C linkage) and their types.
// kAbiVersion of the plug-in.
using AbiVersionFn = int (*)();
inline constexpr char kAbiVersionName[] = "QuorrelinEngineAbiVersion";
// Starts the toolkit on the X display once; false when it cannot.
using InitFn = bool (*)();
inline constexpr char kInitName[] = "QuorrelinEngineInit";
// A new page; related (may be null) is the page that asked for it as a
// new window. Null when it cannot be made.
using CreatePageFn = IPage* (*)(IPage* related);
inline constexpr char kCreatePageName[] = "QuorrelinEngineCreatePage";
// The engine's name and version, e.g. "WebKitGTK 2.50.6".
using VersionFn = const char* (*)();
inline constexpr char kVersionName[] = "QuorrelinEngineVersion";

} // namespace engineplugin
