#include "browser/engine/ClickProbe.h"

#include <QChildEvent>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWidget>

namespace {
// Presses remembered; older answers are dropped.
constexpr std::size_t kKeptAnswers = 8;
} // namespace

ClickProbe::ClickProbe(QWidget* view, QWebEnginePage* page, QObject* parent)
    : QObject(parent), m_view(view), m_page(page) {
    if (!view)
        return;
    view->installEventFilter(this);
    for (QObject* child : view->children())
        watch(child);
}

void ClickProbe::watch(QObject* child) {
    if (child && child->isWidgetType()) {
        child->removeEventFilter(this);
        child->installEventFilter(this);
    }
}

bool ClickProbe::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view) {
        if (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildPolished)
            watch(static_cast<QChildEvent*>(event)->child());
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress && m_view) {
        auto* widget = static_cast<QWidget*>(watched);
        const QPoint local = static_cast<QMouseEvent*>(event)->position().toPoint();
        ++m_pressCount;
        ask(widget->mapTo(m_view.data(), local));
    }
    return false;
}

QString ClickProbe::pointScript(QPoint point, const QString& action) const {
    const double zoom = m_page && m_page->zoomFactor() > 0 ? m_page->zoomFactor() : 1.0;
    return QStringLiteral("(function(){var e=document.elementFromPoint(%1,%2);%3})()")
        .arg(point.x() / zoom)
        .arg(point.y() / zoom)
        .arg(action);
}

void ClickProbe::ask(QPoint point) {
    if (!m_page)
        return;
    Answer entry;
    entry.point = point;
    entry.serial = m_nextSerial++;
    m_answers.push_front(entry);
    while (m_answers.size() > kKeptAnswers)
        m_answers.pop_back();
    const quint64 serial = entry.serial;
    QPointer<ClickProbe> self(this);
    m_page->runJavaScript(
        pointScript(point, QStringLiteral("return e&&e.tagName?String(e.tagName):'';")),
        QWebEngineScript::ApplicationWorld, [self, serial](const QVariant& result) {
            if (self)
                self->answer(serial, !result.toString().isEmpty());
        });
}

void ClickProbe::answer(quint64 serial, bool element) {
    for (Answer& entry : m_answers) {
        if (entry.serial == serial)
            entry.element = element;
    }
}

ClickProbe::Answer* ClickProbe::find(QPoint point) {
    for (Answer& entry : m_answers) {
        if (entry.point == point)
            return &entry;
    }
    return nullptr;
}

bool ClickProbe::insideView(QPoint point) const {
    return m_view && m_view->rect().contains(point);
}

bool ClickProbe::elementAt(QPoint point, int waitMilliseconds, Unanswered unanswered) {
    if (point.x() < 0 || point.y() < 0 || !m_page)
        return false;
    if (!find(point)) {
        if (unanswered == Unanswered::PressesOnly)
            return false;
        ask(point);
    }
    const QDeadlineTimer deadline(waitMilliseconds);
    QPointer<ClickProbe> self(this);
    while (true) {
        const Answer* entry = find(point);
        if (!entry)
            return false;
        if (entry->element)
            return *entry->element;
        if (deadline.hasExpired() || !m_page)
            return unanswered == Unanswered::PressesOnly && insideView(point);
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        if (!self)
            return false;
    }
}

void ClickProbe::clickAt(QPoint point) {
    if (point.x() < 0 || point.y() < 0 || !m_page)
        return;
    m_page->runJavaScript(pointScript(point, QStringLiteral("if(e)e.click();")),
                          QWebEngineScript::ApplicationWorld);
}
