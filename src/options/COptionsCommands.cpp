#include "options/COptionsCommands.h"

#include "framework/CommandIds.h"
#include "framework/CommandMap.h"
#include "framework/DialogRunner.h"

COptionsCommands::COptionsCommands(QWidget& owner, CAppSettings& settings,
                                   OptionsEnvironment environment)
    : m_owner(owner), m_settings(settings), m_environment(std::move(environment)) {}

void COptionsCommands::Register(CommandMap& map) {
    map.on(cmd::Options, [this] { ShowOptions(CQuorrelinOptions::Pages::All); });
    map.on(cmd::WindowBarMoreOptions,
           [this] { ShowOptions(CQuorrelinOptions::Pages::WindowsOnly); });
}

int COptionsCommands::ShowOptions(CQuorrelinOptions::Pages pages) {
    CQuorrelinOptions sheet(&m_owner, m_settings, m_environment, pages);
    return DialogRunner::instance().exec(sheet);
}
