#pragma once

#include "frame/ITrayIcon.h"
#include "framework/CommandTarget.h"

#include <QObject>

#include <memory>

class CMainFrame;
class IMainFrameHost;
class QMenu;

// Minimising to the notification area. While MinimizeToSystray is set, a
// minimised main window is hidden behind an icon; a left click on it (or
// 33809 from its menu 206) brings the window back as it was before, 33810
// closes it the normal way (with the exit question). A desktop without a
// notification area keeps the window minimised normally and, once it is
// restored, says why in the status bar, so the window can never be lost. Commands: 33808 (the
// setting), 33809, 33810.
//
// Watches the frame's events; the frame owns it and outlives it.
class CSystemTray : public QObject, public CommandTarget {
public:
    CSystemTray(CMainFrame& frame, IMainFrameHost& host);
    ~CSystemTray() override;

    // Whether the window sits in the notification area now.
    bool IsInTray() const { return m_icon->IsAdded(); }
    // Brings the window back from the notification area (or from being
    // minimised) to its state before, in front.
    void ShowWindow();

    // Tests give the icon a stand-in; an empty factory restores the real one.
    static void SetIconFactory(ITrayIcon::Factory factory);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void registerCommands();
    void hideToTray();
    void leaveTray();

    CMainFrame& m_frame;
    IMainFrameHost& m_host;
    std::unique_ptr<ITrayIcon> m_icon;
    QMenu* m_menu = nullptr;
    // A close began in the notification area: the window stays an ordinary
    // minimised one until it is next restored, whatever the exit answer.
    bool m_closingFromTray = false;
    bool m_hiding = false;
    // Minimised without a notification area; told when the window is back.
    bool m_noticePending = false;
};
