#pragma once

#include "framework/ScriptableDialog.h"
#include "options/OptionsEnvironment.h"

#include <QDialog>
#include <QList>

class CAppSettings;
class COptionsPage;
class QPushButton;
class QTabWidget;

// The options sheet, titled 51461 ("Quorrelin 选项"): the pages General,
// Windows, Advanced, AutoClose, quick commands and Confirms in this order (or
// only the Windows page), with OK, Cancel and Apply.
//
// A page fills its controls the first time it is shown. Leaving a page first
// asks it to check its input; a page that refuses stays current. OK and
// Apply check the current page, let every page shown so far write its
// controls into the settings record, save the whole record with the wait
// cursor and then re-apply it to the running windows (the union of the
// pages' ApplySettings categories). When the save fails the record in memory
// is put back as it was, the error is shown and the sheet stays open.
// Apply is enabled while some page is modified.
//
// Runs through the DialogRunner; tests act on it (Sheet::Page, Ok, Apply).
class CQuorrelinOptions : public QDialog, public ScriptableDialog {
    Q_OBJECT

public:
    enum class Pages { All, WindowsOnly };

    // settings and environment must outlive the sheet.
    CQuorrelinOptions(QWidget* parent, CAppSettings& settings,
                      const OptionsEnvironment& environment, Pages pages = Pages::All);

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    COptionsPage* Page(int index) const { return m_pages.value(index); }
    // The page built on dialog resource id, or null.
    COptionsPage* PageById(int dialogId) const;
    int CurrentIndex() const;
    // Shows page index as a click on its tab would (after the current page's
    // check); false when the current page refused.
    bool SelectPage(int index);

    // The buttons' actions: OK applies and closes; Apply applies and stays.
    // Both return false when a check or the save failed.
    bool Ok();
    bool Apply();
    QPushButton* ApplyButton() const { return m_apply; }
    QTabWidget* Tabs() const { return m_tabs; }

    int applyScriptedAnswer(const ScriptedAnswer& answer) override;
    QString scriptDescription() const override;

private:
    void addPage(COptionsPage* page);
    void onCurrentChanged(int index);
    void updateApply();

    CAppSettings& m_settings;
    const OptionsEnvironment& m_environment;
    QTabWidget* m_tabs;
    QPushButton* m_apply;
    QList<COptionsPage*> m_pages;
    int m_current = -1;
    bool m_switching = false;
};
