#include "frame/CSelectWindowDialog.h"

#include "app/CCheckMessageBox.h"
#include "frame/IWindowSelectionHost.h"
#include "frame/WindowListMenu.h"
#include "framework/MessageBoxStyle.h"
#include "framework/WaitCursor.h"
#include "res/StringIds.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QPushButton* makeButton(int id, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::number(id));
    return button;
}

TabWindow handleOf(const QListWidgetItem* item) {
    return reinterpret_cast<TabWindow>(item->data(Qt::UserRole).value<quintptr>());
}

} // namespace

CSelectWindowDialog::CSelectWindowDialog(IWindowSelectionHost& host, int& confirmCloseWindows,
                                         QWidget* parent)
    : QDialog(parent), m_host(host), m_confirm(confirmCloseWindows),
      m_list(new QListWidget(this)), m_ok(makeButton(IDOK, QStringLiteral("确定"), this)),
      m_cancel(makeButton(IDCANCEL, QStringLiteral("取消"), this)),
      m_closeSelected(
          makeButton(CloseSelectedButton, QStringLiteral("关闭选定的窗口(&S)"), this)) {
    setWindowTitle(QStringLiteral("选择窗口"));
    setObjectName(QStringLiteral("selectWindowDialog"));
    m_list->setObjectName(QString::number(ListControl));
    m_list->setSelectionMode(QAbstractItemView::MultiSelection);
    m_list->setUniformItemSizes(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addSpacing(12);
    buttons->addWidget(m_closeSelected);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    m_ok->setDefault(true);
    resize(420, 260);

    connect(m_ok, &QPushButton::clicked, this, &CSelectWindowDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CSelectWindowDialog::reject);
    connect(m_closeSelected, &QPushButton::clicked, this, &CSelectWindowDialog::closeSelected);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CSelectWindowDialog::updateButtons);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] {
        if (selectedRows().size() == 1)
            accept();
    });
    fill();
}

// One entry per tab; the current tab's entry is the one selected.
void CSelectWindowDialog::fill() {
    const std::vector<IWindowSelectionHost::Window> windows = m_host.ListWindows();
    const int current = m_host.CurrentWindowIndex();
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    for (const IWindowSelectionHost::Window& window : windows) {
        auto* item = new QListWidgetItem(windowEntryText(window.text), m_list);
        item->setData(Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(window.handle)));
    }
    if (QListWidgetItem* item = m_list->item(current)) {
        item->setSelected(true);
        m_list->setCurrentItem(item, QItemSelectionModel::NoUpdate);
        m_list->scrollToItem(item);
    }
    updateButtons();
}

std::vector<int> CSelectWindowDialog::selectedRows() const {
    std::vector<int> rows;
    for (const QListWidgetItem* item : m_list->selectedItems())
        rows.push_back(m_list->row(item));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CSelectWindowDialog::updateButtons() {
    const std::size_t selected = selectedRows().size();
    m_ok->setEnabled(selected == 1);
    m_closeSelected->setEnabled(selected >= 1);
}

void CSelectWindowDialog::accept() {
    const std::vector<int> rows = selectedRows();
    if (rows.size() != 1)
        return;
    m_chosen = rows.front();
    QDialog::accept();
}

void CSelectWindowDialog::closeSelected() {
    const std::vector<int> rows = selectedRows();
    if (rows.empty())
        return;
    if (!CCheckMessageBox::Confirm(this, sid::ConfirmCloseSelected, m_confirm))
        return;
    {
        const WaitCursor wait;
        // From the last entry to the first, as the list shows them.
        std::vector<TabWindow> windows;
        windows.reserve(rows.size());
        for (auto row = rows.rbegin(); row != rows.rend(); ++row)
            windows.push_back(handleOf(m_list->item(*row)));
        m_host.CloseWindows(windows);
        // Listed anew rather than by taking entries away: a locked window
        // that stayed keeps its entry, so every entry still names its tab.
        fill();
    }
    activateWindow();
    m_list->setFocus();
}
