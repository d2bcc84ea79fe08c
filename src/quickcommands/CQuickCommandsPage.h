#pragma once

#include "options/COptionsListPage.h"
#include "options/OptionsEnvironment.h"
#include "quickcommands/QuickCommand.h"

class QCheckBox;

// The quick commands page of the options sheet (dialog 202, "快速命令"):
// check box 10141, which offers the quick commands to other programs through
// the search hook (disabled while the hook's library is absent), and the
// list of quick commands (10114) with title, command, type and link. New and
// Edit run the quick-command dialog, which refuses a command another row
// uses; Delete asks 51541; the moves change the order (the first matching
// command wins). Applying it replaces the settings' list and sets the search
// hook's state, which the main frame then applies.
class CQuickCommandsPage : public COptionsListPage {
    Q_OBJECT

public:
    static constexpr int DialogId = 202;
    static constexpr int ListControl = 10114;
    static constexpr int SearchHookControl = 10141;

    // environment must outlive the page.
    CQuickCommandsPage(CAppSettings& settings, const OptionsEnvironment& environment,
                       QWidget* parent = nullptr);

    void OnApply() override;
    QList<int> ApplyCategories() const override { return {4}; }
    // The page's working list.
    const QList<QuickCommand>& Commands() const { return m_commands; }

protected:
    void OnBuildPage() override;
    void OnInitPage() override;
    int rowCount() const override { return static_cast<int>(m_commands.size()); }
    QStringList rowTexts(int row) const override;
    bool newEntry() override;
    bool editEntry(int row) override;
    QString deleteQuestion(const QList<int>& rows) const override;
    void removeEntry(int row) override { m_commands.removeAt(row); }
    void swapEntries(int first, int second) override { m_commands.swapItemsAt(first, second); }
    bool importEntries() override;
    void exportEntries() override;

private:
    bool edit(QuickCommand& record, const QString& except);

    const OptionsEnvironment& m_environment;
    QCheckBox* m_searchHook = nullptr;
    QList<QuickCommand> m_commands;
};
