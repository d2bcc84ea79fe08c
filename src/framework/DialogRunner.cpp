#include "framework/DialogRunner.h"

#include "framework/ScriptableDialog.h"
#include "framework/WaitCursor.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QCursor>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QThread>
#include <QtGlobal>

namespace {

int failLoudly(const DialogRunner::Record& record) {
    qFatal("A %s ran without a scripted answer: title \"%s\", text \"%s\"", qPrintable(record.kind),
           qPrintable(record.title), qPrintable(record.text));
    return 0;
}

bool startsScripted() {
    if (qEnvironmentVariable("QUORRELIN_SCRIPTED_DIALOGS") == QLatin1String("1") ||
        qEnvironmentVariableIsSet("QUORRELIN_DIALOG_ANSWERS"))
        return true;
    return qGuiApp && QGuiApplication::platformName() == QLatin1String("offscreen");
}

void assertGuiThread() {
    Q_ASSERT_X(!QCoreApplication::instance() ||
                   QThread::currentThread() == QCoreApplication::instance()->thread(),
               "DialogRunner", "dialogs run on the GUI thread only");
}

QFileDialog* makeFileDialog(const FileDialogRequest& request) {
    auto* dialog = new QFileDialog(request.parent, request.caption, request.directory);
    switch (request.mode) {
    case FileDialogRequest::Mode::Open:
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFile);
        break;
    case FileDialogRequest::Mode::Save:
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
        break;
    case FileDialogRequest::Mode::Folder:
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly, true);
        break;
    }
    if (!request.nameFilters.isEmpty())
        dialog->setNameFilters(request.nameFilters);
    if (!request.defaultSuffix.isEmpty())
        dialog->setDefaultSuffix(request.defaultSuffix);
    if (request.customize)
        request.customize(*dialog);
    return dialog;
}

std::optional<QString> selectedPath(QFileDialog& dialog, int result) {
    const QStringList files = dialog.selectedFiles();
    if (result != QDialog::Accepted || files.isEmpty())
        return std::nullopt;
    return files.first();
}

// While a wait cursor is up, a dialog the user must answer shows the normal
// arrow; the wait cursor comes back when the dialog closes.
class ArrowWhileAsking {
public:
    ArrowWhileAsking() : m_active(qGuiApp && WaitCursor::depth() > 0) {
        if (m_active)
            QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    }
    ~ArrowWhileAsking() {
        if (m_active)
            QGuiApplication::restoreOverrideCursor();
    }
    ArrowWhileAsking(const ArrowWhileAsking&) = delete;
    ArrowWhileAsking& operator=(const ArrowWhileAsking&) = delete;

private:
    bool m_active;
};

} // namespace

DialogRunner& DialogRunner::instance() {
    static DialogRunner runner;
    return runner;
}

DialogRunner::DialogRunner() : m_unscripted(failLoudly) {
    for (ScriptedAnswer& answer : parseAnswers(qEnvironmentVariable("QUORRELIN_DIALOG_ANSWERS")))
        m_answers.push_back(std::move(answer));
}

DialogRunner::Mode DialogRunner::mode() const {
    if (m_mode)
        return *m_mode;
    return startsScripted() ? Mode::Scripted : Mode::Interactive;
}

std::vector<ScriptedAnswer> DialogRunner::parseAnswers(const QString& text) {
    std::vector<ScriptedAnswer> answers;
    for (const QString& raw : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString item = raw.trimmed();
        if (item == QLatin1String("esc")) {
            answers.push_back(ScriptedAnswer::escape());
        } else if (item == QLatin1String("nofile")) {
            answers.push_back(ScriptedAnswer::cancelFile());
        } else if (item.startsWith(QLatin1String("file:")) && item.size() > 5) {
            answers.push_back(ScriptedAnswer::file(item.mid(5)));
        } else {
            std::optional<bool> checked;
            QString number = item;
            if (item.endsWith(QLatin1Char('+')) || item.endsWith(QLatin1Char('-'))) {
                checked = item.endsWith(QLatin1Char('+'));
                number.chop(1);
            }
            bool ok = false;
            const int result = number.toInt(&ok);
            if (!ok) {
                qWarning("Ignoring the scripted dialog answer \"%s\"", qPrintable(item));
                continue;
            }
            answers.push_back(ScriptedAnswer::button(result, checked));
        }
    }
    return answers;
}

