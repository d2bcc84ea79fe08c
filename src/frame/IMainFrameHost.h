#pragma once

#include <QString>

#include <vector>

class CAppSettings;
class CBrowserView;
class CommandRouter;
class CommandTarget;

// What the main frame needs from the application object. The application
// implements it and outlives the frame. Kept small so the frame can be built
// and tested with a stand-in host.
class IMainFrameHost {
public:
    virtual ~IMainFrameHost() = default;

    // The settings record (options and lists) of the running program.
    virtual CAppSettings& Settings() = 0;
    // The command router whose chain ends at the application.
    virtual CommandRouter& Router() = 0;
    // Rewrites this process's record of open windows (on closing, and on the
    // frame's "windows changed" notification).
    virtual void SaveCurrentSession() = 0;
    // Adds a window to the recently closed windows.
    virtual void AddClosedWindow(const QString& title, const QString& address) = 0;
    // An address handed over by another start (the pending address of the
    // navigate message): opens it in the active window or a new one according
    // to OpenInNewWindow, translated through the quick commands. Does nothing
    // until browser windows exist in the program.
    virtual void OpenHandedOverAddress(const QString& address) = 0;
    // A file dropped on the frame: opens it in a new, active browser window.
    virtual void OpenDroppedFile(const QString& path) = 0;
    // The address bar asks to open address (already translated and
    // completed): in the active window, or in a new one when newWindow is set
    // or no window is open.
    virtual void NavigateAddress(const QString& address, bool newWindow) = 0;
    // The same from the address bar. remember: the window hands the address
    // it finally reaches back to the bar's typed-address history
    // (CMainFrame::AddressBar()->AddToAddressList) when the navigation
    // completes; typed addresses are remembered, quick commands are not.
    virtual void NavigateFromAddressBar(const QString& address, bool remember, bool newWindow) {
        (void)remember;
        NavigateAddress(address, newWindow);
    }
    // The address of the active browser window; empty without one.
    virtual QString ActiveAddress() const { return QString(); }
    // Whether the program works offline (shared by all instances).
    virtual bool IsOffline() const = 0;
    // A new browser window of engine (1 the second engine, else engine 0),
    // as the application makes every window; null when none could be made
    // (or the host makes no windows).
    virtual CBrowserView* CreateBrowserWindow(int engine, bool activate, bool show) {
        (void)engine;
        (void)activate;
        (void)show;
        return nullptr;
    }
    // Every browser window: those of engine 0, then those of engine 1, each
    // in the order their documents were made.
    virtual std::vector<CBrowserView*> AllViews() const { return {}; }
};
