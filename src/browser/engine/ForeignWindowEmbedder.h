#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

class QWidget;
class QWindow;

// Shows a window of another toolkit (a page of the second engine) over a
// widget, without turning that widget or its ancestors into native windows.
//
// The browser windows of the first engine are drawn through the GPU into
// the main window's surface; native child windows inside such a window are
// not drawn at all (title bars and neighbours vanish). So the foreign window
// lives in a clip window of its own, a direct child of the top-level window,
// placed over the part of the host widget its ancestors let show. It follows
// the host and every ancestor (moves, resizes, showing, hiding, stacking),
// and hides while a sibling window of an ancestor (another browser window)
// lies over the host, since it would otherwise cover that window.
//
// The embedder does not own the foreign window's contents: on destruction
// the foreign window goes back to the screen's root, hidden, so its owner
// can destroy it.
class ForeignWindowEmbedder : public QObject {
    Q_OBJECT
public:
    ForeignWindowEmbedder(QWidget* host, QWindow* foreign);
    ~ForeignWindowEmbedder() override;

    // The place of the foreign window in the top-level window's
    // coordinates, and the part of it that shows (empty when hidden).
    QRect hostRect() const { return m_hostRect; }
    QRect shownRect() const { return m_shownRect; }
    // Gives the foreign window the keyboard focus.
    void activate();
    // Places the windows again now (normally done when the event loop
    // comes back after a change).
    void sync();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchAncestors();
    // Takes the foreign window out before the top-level window's native
    // window goes (Qt re-creates it when its kind of surface changes):
    // destroying it would destroy the foreign window with it.
    void detach();
    void scheduleSync();
    // The part of the host that its ancestors let show, in the top-level
    // window's coordinates; empty when hidden or covered.
    QRect visiblePart() const;
    bool covered() const;

    QPointer<QWidget> m_host;
    QPointer<QWindow> m_foreign;
    // Child of the top-level window's QWindow, which deletes it with itself.
    QPointer<QWindow> m_clip;
    QPointer<QWindow> m_topWindow; // watched for the end of its surface
    QList<QPointer<QWidget>> m_watched;
    QRect m_hostRect;
    QRect m_shownRect;
    bool m_syncPending = false;
};
