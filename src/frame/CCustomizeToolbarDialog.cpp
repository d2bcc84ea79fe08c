#include "frame/CCustomizeToolbarDialog.h"

#include "res/StringTable.h"
#include "res/images/ToolbarImages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Texts of the dialog.
const char* const kTitle = "自定义工具栏";
const char* const kAvailableLabel = "可用工具栏按钮(&V):";
const char* const kCurrentLabel = "当前工具栏按钮(&T):";
const char* const kSeparatorText = "分隔符";
const char* const kAddText = "添加(&A) ->";
const char* const kRemoveText = "<- 删除(&R)";
const char* const kUpText = "上移(&U)";
const char* const kDownText = "下移(&D)";
const char* const kResetText = "重置(&E)";
const char* const kCloseText = "关闭(&C)";

constexpr int kCommandRole = Qt::UserRole;

QPushButton* makeButton(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QListWidget* makeList(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setIconSize(QSize(res::ToolbarImages::kSize, res::ToolbarImages::kSize));
    list->setMinimumSize(200, 260);
    return list;
}

} // namespace

CCustomizeToolbarDialog::CCustomizeToolbarDialog(const ToolBarLayout& current, QWidget* parent)
    : QDialog(parent), m_layout(current), m_available(makeList("availableList", this)),
      m_current(makeList("currentList", this)), m_add(makeButton(kAddText, "addButton", this)),
      m_remove(makeButton(kRemoveText, "removeButton", this)),
      m_up(makeButton(kUpText, "upButton", this)),
      m_down(makeButton(kDownText, "downButton", this)) {
    setWindowTitle(QString::fromUtf8(kTitle));
    QPushButton* reset = makeButton(kResetText, "resetButton", this);
    QPushButton* close = makeButton(kCloseText, "closeButton", this);
    close->setDefault(true);

    auto* availableLabel = new QLabel(QString::fromUtf8(kAvailableLabel), this);
    availableLabel->setBuddy(m_available);
    auto* currentLabel = new QLabel(QString::fromUtf8(kCurrentLabel), this);
    currentLabel->setBuddy(m_current);

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(m_add);
    middle->addWidget(m_remove);
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(close);
    right->addWidget(reset);
    right->addSpacing(12);
    right->addWidget(m_up);
    right->addWidget(m_down);
    right->addStretch();

    auto* grid = new QGridLayout(this);
    grid->addWidget(availableLabel, 0, 0);
    grid->addWidget(currentLabel, 0, 2);
    grid->addWidget(m_available, 1, 0);
    grid->addLayout(middle, 1, 1);
    grid->addWidget(m_current, 1, 2);
    grid->addLayout(right, 1, 3);

    connect(m_add, &QPushButton::clicked, this, &CCustomizeToolbarDialog::addSelected);
    connect(m_remove, &QPushButton::clicked, this, &CCustomizeToolbarDialog::removeSelected);
    connect(m_up, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveSelected(1); });
    connect(reset, &QPushButton::clicked, this, &CCustomizeToolbarDialog::resetToDefaults);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_available, &QListWidget::itemDoubleClicked, this,
            &CCustomizeToolbarDialog::addSelected);
    connect(m_current, &QListWidget::itemDoubleClicked, this,
            &CCustomizeToolbarDialog::removeSelected);
    connect(m_available, &QListWidget::currentRowChanged, this,
            &CCustomizeToolbarDialog::updateButtons);
    connect(m_current, &QListWidget::currentRowChanged, this,
            &CCustomizeToolbarDialog::updateButtons);
    fillLists(0);
}

std::vector<std::uint32_t> CCustomizeToolbarDialog::availableCommands() const {
    std::vector<std::uint32_t> commands{ToolBarLayout::kToolBarSeparator};
    for (int index = 0; const ToolButtonInfo* info = customizeToolButtonAt(index); ++index) {
        const auto& shown = m_layout.commands;
        if (std::find(shown.begin(), shown.end(), info->command) == shown.end())
            commands.push_back(info->command);
    }
    return commands;
}

QListWidgetItem* CCustomizeToolbarDialog::makeItem(std::uint32_t command) {
    auto* item = new QListWidgetItem;
    item->setData(kCommandRole, command);
    if (command == ToolBarLayout::kToolBarSeparator) {
        item->setText(QString::fromUtf8(kSeparatorText));
    } else if (const ToolButtonInfo* info = findToolButton(command)) {
        item->setText(res::commandShortName(command));
        item->setIcon(res::ToolbarImages::icon(info->image));
    }
    return item;
}

void CCustomizeToolbarDialog::fillLists(int currentRow) {
    const int availableRow = std::max(m_available->currentRow(), 0);
    m_available->clear();
    for (std::uint32_t command : availableCommands())
        m_available->addItem(makeItem(command));
    m_current->clear();
    for (std::uint32_t command : m_layout.commands)
        m_current->addItem(makeItem(command));
    m_available->setCurrentRow(std::min(availableRow, m_available->count() - 1));
    if (m_current->count() > 0)
        m_current->setCurrentRow(std::clamp(currentRow, 0, m_current->count() - 1));
    updateButtons();
}

void CCustomizeToolbarDialog::addSelected() {
    const QListWidgetItem* item = m_available->currentItem();
    if (!item || m_layout.commands.size() >= std::size_t(ToolBarLayout::kMaxEntries))
        return;
    const auto command = item->data(kCommandRole).toUInt();
    // New buttons go before the selected current button, as a toolbar
    // inserts them; with nothing selected, at the end.
    const int row = m_current->currentRow();
    const int at = row < 0 ? static_cast<int>(m_layout.commands.size()) : row;
    m_layout.commands.insert(m_layout.commands.begin() + at, command);
    fillLists(at);
}

void CCustomizeToolbarDialog::removeSelected() {
    const int row = m_current->currentRow();
    if (row < 0 || row >= static_cast<int>(m_layout.commands.size()))
        return;
    m_layout.commands.erase(m_layout.commands.begin() + row);
    fillLists(row);
}

void CCustomizeToolbarDialog::moveSelected(int delta) {
    const int row = m_current->currentRow();
    const int target = row + delta;
    const int count = static_cast<int>(m_layout.commands.size());
    if (row < 0 || row >= count || target < 0 || target >= count)
        return;
    std::swap(m_layout.commands[row], m_layout.commands[target]);
    fillLists(target);
}

void CCustomizeToolbarDialog::resetToDefaults() {
    m_layout = ToolBarLayout::defaults();
    fillLists(0);
}

void CCustomizeToolbarDialog::updateButtons() {
    const int row = m_current->currentRow();
    const int count = m_current->count();
    m_add->setEnabled(m_available->currentRow() >= 0);
    m_remove->setEnabled(row >= 0);
    m_up->setEnabled(row > 0);
    m_down->setEnabled(row >= 0 && row + 1 < count);
}
