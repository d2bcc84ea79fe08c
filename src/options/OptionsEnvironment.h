#pragma once

#include <QList>
#include <QString>

#include <functional>

// What the options sheet asks of the system and of the running program. The
// program takes the system's answers (System()); tests give their own.
struct OptionsEnvironment {
    // The browser start page the General page shows.
    std::function<QString()> homePage;
    // Whether the second engine can be chosen for new windows.
    std::function<bool()> mozillaAvailable;
    // The search hook's state for check box 10141: -1 unusable, 0 off, 1 on.
    std::function<int()> searchHookState;
    // Makes the program the default browser (the General page's button).
    std::function<void()> makeDefaultBrowser;
    // Re-applies the saved settings to the running windows, one
    // CMainFrame::ApplySettings category after the other (without saving
    // again). Empty: nothing to re-apply.
    std::function<void(const QList<int>& categories)> reapply;

    // The system's answers; reapply is left empty for the caller.
    static OptionsEnvironment System();
};