int DialogRunner::exec(QDialog& dialog) {
    assertGuiThread();
    const Record record = describe(dialog);
    m_history.push_back(record);
    if (isScripted())
        return execScripted(dialog, record);
    const ArrowWhileAsking arrow;
    const QPointer<QWidget> owner = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    const int result = dialog.exec();
    // The window the dialog belonged to takes the keyboard again, so its keys
    // work at once (without a window manager nobody else gives it back).
    if (owner && owner->isVisible())
        owner->activateWindow();
    return result;
}

int DialogRunner::execScripted(QDialog& dialog, const Record& record) {
    std::optional<ScriptedAnswer> answer = takeAnswer();
    if (!answer)
        return m_unscripted(record);
    if (auto* scriptable = dynamic_cast<ScriptableDialog*>(&dialog))
        return scriptable->applyScriptedAnswer(*answer);
    if (answer->act)
        return answer->act(dialog);
    // A plain dialog: the typed text goes into its first text field, the
    // check-box state into its first check box.
    if (answer->text) {
        auto* field = dialog.findChild<QLineEdit*>();
        if (!field)
            return scriptError(QStringLiteral("the dialog has no text field"));
        field->setText(*answer->text);
    }
    if (answer->checked) {
        auto* box = dialog.findChild<QCheckBox*>();
        if (!box)
            return scriptError(QStringLiteral("the dialog has no check box"));
        box->setChecked(*answer->checked);
    }
    dialog.setResult(answer->result);
    return answer->result;
}

std::optional<QString> DialogRunner::chooseFile(const FileDialogRequest& request) {
    assertGuiThread();
    m_history.push_back({QStringLiteral("file"), request.caption, request.directory});
    if (isScripted())
        return chooseFileScripted(request);
    const ArrowWhileAsking arrow;
    QFileDialog* dialog = makeFileDialog(request);
    const int result = dialog->exec();
    std::optional<QString> path = selectedPath(*dialog, result);
    delete dialog;
    return path;
}

std::optional<QString> DialogRunner::chooseFileScripted(const FileDialogRequest& request) {
    std::optional<ScriptedAnswer> answer = takeAnswer();
    if (!answer) {
        m_unscripted(m_history.back());
        return std::nullopt;
    }
    if (!answer->act)
        return answer->path;
    // Run the caller's set-up and let the test drive the dialog's panel.
    QFileDialog* dialog = makeFileDialog(request);
    const int result = answer->act(*dialog);
    std::optional<QString> path = answer->path;
    if (!path)
        path = selectedPath(*dialog, result);
    else if (result != QDialog::Accepted)
        path.reset();
    delete dialog;
    return path;
}

void DialogRunner::push(ScriptedAnswer answer) {
    m_answers.push_back(std::move(answer));
}

void DialogRunner::reset() {
    m_mode.reset();
    m_answers.clear();
    m_history.clear();
    m_unscripted = failLoudly;
}

void DialogRunner::setUnscriptedHandler(UnscriptedHandler handler) {
    m_unscripted = handler ? std::move(handler) : UnscriptedHandler(failLoudly);
}

int DialogRunner::scriptError(const QString& problem) {
    Record record = m_history.empty() ? Record{} : m_history.back();
    record.text = problem + QStringLiteral(" (") + record.text + QLatin1Char(')');
    return m_unscripted(record);
}

std::optional<ScriptedAnswer> DialogRunner::takeAnswer() {
    if (m_answers.empty())
        return std::nullopt;
    ScriptedAnswer answer = std::move(m_answers.front());
    m_answers.pop_front();
    return answer;
}

DialogRunner::Record DialogRunner::describe(const QDialog& dialog) {
    QString text;
    if (const auto* scriptable = dynamic_cast<const ScriptableDialog*>(&dialog))
        text = scriptable->scriptDescription();
    else
        text = QString::fromLatin1(dialog.metaObject()->className());
    return {QStringLiteral("dialog"), dialog.windowTitle(), text};
}
