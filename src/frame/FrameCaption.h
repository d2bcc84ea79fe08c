#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QMainWindow;
class QMdiArea;
class QMdiSubWindow;

// The main window's caption, kept in step with the active browser window:
// "<document> - <base>" while a window is active and shown normal,
// "<base> - [<document>]" while it is maximised (the document's title then
// stands for the missing window caption), and the base title alone with no
// active window. It follows every change of the active window, of its
// title (loading progress included) and of its maximised state, and puts
// itself back whenever anything else (the window area) rewrites the caption.
//
class FrameCaption : public QObject {
    Q_OBJECT

public:
    using BaseTitle = std::function<QString()>;
    // The active browser window (null: none).
    using ActiveWindow = std::function<QMdiSubWindow*()>;

    // parent owns the caption keeper; it must not outlive what the two
    // functions use.
    FrameCaption(QMainWindow& window, QMdiArea& area, BaseTitle baseTitle,
                 ActiveWindow activeWindow, QObject* parent);

    // The caption for a state; document is the active window's title
    // (ignored when there is no active window).
    static QString compose(const QString& base, bool active, const QString& document,
                           bool maximized);

    // The caption now.
    QString caption() const;
    // Sets the caption anew (after the base title changed).
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QMdiSubWindow& child);

    QMainWindow& m_window;
    QMdiArea& m_area;
    BaseTitle m_baseTitle;
    ActiveWindow m_activeWindow;
    bool m_applying = false;
};
