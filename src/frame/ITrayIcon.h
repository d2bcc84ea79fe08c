#pragma once

#include <QIcon>
#include <QString>

#include <functional>
#include <memory>

class QMenu;

// The icon in the desktop's notification area as the tray feature uses it.
// The program's is a QSystemTrayIcon (CQtTrayIcon); tests use a stand-in.
class ITrayIcon {
public:
    using ClickHandler = std::function<void()>;
    // Makes the icon of the running program (the real one unless a test set
    // a factory).
    using Factory = std::function<std::unique_ptr<ITrayIcon>()>;

    virtual ~ITrayIcon() = default;

    // Whether the desktop has a notification area now.
    virtual bool IsAvailable() const = 0;
    // Puts the icon into the notification area with its tip; menu (not
    // owned, outliving the icon) is what a right click opens.
    virtual void Add(const QIcon& icon, const QString& tip, QMenu* menu) = 0;
    // Takes the icon out again; nothing when it is not there.
    virtual void Remove() = 0;
    virtual bool IsAdded() const = 0;

    // Told of every left click on the icon while it is there (a right
    // click opens the menu given to Add).
    void SetClickHandler(ClickHandler handler) { m_clicked = std::move(handler); }

protected:
    void Clicked() const {
        if (m_clicked)
            m_clicked();
    }

private:
    ClickHandler m_clicked;
};
