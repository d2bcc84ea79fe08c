#pragma once

#include <QString>

#include <functional>
#include <optional>

class QDialog;

// What a test answers in place of the user when the dialog runner is scripted
// (see DialogRunner). Fields that do not apply to a dialog are ignored.
struct ScriptedAnswer {
    // Result of the dialog: the button that closes it (IDOK, IDYES, ...;
    // QDialog::Accepted/Rejected for plain dialogs), or Escape to act as the
    // Escape key does.
    int result = 0;
    // State of the dialog's check box (such as "do not show again").
    std::optional<bool> checked;
    // Text typed into the dialog's text field.
    std::optional<QString> text;
    // The file or folder chosen in a file dialog; nothing means cancelled.
    std::optional<QString> path;
    // Drives the real dialog widget (set fields, click buttons) without
    // showing it and returns the dialog's result. Takes the place of the
    // fields above for plain dialogs.
    std::function<int(QDialog&)> act;

    static constexpr int Escape = -1;

    static ScriptedAnswer button(int result, std::optional<bool> checked = std::nullopt) {
        ScriptedAnswer answer;
        answer.result = result;
        answer.checked = checked;
        return answer;
    }
    static ScriptedAnswer escape() { return button(Escape); }
    static ScriptedAnswer file(const QString& path) {
        ScriptedAnswer answer;
        answer.result = 1;
        answer.path = path;
        return answer;
    }
    static ScriptedAnswer cancelFile() { return ScriptedAnswer(); }
    static ScriptedAnswer acting(std::function<int(QDialog&)> act) {
        ScriptedAnswer answer;
        answer.act = std::move(act);
        return answer;
    }
};
