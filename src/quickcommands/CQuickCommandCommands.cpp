#include "quickcommands/CQuickCommandCommands.h"

#include "app/CAppSettings.h"
#include "framework/CommandIds.h"
#include "framework/CommandMap.h"
#include "framework/CommandState.h"
#include "quickcommands/CQuickCommandDialog.h"

CQuickCommandCommands::CQuickCommandCommands(QWidget& owner, CAppSettings& settings,
                                             PageSource activePage, PageSource contextPage)
    : m_owner(owner), m_settings(settings), m_activePage(std::move(activePage)),
      m_contextPage(std::move(contextPage)) {}

void CQuickCommandCommands::Register(CommandMap& map) {
    const auto bind = [this, &map](unsigned id, const PageSource* source) {
        map.on(id, [this, source] {
            if (const std::optional<Page> page = *source ? (*source)() : std::nullopt)
                AddPage(*page);
        });
        map.onUpdate(id, [source](CommandState& state) {
            state.enable(*source && (*source)().has_value());
        });
    };
    bind(cmd::AddToQuickCommands, &m_activePage);
    bind(cmd::TabAddToQuickCommands, &m_contextPage);
}

bool CQuickCommandCommands::AddPage(const Page& page) {
    QuickCommand record;
    record.Type = QuickCommand::Open;
    record.Title = page.title;
    record.URL = page.address;
    const bool added = CQuickCommandDialog::Edit(
        &m_owner, record,
        [this](const QString& command, const QString& except) {
            return m_settings.IsCommandInUse(command, except);
        },
        QString(), m_settings.ShowQuickCommandHelp);
    if (!added)
        return false;
    m_settings.QuickCommands.append(record);
    // Kept at once: a command the user made must survive a crash.
    m_settings.Save();
    return true;
}
