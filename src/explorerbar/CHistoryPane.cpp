#include "explorerbar/CHistoryPane.h"

#include "explorerbar/CExplorerTree.h"
#include "system/VisitHistory.h"

#include <QLocale>
#include <QSet>
#include <QTimer>
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

namespace {

constexpr int kWatchIntervalMs = 1000;

void collectExpanded(const QTreeWidgetItem* item, QSet<QString>& keys) {
    for (int i = 0; i < item->childCount(); ++i) {
        const QTreeWidgetItem* child = item->child(i);
        if (child->isExpanded()) {
            keys.insert(CExplorerTree::FolderKey(child));
            collectExpanded(child, keys);
        }
    }
}

void restoreExpanded(QTreeWidgetItem* item, const QSet<QString>& keys) {
    for (int i = 0; i < item->childCount(); ++i) {
        QTreeWidgetItem* child = item->child(i);
        if (CExplorerTree::IsFolder(child) && keys.contains(CExplorerTree::FolderKey(child))) {
            child->setExpanded(true);
            restoreExpanded(child, keys);
        }
    }
}

} // namespace

CHistoryPane::CHistoryPane(VisitHistory& history, QWidget* parent)
    : QWidget(parent), m_history(history) {
    setObjectName(QStringLiteral("historyPane"));
    m_tree = new CHistoryTree(history, this);
    m_tree->setObjectName(QStringLiteral("historyTree"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    m_watch = new QTimer(this);
    m_watch->setInterval(kWatchIntervalMs);
    connect(m_watch, &QTimer::timeout, this, &CHistoryPane::followChanges);
    Reload();
}

void CHistoryPane::Reload() {
    m_readMark = m_history.ChangeMark();
    static_cast<CHistoryTree*>(m_tree)->Reload();
}

void CHistoryPane::followChanges() {
    if (m_history.ChangeMark() == m_readMark)
        return;
    QSet<QString> expanded;
    collectExpanded(m_tree->invisibleRootItem(), expanded);
    Reload();
    restoreExpanded(m_tree->invisibleRootItem(), expanded);
}

void CHistoryPane::hideEvent(QHideEvent* event) {
    m_watch->stop();
    QWidget::hideEvent(event);
}

void CHistoryPane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The first showing follows the construction, which has just read it.
    if (m_shown)
        Reload();
    m_shown = true;
    m_watch->start();
}
