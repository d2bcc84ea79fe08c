#pragma once

#include "framework/ScriptedAnswer.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

class QDialog;
class QFileDialog;
class QWidget;

// What a file dialog asks for.
struct FileDialogRequest {
    enum class Mode { Open, Save, Folder };

    Mode mode = Mode::Open;
    QWidget* parent = nullptr;
    QString caption;
    QString directory;           // folder or suggested file path
    QStringList nameFilters;     // "LinkGroups Files(*.ini)", "All Files(*.*)"
    QString defaultSuffix;       // without the dot: "ini"
    bool overwritePrompt = true; // Save: ask before replacing a file
    // Extra set-up of the dialog (options panels); runs before it is shown,
    // and also in scripted runs that act on the dialog.
    std::function<void(QFileDialog&)> customize;
};

// Every modal dialog and message box of the program runs through this one
// runner, in place of QDialog::exec.
//
// Interactive mode (the program): the dialog is shown and runs modally.
// Scripted mode (tests): nothing is shown and nothing blocks. Each run takes
// the next answer that the test pushed, in order; a dialog that implements
// ScriptableDialog applies it through its own logic, a plain dialog is given
// to the answer's act function, or else gets the answer's text in its first
// text field and its check-box state in its first check box and returns the
// answer's result. A run
// with no answer left is a test fault: it goes to the unscripted handler,
// which by default stops the process with a message naming the dialog (a
// test never hangs on an invisible window).
//
// Unless set explicitly, the runner is scripted when the environment variable
// QUORRELIN_SCRIPTED_DIALOGS is 1, when QUORRELIN_DIALOG_ANSWERS is set, or
// when the GUI runs on the offscreen platform. Whole-program tests hand
// answers to a program process in QUORRELIN_DIALOG_ANSWERS (see
// parseAnswers), read at first use.
// Must be used from the GUI thread.
class DialogRunner {
public:
    struct Record {
        QString kind;  // "dialog" or "file"
        QString title; // window title or file dialog caption
        QString text;  // message, prompt or the dialog's class name
    };
    using UnscriptedHandler = std::function<int(const Record& record)>;

    enum class Mode { Interactive, Scripted };

    static DialogRunner& instance();

    Mode mode() const;
    void setMode(Mode mode) { m_mode = mode; }
    bool isScripted() const { return mode() == Mode::Scripted; }

    // Runs dialog modally; returns its result.
    int exec(QDialog& dialog);
    // Runs a file dialog; returns the chosen path, nothing when cancelled.
    std::optional<QString> chooseFile(const FileDialogRequest& request);

    // --- Scripting (tests) ---
    void push(ScriptedAnswer answer);
    int pendingAnswers() const { return static_cast<int>(m_answers.size()); }
    // Forgets pending answers and the history; restores the default handler
    // and the mode the environment gives.
    void reset();
    // Every dialog run so far (interactive or scripted), oldest first.
    const std::vector<Record>& history() const { return m_history; }
    void setUnscriptedHandler(UnscriptedHandler handler);
    // Reports a scripted answer that a dialog cannot take; handled like a
    // missing answer. Returns the handler's result.
    int scriptError(const QString& problem);

    // Answers written as text, separated by ";": a result number ("6"), the
    // same with the check box ticked or not ("7+", "6-"), "esc" for the
    // Escape key, "file:<path>" for a chosen file, "nofile" for a cancelled
    // file dialog. Malformed items are reported as warnings and left out.
    static std::vector<ScriptedAnswer> parseAnswers(const QString& text);

private:
    DialogRunner();
    int execScripted(QDialog& dialog, const Record& record);
    std::optional<QString> chooseFileScripted(const FileDialogRequest& request);
    std::optional<ScriptedAnswer> takeAnswer();
    static Record describe(const QDialog& dialog);

    std::optional<Mode> m_mode; // nothing: decided by the environment
    std::deque<ScriptedAnswer> m_answers;
    std::vector<Record> m_history;
    UnscriptedHandler m_unscripted;
};
