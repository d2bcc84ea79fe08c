#include "browser/CAutoCloseEntryDialog.h"

#include "app/CCheckMessageBox.h"
#include "framework/DialogRunner.h"
#include "framework/ScriptedAnswer.h"
#include "res/MessageFormat.h"
#include "res/StringIds.h"

#include <QCheckBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char* const kTitle = "自动关闭";
const char* const kWildcardText = "关闭所有随该网址启动的窗口(&W)";
const char* const kEnabledText = "允许该地址(&E)";
const char* const kDontShowText = "下次不再显示该窗口(&D)";
const char* const kOkText = "确定";
const char* const kCancelText = "取消";

QCheckBox* makeBox(const char* text, int id, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromUtf8(text), parent);
    box->setObjectName(QString::number(id));
    return box;
}

QPushButton* makeButton(const char* text, int id, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::number(id));
    return button;
}

} // namespace

CAutoCloseEntryDialog::CAutoCloseEntryDialog(QWidget* parent, const QString& address,
                                             bool showDontShow, DuplicateCheck duplicateCheck,
                                             int editedIndex, QAbstractItemModel* completions)
    : QDialog(parent), m_edit(new QLineEdit(this)),
      m_wildcard(makeBox(kWildcardText, WildcardControl, this)),
      m_enabled(makeBox(kEnabledText, EnabledControl, this)),
      m_dontShow(makeBox(kDontShowText, DontShowControl, this)),
      m_ok(makeButton(kOkText, IDOK, this)), m_cancel(makeButton(kCancelText, IDCANCEL, this)),
      m_duplicateCheck(std::move(duplicateCheck)), m_editedIndex(editedIndex) {
    setWindowTitle(QString::fromUtf8(kTitle));
    m_edit->setObjectName(QString::number(AddressControl));
    m_edit->setMinimumWidth(320);
    m_edit->installEventFilter(this);
    m_ok->setDefault(true);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_cancel, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_edit);
    layout->addWidget(m_wildcard);
    layout->addWidget(m_enabled);
    layout->addWidget(m_dontShow);
    layout->addWidget(buttons);

    m_dontShow->setVisible(showDontShow);
    if (completions) {
        auto* completer = new QCompleter(completions, m_edit);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setFilterMode(Qt::MatchContains);
        m_edit->setCompleter(completer);
    }

    // The starting state: '!' shows as 10038 cleared, a final '*' as 10037
    // ticked.
    const bool disabledEntry = address.startsWith(QLatin1Char('!'));
    m_enabled->setChecked(!disabledEntry);
    m_edit->setText(disabledEntry ? address.mid(1) : address);
    onTextChanged(m_edit->text());
    connect(m_edit, &QLineEdit::textChanged, this, &CAutoCloseEntryDialog::onTextChanged);
    connect(m_wildcard, &QCheckBox::clicked, this, &CAutoCloseEntryDialog::onWildcardClicked);
}

void CAutoCloseEntryDialog::onTextChanged(const QString& text) {
    const bool any = !text.isEmpty();
    m_wildcard->setEnabled(any);
    m_enabled->setEnabled(any);
    m_ok->setEnabled(any);
    if (any)
        m_wildcard->setChecked(text.endsWith(QLatin1Char('*')));
}

void CAutoCloseEntryDialog::onWildcardClicked(bool checked) {
    QString text = m_edit->text();
    if (text.isEmpty())
        return;
    if (checked) {
        if (!text.endsWith(QLatin1Char('*')))
            text += QLatin1Char('*');
    } else {
        while (text.endsWith(QLatin1Char('*')))
            text.chop(1);
    }
    m_edit->setText(text);
}

bool CAutoCloseEntryDialog::eventFilter(QObject* watched, QEvent* event) {
    // Selecting on focus-in must wait: the click that gave the focus would
    // place the cursor afterwards and clear the selection.
    if (watched == m_edit && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, m_edit, [edit = m_edit] { edit->selectAll(); });
    return QDialog::eventFilter(watched, event);
}

void CAutoCloseEntryDialog::accept() {
    if (!m_ok->isEnabled())
        return;
    const QString address = m_edit->text();
    if (m_duplicateCheck && m_duplicateCheck(address, m_editedIndex)) {
        CCheckMessageBox box(this,
                             res::formatString(sid::AutoCloseDuplicate, {{"%address%", address}}),
                             MB_OK | MB_ICONEXCLAMATION);
        box.DoModal();
        m_edit->setFocus(Qt::OtherFocusReason);
        return;
    }
    QDialog::accept();
}

QString CAutoCloseEntryDialog::Entry() const {
    return m_enabled->isChecked() ? m_edit->text() : QLatin1Char('!') + m_edit->text();
}

bool CAutoCloseEntryDialog::ShowAgain() const {
    return !m_dontShow->isChecked();
}

int CAutoCloseEntryDialog::applyScriptedAnswer(const ScriptedAnswer& answer) {
    if (answer.act)
        return answer.act(*this);
    DialogRunner& runner = DialogRunner::instance();
    if (answer.text)
        m_edit->setText(*answer.text);
    if (answer.checked) {
        if (m_dontShow->isHidden())
            return runner.scriptError(QStringLiteral("the dialog does not show check box 10039"));
        m_dontShow->setChecked(*answer.checked);
    }
    setResult(QDialog::Rejected);
    if (answer.result == IDOK) {
        if (!m_ok->isEnabled())
            return runner.scriptError(QStringLiteral("OK is disabled (no address)"));
        m_ok->click();
        // A refused address keeps the dialog open: its result stays Rejected.
        return result();
    }
    if (answer.result == IDCANCEL || answer.result == ScriptedAnswer::Escape ||
        answer.result == QDialog::Rejected) {
        reject();
        return result();
    }
    return runner.scriptError(QStringLiteral("the dialog has no button %1").arg(answer.result));
}

QString CAutoCloseEntryDialog::scriptDescription() const {
    return metaObject()->className();
}
