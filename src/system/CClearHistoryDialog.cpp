#include "system/CClearHistoryDialog.h"

#include "res/StringIds.h"
#include "res/StringTable.h"
#include "system/BrowsingTraces.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kBitRole = Qt::UserRole + 1;

Qt::CheckState checkOf(bool on) { return on ? Qt::Checked : Qt::Unchecked; }

bool allChildrenChecked(const QTreeWidgetItem* root) {
    for (int i = 0; i < root->childCount(); ++i)
        if (root->child(i)->checkState(0) != Qt::Checked)
            return false;
    return true;
}

} // namespace

CClearHistoryDialog::CClearHistoryDialog(unsigned bits, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dialog178"));
    setWindowTitle(QString::fromUtf8("清理历史记录"));
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QString::number(kTreeId));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    addRoot(QStringLiteral("Internet Explorer"),
            {{sid::ClearHistoryItem, clearbits::History},
             {sid::ClearTypedUrlsItem, clearbits::TypedUrls},
             {sid::ClearTemporaryFilesItem, clearbits::TemporaryFiles}},
            bits);
    addRoot(QStringLiteral("Quorrelin"),
            {{sid::ClearClosedWindowsItem, clearbits::ClosedWindows},
             {sid::ClearAutoCloseItem, clearbits::AutoCloseList}},
            bits);
    m_tree->expandAll();
    connect(m_tree, &QTreeWidget::itemChanged, this, &CClearHistoryDialog::itemChanged);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tree);
    layout->addWidget(buttons);
    resize(260, 240);
}

void CClearHistoryDialog::addRoot(
    const QString& text, const std::initializer_list<std::pair<unsigned, unsigned>>& children,
    unsigned bits) {
    auto* root = new QTreeWidgetItem(m_tree, {text});
    root->setFlags(root->flags() | Qt::ItemIsUserCheckable);
    for (const auto& [stringId, bit] : children) {
        auto* child = new QTreeWidgetItem(root, {res::loadString(stringId).trimmed()});
        child->setFlags(child->flags() | Qt::ItemIsUserCheckable);
        child->setData(0, kBitRole, bit);
        child->setCheckState(0, checkOf((bits & bit) != 0));
    }
    root->setCheckState(0, checkOf(allChildrenChecked(root)));
}

void CClearHistoryDialog::itemChanged(QTreeWidgetItem* item) {
    if (m_applying)
        return;
    const QScopedValueRollback applying(m_applying, true);
    if (!item->parent()) {
        for (int i = 0; i < item->childCount(); ++i)
            item->child(i)->setCheckState(0, item->checkState(0));
    } else {
        item->parent()->setCheckState(0, checkOf(allChildrenChecked(item->parent())));
    }
}

unsigned CClearHistoryDialog::Selection() const {
    unsigned bits = 0;
    for (int r = 0; r < m_tree->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* root = m_tree->topLevelItem(r);
        for (int i = 0; i < root->childCount(); ++i)
            if (root->child(i)->checkState(0) == Qt::Checked)
                bits |= root->child(i)->data(0, kBitRole).toUInt();
    }
    return bits;
}

QTreeWidgetItem* CClearHistoryDialog::Root(int index) const { return m_tree->topLevelItem(index); }

QTreeWidgetItem* CClearHistoryDialog::ItemForBit(unsigned bit) const {
    for (int r = 0; r < m_tree->topLevelItemCount(); ++r) {
        QTreeWidgetItem* root = m_tree->topLevelItem(r);
        for (int i = 0; i < root->childCount(); ++i)
            if (root->child(i)->data(0, kBitRole).toUInt() == bit)
                return root->child(i);
    }
    return nullptr;
}

int CClearHistoryDialog::applyScriptedAnswer(const ScriptedAnswer& answer) {
    return applyOkCancel(*this, answer, [this] { accept(); });
}

QString CClearHistoryDialog::scriptDescription() const { return windowTitle(); }
