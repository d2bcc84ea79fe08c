#pragma once

#include "options/COptionsPage.h"
#include "options/OptionsCheckTable.h"
#include "options/OptionsEnvironment.h"

class QButtonGroup;

// The General page (dialog 106, "常规"): what opens at start (StartMode with
// the count of recently closed windows, the custom home page and the
// start-up link groups), and the splash screen, the Go button, several
// instances, address completion, sorted favorites and the default-browser
// check, with a button that makes the program the default browser.
//
// Only the edit (or button) of the chosen start radio is enabled. Leaving the
// page refuses an empty custom address (51462) and a count outside 1 to the
// capacity of the recently closed windows (51486).
class COptionsGeneral : public COptionsPage {
    Q_OBJECT

public:
    static constexpr int DialogId = 106;

    // environment must outlive the page.
    COptionsGeneral(CAppSettings& settings, const OptionsEnvironment& environment,
                    QWidget* parent = nullptr);

    bool OnKillActive() override;
    void OnApply() override;
    QList<int> ApplyCategories() const override { return {0}; }

    // The start mode of the chosen radio.
    int ChosenStartMode() const;
    // The start-up marks the page holds, one per link group in group order.
    const QList<bool>& StartupMarks() const { return m_marks; }

protected:
    void OnBuildPage() override;
    void OnInitPage() override;

private:
    void buildStartGroup();
    void enableForStartMode(int mode);
    void chooseLinkGroups();
    void offerDefaultBrowser();

    const OptionsEnvironment& m_environment;
    QButtonGroup* m_startModes = nullptr;
    OptionsCheckTable m_checks;
    QList<bool> m_marks;
};
