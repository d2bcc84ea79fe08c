#include "options/COptionsListPage.h"

#include "app/CCheckMessageBox.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

COptionsListPage::COptionsListPage(int dialogId, QString title, CAppSettings& settings, int listId,
                                   QWidget* parent)
    : COptionsPage(dialogId, std::move(title), settings, parent), m_listId(listId) {}

void COptionsListPage::buildList(QVBoxLayout* top, const QList<Column>& columns, bool moves) {
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QString::number(m_listId));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAllColumnsShowFocus(true);
    m_list->setColumnCount(static_cast<int>(columns.size()));
    QStringList titles;
    int width = 0;
    for (const Column& column : columns) {
        titles << column.title;
        width += column.width;
    }
    // Every column shows without scrolling.
    m_list->setMinimumWidth(width + 2 * m_list->frameWidth() +
                            m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    m_list->setHeaderLabels(titles);
    for (int i = 0; i < columns.size(); ++i) {
        m_list->setColumnWidth(i, columns[i].width);
        if (columns[i].alignRight)
            m_list->headerItem()->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_list->header()->setStretchLastSection(!columns.last().alignRight);

    auto* buttons = new QVBoxLayout;
    auto add = [&](QPushButton* button, void (COptionsListPage::*slot)()) {
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, slot);
    };
    add(makeButton(NewButton, QStringLiteral("新建(&N)...")), &COptionsListPage::onNew);
    add(makeButton(EditButton, QStringLiteral("编辑(&E)...")), &COptionsListPage::onEdit);
    add(makeButton(DeleteButton, QStringLiteral("删除(&D)...")), &COptionsListPage::onDelete);
    if (moves) {
        QPushButton* up = makeButton(0, QStringLiteral("上移(&U)"));
        QPushButton* down = makeButton(0, QStringLiteral("下移(&W)"));
        up->setObjectName(QStringLiteral("moveUp"));
        down->setObjectName(QStringLiteral("moveDown"));
        buttons->addWidget(up);
        buttons->addWidget(down);
        connect(up, &QPushButton::clicked, this, [this] { onMove(-1); });
        connect(down, &QPushButton::clicked, this, [this] { onMove(1); });
    }
    buttons->addSpacing(12);
    QPushButton* import = makeButton(0, QStringLiteral("导入(&I)..."));
    QPushButton* exportButton = makeButton(0, QStringLiteral("导出(&X)..."));
    import->setObjectName(QStringLiteral("import"));
    exportButton->setObjectName(QStringLiteral("export"));
    add(import, &COptionsListPage::onImport);
    add(exportButton, &COptionsListPage::exportEntries);
    buttons->addStretch(1);

    auto* row = new QHBoxLayout;
    row->addWidget(m_list, 1);
    row->addLayout(buttons);
    top->addLayout(row, 1);

    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &COptionsListPage::updateButtons);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &COptionsListPage::onEdit);
}

void COptionsListPage::refill() {
    const QSignalBlocker block(m_list);
    m_list->clear();
    const int columns = m_list->columnCount();
    for (int row = 0; row < rowCount(); ++row) {
        auto* item = new QTreeWidgetItem(m_list);
        const QStringList texts = rowTexts(row);
        for (int column = 0; column < columns && column < texts.size(); ++column) {
            item->setText(column, texts[column]);
            item->setToolTip(column, texts[column]);
            item->setTextAlignment(column, Qt::Alignment(m_list->headerItem()->textAlignment(column)));
        }
    }
    updateButtons();
}

QList<int> COptionsListPage::SelectedRows() const {
    QList<int> rows;
    for (QTreeWidgetItem* item : m_list->selectedItems())
        rows.append(m_list->indexOfTopLevelItem(item));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void COptionsListPage::SelectOnly(int row) {
    m_list->clearSelection();
    if (QTreeWidgetItem* item = m_list->topLevelItem(row)) {
        item->setSelected(true);
        m_list->setCurrentItem(item);
        m_list->scrollToItem(item);
    }
    updateButtons();
}

void COptionsListPage::updateButtons() {
    const qsizetype selected = m_list->selectedItems().size();
    Control(EditButton)->setEnabled(selected == 1);
    Control(DeleteButton)->setEnabled(selected >= 1);
    for (const char* name : {"moveUp", "moveDown"})
        if (auto* move = findChild<QPushButton*>(QString::fromLatin1(name)))
            move->setEnabled(selected == 1);
}

void COptionsListPage::listChanged(int selectRow) {
    refill();
    SelectOnly(selectRow);
    markModified();
}

void COptionsListPage::swapEntries(int, int) {}

void COptionsListPage::onNew() {
    if (newEntry())
        listChanged(rowCount() - 1);
}

void COptionsListPage::onEdit() {
    const QList<int> rows = SelectedRows();
    if (rows.size() == 1 && editEntry(rows.first()))
        listChanged(rows.first());
}

void COptionsListPage::onDelete() {
    const QList<int> rows = SelectedRows();
    if (rows.isEmpty())
        return;
    CCheckMessageBox box(this, deleteQuestion(rows), MB_YESNO | MB_ICONQUESTION);
    if (box.DoModal() != IDYES)
        return;
    for (auto row = rows.crbegin(); row != rows.crend(); ++row)
        removeEntry(*row);
    listChanged();
}

void COptionsListPage::onMove(int step) {
    const QList<int> rows = SelectedRows();
    if (rows.size() != 1)
        return;
    const int from = rows.first();
    const int to = from + step;
    if (to < 0 || to >= rowCount())
        return;
    swapEntries(from, to);
    listChanged(to);
}

void COptionsListPage::onImport() {
    if (importEntries())
        listChanged(rowCount() - 1);
}
