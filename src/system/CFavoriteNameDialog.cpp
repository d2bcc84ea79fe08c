#include "system/CFavoriteNameDialog.h"

#include "framework/DialogRunner.h"
#include "linkgroups/LinkGroupDialogParts.h"
#include "system/FavoritesMessages.h"
#include "system/FavoritesTree.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CFavoriteNameDialog::CFavoriteNameDialog(QWidget* parent, const QString& title,
                                         const QString& prompt, const QString& name)
    : QDialog(parent),
      m_name(linkgroupdialog::makeEdit(this, 0, name, linkgroupdialog::kMaxNameLength * 2)) {
    setWindowTitle(title);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->selectAll();
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(prompt, this);
    label->setBuddy(m_name);
    layout->addWidget(label);
    layout->addWidget(m_name);
    layout->addWidget(linkgroupdialog::makeButtons(this));
}

QString CFavoriteNameDialog::Name() const {
    return m_name->text().trimmed();
}

void CFavoriteNameDialog::accept() {
    if (linkgroupdialog::requireText(m_name))
        QDialog::accept();
}

QString CFavoriteNameDialog::MakeFolder(QWidget* parent, const QString& title, const QString& root,
                                        const QString& parentFolder) {
    CFavoriteNameDialog ask(
        parent, title, QStringLiteral("文件夹名称(&F):"),
        FavoritesTree::UniqueName(parentFolder, QStringLiteral("新建文件夹"), {}));
    if (DialogRunner::instance().exec(ask) != QDialog::Accepted)
        return {};
    FavoritesTree tree(root);
    QString created;
    const FavoritesTree::Status status = tree.NewFolder(parentFolder, ask.Name(), &created);
    ShowFavoritesProblem(parent, status, FavoritesTree::FileNameFor(ask.Name()), tree);
    return status == FavoritesTree::Status::Ok ? created : QString();
}
