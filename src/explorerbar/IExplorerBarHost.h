#pragma once

#include <QString>

class QAction;
class QPoint;
class VisitHistory;

// What the explorer bar and its panes need from the window around them.
class IExplorerBarHost {
public:
    virtual ~IExplorerBarHost() = default;

    // The main frame's client width (the limit of the bar's width).
    virtual int FrameClientWidth() const = 0;
    // The close button was clicked.
    virtual void CloseExplorerBar() = 0;
    // A drag of the bar's edge asks for width.
    virtual void ResizeExplorerBar(int width) = 0;
    // An item (not a folder) was clicked: open its address.
    virtual void OpenExplorerItem(const QString& address) = 0;
    // An item (not a folder) was right-clicked: the item menu at globalPos.
    virtual void ShowExplorerItemMenu(const QPoint& globalPos) = 0;
    // An action that runs command id through the command chain and follows
    // its enabled state; owned by the host.
    virtual QAction* CommandAction(unsigned id) = 0;
    // The visit history the History pane shows.
    virtual VisitHistory& History() = 0;
};
