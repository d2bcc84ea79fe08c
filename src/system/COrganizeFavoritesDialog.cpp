#include "system/COrganizeFavoritesDialog.h"

#include "app/CCheckMessageBox.h"
#include "framework/DialogRunner.h"
#include "res/MessageFormat.h"
#include "res/StringIds.h"
#include "system/CChooseFavoritesFolderDialog.h"
#include "system/CFavoriteNameDialog.h"
#include "system/CFavoritesTreeWidget.h"
#include "system/FavoritesMessages.h"
#include "system/FavoritesTree.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

COrganizeFavoritesDialog::COrganizeFavoritesDialog(QWidget* parent, const QString& favoritesFolder)
    : QDialog(parent), m_tree(new CFavoritesTreeWidget(favoritesFolder, true, this)),
      m_details(new QLabel(this)) {
    setWindowTitle(QStringLiteral("整理收藏夹"));
    static const char* const kTexts[ButtonCount] = {"创建文件夹(&C)", "重命名(&R)",
                                                    "移至文件夹(&M)...", "删除(&D)"};
    auto* grid = new QGridLayout;
    for (int i = 0; i < ButtonCount; ++i) {
        m_buttons[i] = new QPushButton(QString::fromUtf8(kTexts[i]), this);
        grid->addWidget(m_buttons[i], i / 2, i % 2);
        connect(m_buttons[i], &QPushButton::clicked, this, [this, i] { Press(Button(i)); });
    }
    auto* hint =
        new QLabel(QStringLiteral("要创建新文件夹，请单击“创建文件夹”按钮。要重命名、移动或删除"
                                  "项目，请选择该项目，然后单击“重命名”、“移至文件夹”或“删除”。"),
                   this);
    hint->setWordWrap(true);
    m_details->setWordWrap(true);
    m_details->setTextFormat(Qt::PlainText);
    m_details->setMinimumHeight(48);
    auto* left = new QVBoxLayout;
    left->addWidget(hint);
    left->addLayout(grid);
    left->addWidget(m_details);
    left->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("关闭(&L)"), this);
    close->setObjectName(QString::number(IDOK));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    left->addWidget(close, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(m_tree, 2);
    m_tree->setMinimumSize(320, 320);
    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            &COrganizeFavoritesDialog::selectionChanged);
    selectionChanged();
}

void COrganizeFavoritesDialog::Press(Button button) {
    if (!m_buttons[button]->isEnabled())
        return;
    switch (button) {
    case NewFolder:
        newFolder();
        break;
    case Rename:
        rename();
        break;
    case MoveTo:
        moveTo();
        break;
    case Delete:
        remove();
        break;
    case ButtonCount:
        break;
    }
}

void COrganizeFavoritesDialog::selectionChanged() {
    const QString path = m_tree->CurrentPath();
    const bool entry = path != m_tree->Root();
    for (Button button : {Rename, MoveTo, Delete})
        m_buttons[button]->setEnabled(entry);
    if (!entry) {
        m_details->clear();
        return;
    }
    const QTreeWidgetItem* item = m_tree->currentItem();
    const QString address = item ? item->toolTip(0) : QString();
    m_details->setText(FavoritesTree::DisplayName(path) +
                       (address.isEmpty() ? QStringLiteral("\n文件夹") : u'\n' + address));
}

void COrganizeFavoritesDialog::changed(const QString& path) {
    m_changed = true;
    m_tree->Reload(path);
}

void COrganizeFavoritesDialog::newFolder() {
    const QString created = CFavoriteNameDialog::MakeFolder(
        this, QStringLiteral("创建文件夹"), m_tree->Root(), m_tree->CurrentFolder());
    if (!created.isEmpty())
        changed(created);
}

void COrganizeFavoritesDialog::rename() {
    const QString path = m_tree->CurrentPath();
    CFavoriteNameDialog ask(this, QStringLiteral("重命名"), QStringLiteral("新名称(&N):"),
                            FavoritesTree::DisplayName(path));
    if (DialogRunner::instance().exec(ask) != QDialog::Accepted)
        return;
    FavoritesTree tree(m_tree->Root());
    QString renamed;
    const FavoritesTree::Status status = tree.Rename(path, ask.Name(), &renamed);
    const bool gone = status == FavoritesTree::Status::NotFound;
    ShowFavoritesProblem(
        this, status,
        gone ? FavoritesTree::DisplayName(path) : FavoritesTree::FileNameFor(ask.Name()), tree);
    if (status == FavoritesTree::Status::Ok)
        changed(renamed);
    else if (gone)
        m_tree->Reload(path);
}

void COrganizeFavoritesDialog::moveTo() {
    const QString path = m_tree->CurrentPath();
    CChooseFavoritesFolderDialog ask(this, m_tree->Root(), QFileInfo(path).path());
    if (DialogRunner::instance().exec(ask) != QDialog::Accepted)
        return;
    FavoritesTree tree(m_tree->Root());
    QString moved;
    const FavoritesTree::Status status = tree.Move(path, ask.ChosenFolder(), &moved);
    ShowFavoritesProblem(this, status, FavoritesTree::DisplayName(path), tree);
    if (status == FavoritesTree::Status::Ok)
        changed(moved);
    else if (status == FavoritesTree::Status::NotFound)
        m_tree->Reload(path);
}

void COrganizeFavoritesDialog::remove() {
    const QString path = m_tree->CurrentPath();
    const QString name = FavoritesTree::DisplayName(path);
    const bool folder = !FavoritesTree::IsLink(path);
    CCheckMessageBox ask(
        this,
        res::formatString(folder ? sid::ConfirmDeleteFavoriteFolder : sid::ConfirmDeleteFavorite,
                          {{"%name%", name}}),
        MB_YESNO | MB_ICONQUESTION);
    if (ask.DoModal() != IDYES)
        return;
    FavoritesTree tree(m_tree->Root());
    const FavoritesTree::Status status = tree.Delete(path);
    ShowFavoritesProblem(this, status, name, tree);
    if (status == FavoritesTree::Status::Ok)
        changed(path);
    else if (status == FavoritesTree::Status::NotFound)
        m_tree->Reload(path);
}
