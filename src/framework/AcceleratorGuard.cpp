#include "framework/AcceleratorGuard.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QShortcut>
#include <QTextEdit>
#include <QVariant>

namespace {

constexpr const char* kKeptKeysProperty = "quorrelinKeptKeys";

QKeySequence sequenceOf(const QKeyEvent& event) {
    const int key = event.key();
    if (key == 0 || key == Qt::Key_unknown || key == Qt::Key_Control || key == Qt::Key_Shift ||
        key == Qt::Key_Alt || key == Qt::Key_Meta)
        return {};
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key)));
}

bool isTextField(const QWidget& widget) {
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget))
        return combo->isEditable();
    return qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QTextEdit*>(&widget) ||
           qobject_cast<const QPlainTextEdit*>(&widget) ||
           qobject_cast<const QAbstractSpinBox*>(&widget);
}

bool isEditingKey(const QKeySequence& key) {
    for (QKeySequence::StandardKey standard :
         {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::SelectAll,
          QKeySequence::Undo, QKeySequence::Redo}) {
        if (QKeySequence::keyBindings(standard).contains(key))
            return true;
    }
    return false;
}

} // namespace

AcceleratorGuard::AcceleratorGuard(QWidget& window) : QObject(&window), m_window(window) {
    setObjectName(QStringLiteral("acceleratorGuard"));
    qApp->installEventFilter(this);
}

AcceleratorGuard::~AcceleratorGuard() {
    if (qApp)
        qApp->removeEventFilter(this);
}

AcceleratorGuard* AcceleratorGuard::of(const QWidget& window) {
    return window.findChild<AcceleratorGuard*>(QString(), Qt::FindDirectChildrenOnly);
}

void AcceleratorGuard::keepKeys(QWidget& widget, const QList<QKeySequence>& keys) {
    QStringList kept = widget.property(kKeptKeysProperty).toStringList();
    for (const QKeySequence& key : keys)
        kept << key.toString(QKeySequence::PortableText);
    widget.setProperty(kKeptKeysProperty, kept);
}

QShortcut* AcceleratorGuard::shortcutFor(const QKeySequence& key) const {
    const QList<QShortcut*> shortcuts =
        m_window.findChildren<QShortcut*>(QString(), Qt::FindDirectChildrenOnly);
    for (QShortcut* shortcut : shortcuts)
        if (shortcut->isEnabled() && shortcut->keys().contains(key))
            return shortcut;
    return nullptr;
}

bool AcceleratorGuard::keptByFocus(const QWidget& receiver, const QKeySequence& key) const {
    const QString text = key.toString(QKeySequence::PortableText);
    for (const QWidget* w = &receiver; w; w = w->parentWidget()) {
        if (w->property(kKeptKeysProperty).toStringList().contains(text))
            return true;
        if (w == &m_window)
            break;
    }
    return isTextField(receiver) && isEditingKey(key);
}

bool AcceleratorGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::ShortcutOverride && type != QEvent::KeyPress) ||
        !watched->isWidgetType())
        return false;
    const auto* receiver = static_cast<QWidget*>(watched);
    if (receiver->window() != &m_window)
        return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const QKeySequence key = sequenceOf(*keyEvent);
    if (type == QEvent::KeyPress) {
        // The press that follows a key whose shortcut has run.
        const bool swallow = !m_swallow.isEmpty() && key == m_swallow;
        m_swallow = QKeySequence();
        if (swallow)
            keyEvent->accept();
        return swallow;
    }
    if (key.isEmpty() || keptByFocus(*receiver, key))
        return false;
    const QPointer<QShortcut> shortcut = shortcutFor(key);
    if (!shortcut)
        return false;
    // Claiming the override keeps every other shortcut out; the press that
    // follows is swallowed above.
    keyEvent->accept();
    m_swallow = key;
    emit shortcut->activated();
    return true;
}
