#include "quickcommands/CQuickCommandDialog.h"

#include "app/CCheckMessageBox.h"
#include "framework/ControlId.h"
#include "framework/DialogRunner.h"
#include "quickcommands/PredefinedQuickCommands.h"
#include "res/MessageFormat.h"
#include "res/StringIds.h"
#include "res/StringTable.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kHelpShown = "帮助(&H) <<";
const char* const kHelpHidden = "帮助(&H) >>";

} // namespace

CQuickCommandDialog::CQuickCommandDialog(QWidget* parent, const QuickCommand& record,
                                         DuplicateCheck duplicate, QString except, int& showHelp)
    : QDialog(parent), m_record(record), m_duplicate(std::move(duplicate)),
      m_except(std::move(except)), m_showHelp(showHelp),
      m_title(withControlId(new QLineEdit(this), TitleControl)),
      m_command(withControlId(new QLineEdit(this), CommandControl)),
      m_type(withControlId(new QComboBox(this), TypeControl)), m_url(withControlId(new QLineEdit(this), UrlControl)),
      m_predefined(withControlId(new QComboBox(this), PredefinedControl)),
      m_helpButton(withControlId(new QPushButton(QString::fromUtf8(kHelpShown), this), HelpButton)),
      m_help(withControlId(new QPlainTextEdit(this), HelpControl)),
      m_ok(withControlId(new QPushButton(QStringLiteral("确定"), this), IDOK)) {
    setWindowTitle(QStringLiteral("快速命令"));
    m_help->setPlainText(res::loadString(sid::QuickCommandHelp));
    m_help->setReadOnly(true);
    m_help->setMinimumHeight(m_help->fontMetrics().lineSpacing() * 12);
    m_title->setMaxLength(kQuickCommandTitleMaxLength);
    m_command->setMaxLength(kQuickCommandCommandMaxLength);
    m_url->setMaxLength(kQuickCommandUrlMaxLength);
    m_url->setMinimumWidth(m_url->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 48);
    m_type->addItems({QStringLiteral("Open"), QStringLiteral("Search")});
    for (const QuickCommand& entry : PredefinedQuickCommands())
        m_predefined->addItem(entry.Title);
    m_predefined->setCurrentIndex(-1);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("预定义(&P)："), m_predefined);
    form->addRow(QStringLiteral("标题(&T)："), m_title);
    form->addRow(QStringLiteral("命令(&C)："), m_command);
    form->addRow(QStringLiteral("类型(&Y)："), m_type);
    form->addRow(QStringLiteral("链接(&L)："), m_url);

    auto* cancel = withControlId(new QPushButton(QStringLiteral("取消"), this), IDCANCEL);
    m_ok->setDefault(true);
    m_helpButton->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_helpButton);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(m_help);

    m_title->setText(record.Title);
    m_command->setText(record.Command);
    m_type->setCurrentIndex(record.Type == QuickCommand::Search ? 1 : 0);
    m_url->setText(record.URL);
    showHelpText(m_showHelp != 0);

    connect(m_ok, &QPushButton::clicked, this, &CQuickCommandDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &CQuickCommandDialog::reject);
    connect(m_helpButton, &QPushButton::clicked, this, &CQuickCommandDialog::toggleHelp);
    connect(m_predefined, &QComboBox::activated, this, &CQuickCommandDialog::choosePredefined);
}

bool CQuickCommandDialog::Edit(QWidget* parent, QuickCommand& record,
                               const DuplicateCheck& duplicate, const QString& except,
                               int& showHelp) {
    CQuickCommandDialog dialog(parent, record, duplicate, except, showHelp);
    if (DialogRunner::instance().exec(dialog) != QDialog::Accepted)
        return false;
    record = dialog.Record();
    return true;
}

void CQuickCommandDialog::choosePredefined(int index) {
    const QList<QuickCommand>& table = PredefinedQuickCommands();
    if (index < 0 || index >= table.size())
        return;
    const QuickCommand& entry = table[index];
    m_title->setText(entry.Title);
    m_command->setText(entry.Command);
    m_type->setCurrentIndex(entry.Type == QuickCommand::Search ? 1 : 0);
    m_url->setText(entry.URL);
}

void CQuickCommandDialog::toggleHelp() {
    m_showHelp = m_showHelp != 0 ? 0 : 1;
    showHelpText(m_showHelp != 0);
}

void CQuickCommandDialog::showHelpText(bool show) {
    m_helpButton->setText(QString::fromUtf8(show ? kHelpShown : kHelpHidden));
    m_help->setVisible(show);
}

bool CQuickCommandDialog::refuse(QLineEdit* field, unsigned messageId, const QString& command) {
    if (messageId != 0) {
        const QString text = command.isNull()
                                 ? res::loadString(messageId)
                                 : res::formatString(messageId, {{"%command%", command}});
        CCheckMessageBox box(this, text, MB_OK | MB_ICONWARNING);
        box.DoModal();
    }
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
    return false;
}

void CQuickCommandDialog::accept() {
    const QString title = m_title->text().trimmed();
    const QString command = m_command->text().trimmed();
    const QString url = m_url->text().trimmed();
    if (title.isEmpty())
        return (void)refuse(m_title);
    if (command.isEmpty())
        return (void)refuse(m_command);
    if (command.contains(QLatin1Char(' ')))
        return (void)refuse(m_command, sid::QuickCommandNotOneWord);
    if (m_duplicate && m_duplicate(command, m_except))
        return (void)refuse(m_command, sid::QuickCommandInUse, command);
    if (url.isEmpty())
        return (void)refuse(m_url);
    m_record.Type = m_type->currentIndex() == 1 ? QuickCommand::Search : QuickCommand::Open;
    m_record.Title = title;
    m_record.Command = command;
    m_record.URL = url;
    QDialog::accept();
}

int CQuickCommandDialog::applyScriptedAnswer(const ScriptedAnswer& answer) {
    return applyOkCancel(*this, answer, [this] { accept(); });
}

QString CQuickCommandDialog::scriptDescription() const {
    return metaObject()->className();
}
