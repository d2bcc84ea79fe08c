#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <deque>
#include <optional>

class QWebEnginePage;
class QWidget;

// Knows which mouse presses on an engine's widget landed on a page element.
//
// Mouse input of a page goes to the widgets inside the engine's view (which
// the engine replaces when the page moves to another process), so the probe
// watches the view's child widgets. On every press it asks the page,
// asynchronously, which element lies under the point (document
// .elementFromPoint in a script world of its own, so page scripts cannot
// interfere and it works with page scripts switched off) and keeps the
// answers of the last few presses. By the time a click has an effect (a new
// window, a navigation) the answer is normally there.
//
// Points are in the coordinates of the engine's view widget.
class ClickProbe : public QObject {
    Q_OBJECT
public:
    // view: the widget whose presses count; page: the page shown in it.
    // Neither is owned; either may go away first.
    ClickProbe(QWidget* view, QWebEnginePage* page, QObject* parent = nullptr);

    // How elementAt treats what the page has not answered yet.
    enum class Unanswered {
        // Points never pressed are asked about; no answer in time: false.
        Ask,
        // Only presses count (a point never pressed: false). A press whose
        // answer does not come in time counts as on an element when it lies
        // in the view: the page cannot answer while it waits for the caller,
        // and a page has an element (at least its root) under every point
        // of its visible area.
        PressesOnly,
    };

    // Whether an element with a tag name lies at point. Answered from the
    // press recorded there; an answer still on its way is waited for (at
    // most waitMilliseconds, events keep running meanwhile). Negative
    // coordinates or no page: false.
    bool elementAt(QPoint point, int waitMilliseconds, Unanswered unanswered);
    // Clicks the element at point (as element.click() does); nothing when
    // none is there.
    void clickAt(QPoint point);

    // How many presses were recorded (for tests).
    int pressCount() const { return m_pressCount; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Answer {
        QPoint point;
        std::optional<bool> element; // nothing while the page has not answered
        quint64 serial = 0;
    };

    void watch(QObject* child);
    void ask(QPoint point);
    void answer(quint64 serial, bool element);
    Answer* find(QPoint point);
    bool insideView(QPoint point) const;
    QString pointScript(QPoint point, const QString& action) const;

    QPointer<QWidget> m_view;
    QPointer<QWebEnginePage> m_page;
    std::deque<Answer> m_answers; // newest first
    quint64 m_nextSerial = 1;
    int m_pressCount = 0;
};
