#include "quickcommands/CQuickCommandsPage.h"

#include "addressbar/ListFileCommands.h"
#include "app/CAppSettings.h"
#include "quickcommands/CQuickCommandDialog.h"
#include "quickcommands/QuickCommandTranslation.h"
#include "res/StringIds.h"
#include "res/StringTable.h"

#include <QCheckBox>
#include <QVBoxLayout>

CQuickCommandsPage::CQuickCommandsPage(CAppSettings& settings,
                                       const OptionsEnvironment& environment, QWidget* parent)
    : COptionsListPage(DialogId, QStringLiteral("快速命令"), settings, ListControl, parent),
      m_environment(environment) {}

void CQuickCommandsPage::OnBuildPage() {
    auto* layout = new QVBoxLayout(this);
    m_searchHook = makeCheck(SearchHookControl,
                             QStringLiteral("在 Internet Explorer 中允许使用快速命令(&Q)"));
    layout->addWidget(m_searchHook);
    buildList(layout,
              {{res::loadString(sid::TitleHeader), 80},
               {res::loadString(sid::CommandHeader), 60},
               {res::loadString(sid::TypeHeader), 60},
               {res::loadString(sid::LinkColumn), 200}},
              true);
}

void CQuickCommandsPage::OnInitPage() {
    const int state = m_environment.searchHookState ? m_environment.searchHookState() : -1;
    m_searchHook->setChecked(state == 1);
    m_searchHook->setEnabled(state != -1);
    m_commands = settings().QuickCommands;
    refill();
}

QStringList CQuickCommandsPage::rowTexts(int row) const {
    const QuickCommand& record = m_commands[row];
    return {record.Title, record.Command,
            res::loadString(record.Type == QuickCommand::Search ? sid::QuickCommandSearch
                                                                 : sid::QuickCommandOpen),
            record.URL};
}

bool CQuickCommandsPage::edit(QuickCommand& record, const QString& except) {
    return CQuickCommandDialog::Edit(
        this, record,
        [this](const QString& command, const QString& exceptWord) {
            return IsQuickCommandInUse(m_commands, command, exceptWord);
        },
        except, settings().ShowQuickCommandHelp);
}

bool CQuickCommandsPage::newEntry() {
    QuickCommand record;
    if (!edit(record, QString()))
        return false;
    m_commands.append(record);
    return true;
}

bool CQuickCommandsPage::editEntry(int row) {
    QuickCommand record = m_commands[row];
    if (!edit(record, record.Command) || record == m_commands[row])
        return false;
    m_commands[row] = record;
    return true;
}

QString CQuickCommandsPage::deleteQuestion(const QList<int>&) const {
    return res::loadString(sid::ConfirmDeleteQuickCommands);
}

bool CQuickCommandsPage::importEntries() {
    return ImportQuickCommandsInto(this, &m_commands) > 0;
}

void CQuickCommandsPage::exportEntries() {
    ExportQuickCommandsInteractive(this, m_commands);
}

void CQuickCommandsPage::OnApply() {
    settings().QuickCommands = m_commands;
    settings().SearchHook = m_searchHook->isEnabled() ? (m_searchHook->isChecked() ? 1 : 0) : -1;
}
