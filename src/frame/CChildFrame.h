#pragma once

#include "framework/CommandTarget.h"

#include <QMdiSubWindow>

#include <memory>

class CBrowserDoc;
class CBrowserView;

// The frame of one browser window inside the main window's window area: it
// owns the window's document and view (the view fills the frame), shows the
// document's title as its caption, tells the view when the window becomes
// active, and closes when the document agrees.
//
// A frame is deleted when it has closed. It is the "child frame" target of
// the command chain while it is the active window.
class CChildFrame : public QMdiSubWindow, public CommandTarget {
    Q_OBJECT

public:
    // How ShowWindow shows the frame.
    enum class Show { Activate, NoActivate, Maximized };

    explicit CChildFrame(std::unique_ptr<CBrowserDoc> document, QWidget* parent = nullptr);
    // Deletes the view before the document it belongs to.
    ~CChildFrame() override;

    CBrowserDoc* Document() const { return document_.get(); }
    CBrowserView* View() const { return view_; }
    // Puts view into the frame; the frame owns it from now on.
    void SetView(std::unique_ptr<CBrowserView> view);

    // Shows the frame; Activate and Maximized make it the active window,
    // NoActivate leaves the active window as it is.
    void ShowWindow(Show how);
    // Makes the frame the active window without changing how it is shown.
    void Activate();
    // The size of a window shown normal for the first time in a window area
    // of size room: three quarters of it, never below a usable minimum.
    static QSize DefaultSize(QSize room);

signals:
    // The frame is about to close (the document agreed); the window is
    // still there and, when it was active, still active.
    void closing(CChildFrame* frame);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void onWindowStateChanged(Qt::WindowStates oldState, Qt::WindowStates newState);
    void giveDefaultSize();

    std::unique_ptr<CBrowserDoc> document_;
    CBrowserView* view_ = nullptr;
    // Set while the frame is shown without being activated.
    bool quietActivation_ = false;
    bool sized_ = false;
};
