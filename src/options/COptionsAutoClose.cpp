#include "options/COptionsAutoClose.h"

#include "addressbar/ListFileCommands.h"
#include "app/CAppSettings.h"
#include "browser/AutoCloseEntry.h"
#include "browser/AutoCloseList.h"
#include "browser/CAutoCloseEntryDialog.h"
#include "framework/DialogRunner.h"
#include "res/MessageFormat.h"
#include "res/StringIds.h"
#include "res/StringTable.h"

#include <QCheckBox>
#include <QVBoxLayout>

COptionsAutoClose::COptionsAutoClose(CAppSettings& settings, QWidget* parent)
    : COptionsListPage(DialogId, QStringLiteral("自动关闭列表"), settings, ListControl, parent) {}

void COptionsAutoClose::OnBuildPage() {
    auto* layout = new QVBoxLayout(this);
    m_closePopups = makeCheck(ClosePopupsControl,
                              QStringLiteral("自动关闭所有弹出式窗口(&A)（包括下表内的地址）"));
    layout->addWidget(m_closePopups);
    buildList(layout,
              {{res::loadString(sid::LinkColumn), 300}, {res::loadString(sid::StateColumn), 80, true}},
              false);
}

void COptionsAutoClose::OnInitPage() {
    m_closePopups->setChecked(settings().ClosePopups != 0);
    m_entries = settings().AutoClose;
    refill();
}

QStringList COptionsAutoClose::rowTexts(int row) const {
    const QString& entry = m_entries[row];
    const bool disabled = entry.startsWith(QLatin1Char('!'));
    return {disabled ? entry.mid(1) : entry,
            res::loadString(disabled ? sid::StateDeny : sid::StateAllow)};
}

std::optional<QString> COptionsAutoClose::runEntryDialog(const QString& entry, int row) {
    CAutoCloseEntryDialog dialog(
        this, entry, false,
        [this](const QString& address, int except) {
            return IsAutoCloseDuplicate(m_entries, address, except);
        },
        row);
    if (DialogRunner::instance().exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.Entry();
}

bool COptionsAutoClose::newEntry() {
    const std::optional<QString> entry = runEntryDialog(QString(), -1);
    if (!entry)
        return false;
    m_entries.append(*entry);
    return true;
}

bool COptionsAutoClose::editEntry(int row) {
    const std::optional<QString> entry = runEntryDialog(m_entries[row], row);
    if (!entry || *entry == m_entries[row])
        return false;
    m_entries[row] = *entry;
    return true;
}

QString COptionsAutoClose::deleteQuestion(const QList<int>& rows) const {
    if (rows.size() == 1)
        return res::formatString(sid::ConfirmDeleteAutoClose,
                                 {{"%address%", rowTexts(rows.first()).first()}});
    return res::loadString(sid::ConfirmDeleteAutoCloseSelected);
}

bool COptionsAutoClose::importEntries() {
    return ImportAutoCloseInto(this, &m_entries) > 0;
}

void COptionsAutoClose::exportEntries() {
    ExportAutoCloseInteractive(this, m_entries);
}

void COptionsAutoClose::OnApply() {
    settings().AutoClose = m_entries;
    settings().ClosePopups = m_closePopups->isChecked() ? 1 : 0;
}
