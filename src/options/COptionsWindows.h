#pragma once

#include "options/COptionsPage.h"
#include "options/OptionsCheckTable.h"
#include "options/OptionsEnvironment.h"

class QButtonGroup;

// The Windows page (dialog 165, "窗口"): where new windows go and whether
// they become active, the engine of documents opened in new windows, which
// window becomes active when one closes, the window bar's tab style and
// width, and the recently closed windows (their number, and whether they
// reopen in a new window).
//
// Leaving the page refuses a tab width outside 20-200 and, while the
// recently closed windows are kept, a count outside 1-100 (51486). Applying
// it restyles the window bar.
class COptionsWindows : public COptionsPage {
    Q_OBJECT

public:
    static constexpr int DialogId = 165;

    // environment must outlive the page.
    COptionsWindows(CAppSettings& settings, const OptionsEnvironment& environment,
                    QWidget* parent = nullptr);

    bool OnKillActive() override;
    void OnApply() override;
    QList<int> ApplyCategories() const override { return {1}; }

protected:
    void OnBuildPage() override;
    void OnInitPage() override;

private:
    QWidget* buildEngineGroup();
    QWidget* buildActivateGroup();
    QWidget* buildTabGroup();
    QWidget* buildClosedWindows();
    void enableEngines();
    void enableTabWidth();
    void onSingleLineClicked();
    void enableClosedWindows();

    const OptionsEnvironment& m_environment;
    QButtonGroup* m_engines = nullptr;
    QButtonGroup* m_activateModes = nullptr;
    QButtonGroup* m_widthTypes = nullptr;
    OptionsCheckTable m_checks;
};
