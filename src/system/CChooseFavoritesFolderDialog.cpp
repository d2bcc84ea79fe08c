#include "system/CChooseFavoritesFolderDialog.h"

#include "linkgroups/LinkGroupDialogParts.h"
#include "system/CFavoritesTreeWidget.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CChooseFavoritesFolderDialog::CChooseFavoritesFolderDialog(QWidget* parent,
                                                           const QString& favoritesFolder,
                                                           const QString& select)
    : QDialog(parent), m_tree(new CFavoritesTreeWidget(favoritesFolder, false, this)) {
    setWindowTitle(QStringLiteral("浏览文件夹"));
    m_tree->Reload(select);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("请选择目标文件夹："), this));
    layout->addWidget(m_tree);
    layout->addWidget(linkgroupdialog::makeButtons(this));
}

QString CChooseFavoritesFolderDialog::ChosenFolder() const {
    return m_tree->CurrentFolder();
}
