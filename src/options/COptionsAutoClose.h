#pragma once

#include "options/COptionsListPage.h"

#include <QStringList>

#include <optional>

class QCheckBox;

// The AutoClose page (dialog 161, "自动关闭列表"): the switch that closes
// every popup window (ClosePopups) and the auto-close list in two columns,
// the link (51465) and its state (51466: 51467 allowed or 51468 forbidden).
// New and Edit run the entry dialog, which refuses an address the page's list
// holds already; Delete asks 51470 for one entry and 51493 for several.
class COptionsAutoClose : public COptionsListPage {
    Q_OBJECT

public:
    static constexpr int DialogId = 161;
    static constexpr int ListControl = 10043;
    static constexpr int ClosePopupsControl = 10135;

    explicit COptionsAutoClose(CAppSettings& settings, QWidget* parent = nullptr);

    void OnApply() override;
    // The page's working list.
    const QStringList& Entries() const { return m_entries; }

protected:
    void OnBuildPage() override;
    void OnInitPage() override;
    int rowCount() const override { return static_cast<int>(m_entries.size()); }
    QStringList rowTexts(int row) const override;
    bool newEntry() override;
    bool editEntry(int row) override;
    QString deleteQuestion(const QList<int>& rows) const override;
    void removeEntry(int row) override { m_entries.removeAt(row); }
    bool importEntries() override;
    void exportEntries() override;

private:
    // Runs the entry dialog on entry (row: the edited row, -1 for a new one);
    // the resulting entry, or nothing on Cancel.
    std::optional<QString> runEntryDialog(const QString& entry, int row);

    QCheckBox* m_closePopups = nullptr;
    QStringList m_entries;
};
