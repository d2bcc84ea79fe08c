#pragma once

#include "options/COptionsPage.h"
#include "options/OptionsCheckTable.h"

// An options page made only of check boxes, each bound to one setting, in
// table order from top to bottom.
class COptionsCheckPage : public COptionsPage {
    Q_OBJECT

public:
    // categories: what CMainFrame::ApplySettings re-applies after saving.
    COptionsCheckPage(int dialogId, QString title, CAppSettings& settings,
                      QList<OptionsCheck> table, QList<int> categories = {},
                      QWidget* parent = nullptr);

    void OnApply() override;
    QList<int> ApplyCategories() const override { return m_categories; }

protected:
    void OnBuildPage() override;
    void OnInitPage() override;

private:
    QList<OptionsCheck> m_table;
    QList<int> m_categories;
    OptionsCheckTable m_checks;
};
