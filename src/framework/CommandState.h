#pragma once

#include <QString>

#include <optional>

// The state of one command's user-interface items (menu item, toolbar button),
// filled by the update handler that owns the command. Starts enabled, not
// checked, without a radio mark and without a text change.
class CommandState {
public:
    explicit CommandState(unsigned id) : m_id(id) {}

    unsigned id() const { return m_id; }

    void enable(bool on = true) {
        m_enabled = on;
        m_enableChanged = true;
    }
    // A check mark (non-exclusive).
    void setCheck(bool on = true) { m_checked = on; }
    // A radio mark: the item is one of a set of which one is current.
    void setRadio(bool on = true) { m_radio = on; }
    // Replaces the item's text.
    void setText(const QString& text) { m_text = text; }

    bool isEnabled() const { return m_enabled; }
    bool isChecked() const { return m_checked; }
    bool isRadio() const { return m_radio; }
    const std::optional<QString>& text() const { return m_text; }
    // Whether a handler called enable() (as opposed to the default state).
    bool enableChanged() const { return m_enableChanged; }

private:
    unsigned m_id;
    bool m_enabled = true;
    bool m_enableChanged = false;
    bool m_checked = false;
    bool m_radio = false;
    std::optional<QString> m_text;
};
