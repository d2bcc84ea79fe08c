#include "explorerbar/CHistoryPane.h"

#include "explorerbar/CExplorerTree.h"
#include "system/VisitHistory.h"

#include <QLocale>
#include <QVBoxLayout>

namespace {

// Keys: "<julian day>" for a day, "<julian day>\n<site>" for a site.
class CHistoryTree : public CExplorerTree {
public:
    CHistoryTree(VisitHistory& history, QWidget* parent)
        : CExplorerTree(parent), m_history(history) {
        setRootIsDecorated(false);
        setItemsExpandable(true);
        setIndentation(12);
    }

    void Reload() {
        Reset();
        const QLocale locale;
        for (const QDate& day : m_history.Days())
            AddFolder(nullptr, locale.toString(day, QLocale::LongFormat),
                      QString::number(day.toJulianDay()));
    }

protected:
    void FillFolder(QTreeWidgetItem* folder, const QString& key) override {
        const qsizetype split = key.indexOf(QLatin1Char('\n'));
        const QDate day = QDate::fromJulianDay(key.left(split).toLongLong());
        if (split < 0) {
            for (const HistorySite& site : m_history.Sites(day))
                AddFolder(folder, site.name, key + QLatin1Char('\n') + site.name);
            return;
        }
        for (const HistoryPage& page : m_history.Pages(day, key.mid(split + 1)))
            AddItem(folder, page.title.isEmpty() ? page.url : page.title, page.url);
    }

private:
    VisitHistory& m_history;
};

} // namespace

CHistoryPane::CHistoryPane(VisitHistory& history, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("historyPane"));
    m_tree = new CHistoryTree(history, this);
    m_tree->setObjectName(QStringLiteral("historyTree"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    Reload();
}

void CHistoryPane::Reload() { static_cast<CHistoryTree*>(m_tree)->Reload(); }

void CHistoryPane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The first showing follows the construction, which has just read it.
    if (m_shown)
        Reload();
    m_shown = true;
}
