#include "options/CQuorrelinOptions.h"

#include "app/CAppSettings.h"
#include "app/CCheckMessageBox.h"
#include "framework/WaitCursor.h"
#include "options/COptionsAdvanced.h"
#include "options/COptionsAutoClose.h"
#include "options/COptionsConfirms.h"
#include "options/COptionsGeneral.h"
#include "options/COptionsWindows.h"
#include "quickcommands/CQuickCommandsPage.h"
#include "res/StringIds.h"
#include "res/StringTable.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

CQuorrelinOptions::CQuorrelinOptions(QWidget* parent, CAppSettings& settings,
                                     const OptionsEnvironment& environment, Pages pages)
    : QDialog(parent), m_settings(settings), m_environment(environment),
      m_tabs(new QTabWidget(this)), m_apply(new QPushButton(QStringLiteral("应用(&A)"), this)) {
    setWindowTitle(res::loadString(sid::OptionsTitle));
    if (pages == Pages::WindowsOnly) {
        addPage(new COptionsWindows(settings, environment));
    } else {
        addPage(new COptionsGeneral(settings, environment));
        addPage(new COptionsWindows(settings, environment));
        addPage(new COptionsAdvanced(settings));
        addPage(new COptionsAutoClose(settings));
        addPage(new CQuickCommandsPage(settings, environment));
        addPage(new COptionsConfirms(settings));
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QString::number(IDOK));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QString::number(IDCANCEL));
    m_apply->setObjectName(QStringLiteral("apply"));
    buttons->addButton(m_apply, QDialogButtonBox::ApplyRole);
    connect(ok, &QPushButton::clicked, this, &CQuorrelinOptions::Ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_apply, &QPushButton::clicked, this, &CQuorrelinOptions::Apply);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buttons);

    m_current = 0;
    m_pages.first()->Initialize();
    connect(m_tabs, &QTabWidget::currentChanged, this, &CQuorrelinOptions::onCurrentChanged);
    updateApply();
}

void CQuorrelinOptions::addPage(COptionsPage* page) {
    page->Build();
    m_pages.append(page);
    m_tabs->addTab(page, page->Title());
    connect(page, &COptionsPage::modifiedChanged, this, &CQuorrelinOptions::updateApply);
}

COptionsPage* CQuorrelinOptions::PageById(int dialogId) const {
    for (COptionsPage* page : m_pages)
        if (page->DialogId() == dialogId)
            return page;
    return nullptr;
}

int CQuorrelinOptions::CurrentIndex() const {
    return m_tabs->currentIndex();
}

bool CQuorrelinOptions::SelectPage(int index) {
    m_tabs->setCurrentIndex(index);
    return m_tabs->currentIndex() == index;
}

// The tab has changed already: a page that refuses to be left is made
// current again.
void CQuorrelinOptions::onCurrentChanged(int index) {
    if (m_switching || index == m_current)
        return;
    COptionsPage* leaving = m_pages.value(m_current);
    if (leaving && !leaving->OnKillActive()) {
        m_switching = true;
        m_tabs->setCurrentIndex(m_current);
        m_switching = false;
        return;
    }
    m_current = index;
    if (COptionsPage* page = m_pages.value(index))
        page->Initialize();
}

void CQuorrelinOptions::updateApply() {
    m_apply->setEnabled(std::any_of(m_pages.cbegin(), m_pages.cend(),
                                    [](const COptionsPage* page) { return page->IsModified(); }));
}

bool CQuorrelinOptions::Apply() {
    COptionsPage* current = m_pages.value(m_current);
    if (current && !current->OnKillActive())
        return false;
    const CAppSettings before = m_settings;
    QList<int> categories;
    for (COptionsPage* page : m_pages) {
        if (!page->IsInitialized())
            continue;
        page->OnApply();
        for (int category : page->ApplyCategories())
            if (!categories.contains(category))
                categories.append(category);
    }
    bool saved = false;
    {
        const WaitCursor wait;
        saved = m_settings.Save();
    }
    if (!saved) {
        m_settings = before;
        CCheckMessageBox box(this, sid::SettingsNotSaved, MB_OK | MB_ICONSTOP);
        box.DoModal();
        return false;
    }
    for (COptionsPage* page : m_pages)
        page->SetModified(false);
    std::sort(categories.begin(), categories.end());
    if (m_environment.reapply)
        m_environment.reapply(categories);
    return true;
}

bool CQuorrelinOptions::Ok() {
    if (!Apply())
        return false;
    accept();
    return true;
}

int CQuorrelinOptions::applyScriptedAnswer(const ScriptedAnswer& answer) {
    return applyOkCancel(*this, answer, [this] { Ok(); });
}

QString CQuorrelinOptions::scriptDescription() const {
    return metaObject()->className();
}
