#pragma once

#include "options/CQuorrelinOptions.h"
#include "options/OptionsEnvironment.h"

class CAppSettings;
class CommandMap;
class QWidget;

// The commands that open the options sheet: 32798 with all its pages and
// 33289 (the window bar's menu) with only the Windows page. Both are always
// enabled.
class COptionsCommands {
public:
    // owner and settings must outlive this; environment.reapply re-applies
    // the saved settings to the running windows.
    COptionsCommands(QWidget& owner, CAppSettings& settings, OptionsEnvironment environment);

    // Registers both commands' handlers on map (the main frame's).
    void Register(CommandMap& map);

    // Runs the sheet modally; returns its result (QDialog::Accepted on OK).
    int ShowOptions(CQuorrelinOptions::Pages pages);

    OptionsEnvironment& Environment() { return m_environment; }

private:
    QWidget& m_owner;
    CAppSettings& m_settings;
    OptionsEnvironment m_environment;
};
