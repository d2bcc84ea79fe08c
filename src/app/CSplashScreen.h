#pragma once

#include <QString>

#include <sys/types.h>

// The start-up splash as the application sees it. The picture and its
// moving strip are drawn by a small program of their own
// (quorrelin-splash), started at once with posix_spawn: it keeps animating
// whatever the main thread is doing, and starting it costs this process a
// spawn and nothing else. Requests go to it over a socket on its standard
// input and are never waited for; when this process ends, the splash ends
// with it. A click or Escape on the splash closes it without telling anyone:
// later requests then simply find nobody.
class CSplashScreen {
public:
    // Whether start-up shows the splash: DisplaySplash is set, the program
    // was started plainly or with one address or file (not for printing or
    // any other command), and there is something to draw it: a painter of
    // the caller's own, or the program's on a real display (the GUI
    // platform is not offscreen or minimal).
    static bool Wanted(int displaySplash, bool plainOrOpenStart, const QString& guiPlatform,
                       const QString& painter = QString());
    // The splash program beside the program, or in its companions' folder
    // when installed.
    static QString DefaultPainter();

    // painter empty: DefaultPainter().
    explicit CSplashScreen(QString painter = QString());
    ~CSplashScreen();
    CSplashScreen(const CSplashScreen&) = delete;
    CSplashScreen& operator=(const CSplashScreen&) = delete;

    // Starts the splash. False (and no splash) when its program cannot be
    // started; start-up goes on either way. Does nothing while one is shown.
    bool Show();
    // Asks the splash to close, without waiting; nothing when there is none
    // or it has gone already.
    void Close();
    // Started and not yet asked to close.
    bool IsShown() const { return m_channel >= 0; }
    // The splash program's process id while shown; 0 otherwise.
    pid_t ProcessId() const { return IsShown() ? m_pid : 0; }

private:
    QString m_painter;
    pid_t m_pid = 0;
    int m_channel = -1;
};
