#include "app/CEnvironmentCommands.h"

#include "app/CAppSettings.h"
#include "app/CCheckMessageBox.h"
#include "framework/CommandIds.h"
#include "framework/MessageBoxStyle.h"
#include "res/StringIds.h"
#include "res/StringTable.h"
#include "system/ProgramLauncher.h"

CEnvironmentCommands::CEnvironmentCommands(QWidget* parent, CAppSettings& settings,
                                           IProgramLauncher& launcher, Refresh refreshAll)
    : m_parent(parent), m_settings(settings), m_launcher(launcher),
      m_refreshAll(std::move(refreshAll)) {
    commands().on(cmd::Mail, [this] { StartClient(ClientKind::Mail); });
    commands().on(cmd::News, [this] { StartClient(ClientKind::News); });
    commands().on(cmd::Synchronize, [this] { Synchronize(); });
}

bool CEnvironmentCommands::StartClient(ClientKind kind) {
    const bool mail = kind == ClientKind::Mail;
    const std::optional<ClientProgram> client = findDefaultClient(kind, m_launcher);
    if (!client) {
        CCheckMessageBox box(m_parent, mail ? sid::NoDefaultMailProgram : sid::NoDefaultNewsProgram,
                             MB_OK | MB_ICONEXCLAMATION);
        box.DoModal();
        return false;
    }
    if (m_launcher.start(client->program, client->arguments))
        return true;
    const QString text =
        res::loadString(mail ? sid::CannotStartMailProgram : sid::CannotStartNewsProgram) +
        client->name;
    CCheckMessageBox box(m_parent, text, MB_OK | MB_ICONSTOP);
    box.DoModal();
    return false;
}

bool CEnvironmentCommands::Synchronize() {
    if (m_settings.ConfirmSynchronize != 0 &&
        CCheckMessageBox::AskAndStore(m_parent, sid::ConfirmSynchronize, MB_YESNO | MB_ICONQUESTION,
                                      m_settings.ConfirmSynchronize,
                                      res::loadString(sid::Synchronize)) != IDYES)
        return false;
    if (m_refreshAll)
        m_refreshAll();
    return true;
}
