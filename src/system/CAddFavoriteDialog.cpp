#include "system/CAddFavoriteDialog.h"

#include "app/CCheckMessageBox.h"
#include "framework/DialogRunner.h"
#include "linkgroups/LinkGroupDialogParts.h"
#include "res/MessageFormat.h"
#include "res/StringIds.h"
#include "system/CFavoriteNameDialog.h"
#include "system/CFavoritesTreeWidget.h"
#include "system/FavoritesMessages.h"
#include "system/FavoritesTree.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CAddFavoriteDialog::CAddFavoriteDialog(QWidget* parent, const QString& favoritesFolder,
                                       const QString& title, const QString& url)
    : QDialog(parent), m_url(url),
      m_name(linkgroupdialog::makeEdit(this, 0,
                                       FavoritesTree::FileNameFor(title).isEmpty()
                                           ? FavoritesTree::NameFromUrl(url)
                                           : FavoritesTree::FileNameFor(title),
                                       linkgroupdialog::kMaxNameLength * 2)),
      m_tree(new CFavoritesTreeWidget(favoritesFolder, false, this)),
      m_newFolder(new QPushButton(QStringLiteral("新建文件夹(&W)..."), this)) {
    setWindowTitle(QStringLiteral("添加到收藏夹"));
    m_name->setObjectName(QStringLiteral("name"));
    m_name->selectAll();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Quorrelin 将把该页添加到你的收藏夹。"), this));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("名称(&N):"), m_name);
    form->addRow(QStringLiteral("创建到(&I):"), m_tree);
    layout->addLayout(form);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_newFolder);
    bottom->addStretch(1);
    bottom->addWidget(linkgroupdialog::makeButtons(this));
    layout->addLayout(bottom);
    connect(m_newFolder, &QPushButton::clicked, this, &CAddFavoriteDialog::NewFolder);
    m_name->setFocus();
}

void CAddFavoriteDialog::NewFolder() {
    const QString created = CFavoriteNameDialog::MakeFolder(
        this, QStringLiteral("新建文件夹"), m_tree->Root(), m_tree->CurrentFolder());
    if (!created.isEmpty())
        m_tree->Reload(created);
}

void CAddFavoriteDialog::accept() {
    FavoritesTree tree(m_tree->Root());
    const QString folder = m_tree->CurrentFolder();
    const QString name = FavoritesTree::FileNameFor(m_name->text());
    FavoritesTree::Status status = tree.AddLink(folder, name, m_url, false, &m_created);
    if (status == FavoritesTree::Status::NameExists &&
        !QFileInfo(QDir(folder).filePath(name + QStringLiteral(".url"))).isDir()) {
        CCheckMessageBox ask(this, res::formatString(sid::FavoriteReplace, {{"%name%", name}}),
                             MB_YESNO | MB_ICONQUESTION);
        if (ask.DoModal() != IDYES)
            return;
        status = tree.AddLink(folder, name, m_url, true, &m_created);
    }
    if (status != FavoritesTree::Status::Ok) {
        m_created.clear();
        ShowFavoritesProblem(this, status,
                             status == FavoritesTree::Status::BadAddress ? m_url : name, tree);
        if (status == FavoritesTree::Status::EmptyName)
            m_name->setFocus();
        return;
    }
    QDialog::accept();
}
