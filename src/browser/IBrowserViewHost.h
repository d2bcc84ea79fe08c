#pragma once

#include <QString>

#include <vector>

class CAppSettings;
class CBrowserView;
class QWidget;
class WindowBarModel;
struct SendMailRequest;

// What a browser view needs from the program around it: the settings, the
// main window's address box, busy animation, status bar and caption, the
// window bar's tabs, new windows, the record of open windows and the mail
// sender. The application implements it and outlives every view.
class IBrowserViewHost {
public:
    virtual ~IBrowserViewHost() = default;

    virtual CAppSettings& Settings() = 0;
    // The view of the active browser window, null when none is active.
    virtual CBrowserView* ActiveView() const = 0;
    // Every open view of both engines, each engine's oldest first.
    virtual std::vector<CBrowserView*> AllViews() const = 0;

    // The address box shows text; navigationStart tells that a navigation
    // begins (not merely ends) at it.
    virtual void SetAddressText(const QString& text, bool navigationStart) = 0;
    // Adds url to the address box's list of typed addresses.
    virtual void AddToAddressList(const QString& url) = 0;
    virtual void SetBusyAnimation(bool on) = 0;
    // The status bar's text (empty: the idle text).
    virtual void SetStatusText(const QString& text) = 0;
    // The address box takes back the address of a failed navigation, with
    // the keyboard focus and the text selected, ready to be corrected.
    virtual void ShowFailedAddress(const QString& address) = 0;
    // A top-level navigation completed at url with title: a visit for the
    // history.
    virtual void RecordVisit(const QString& url, const QString& title) {
        (void)url;
        (void)title;
    }
    // Builds the main window's caption anew from the active window.
    virtual void RefreshFrameTitle() = 0;
    // The window bar's tabs; null while there is no main window.
    virtual WindowBarModel* WindowBarTabs() = 0;

    // A new browser window of engine (0 or 1); see CQuorrelin. Null when it
    // could not be made (the message has been shown then).
    virtual CBrowserView* CreateBrowserWindow(int engine, bool activate, bool show) = 0;
    // Rewrites the record of open windows.
    virtual void SaveCurrentSession() = 0;
    // The same, but may wait for the end of the current event-loop turn, so
    // that a burst of changes becomes one write.
    virtual void SaveCurrentSessionSoon() { SaveCurrentSession(); }
    // Routes command id through the command chain once the current event
    // has been handled.
    virtual void PostCommand(unsigned id) = 0;
    // Starts a mail thread for request; false when none could be started.
    virtual bool SendMail(SendMailRequest request) = 0;
    // The parent of the messages a view shows (the main window, or null).
    virtual QWidget* MainWindow() const = 0;
};
