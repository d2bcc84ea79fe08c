#include "options/COptionsCheckPage.h"

#include <QVBoxLayout>

COptionsCheckPage::COptionsCheckPage(int dialogId, QString title, CAppSettings& settings,
                                     QList<OptionsCheck> table, QList<int> categories,
                                     QWidget* parent)
    : COptionsPage(dialogId, std::move(title), settings, parent), m_table(std::move(table)),
      m_categories(std::move(categories)) {}

void COptionsCheckPage::OnBuildPage() {
    auto* layout = new QVBoxLayout(this);
    m_checks.build(m_table, layout, [this](int id, const QString& text) {
        return makeCheck(id, text);
    });
    layout->addStretch(1);
}

void COptionsCheckPage::OnInitPage() {
    m_checks.read(settings());
}

void COptionsCheckPage::OnApply() {
    m_checks.write(settings());
}
