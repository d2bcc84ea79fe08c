#include "explorerbar/CFoldersPane.h"

#include "addressbar/CFlatImageButton.h"
#include "explorerbar/CExplorerTree.h"
#include "explorerbar/FolderListing.h"
#include "res/StringIds.h"
#include "res/StringTable.h"

#include <QComboBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QUrl>

namespace {

constexpr int kRefreshBitmap = 176;

// The files tree: a folder's key is its path; a file opens as a file URL.
class CFileTree : public CExplorerTree {
public:
    explicit CFileTree(QWidget* parent) : CExplorerTree(parent) {}

    void SetPatterns(QStringList patterns) { m_patterns = std::move(patterns); }

protected:
    void FillFolder(QTreeWidgetItem* folder, const QString& key) override {
        const FolderListing listing = ListFolder(key, m_patterns);
        for (const QString& path : listing.folders)
            AddFolder(folder, QFileInfo(path).fileName(), path)
                ->setIcon(0, m_icons.icon(QFileIconProvider::Folder));
        for (const QString& path : listing.files)
            AddItem(folder, QFileInfo(path).fileName(), QUrl::fromLocalFile(path).toString())
                ->setIcon(0, m_icons.icon(QFileIconProvider::File));
    }

private:
    QStringList m_patterns;
    QFileIconProvider m_icons;
};

} // namespace

CFoldersPane::CFoldersPane(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("foldersPane"));
    auto* label = new QLabel(QStringLiteral("Files:"), this);
    m_filter = new QComboBox(this);
    m_filter->setObjectName(QStringLiteral("10002"));
    m_filter->setEditable(true);
    m_filter->setInsertPolicy(QComboBox::NoInsert);
    m_filter->addItems({QStringLiteral("*.htm;*.html;*.txt"), QStringLiteral("*.*")});
    m_filter->setCurrentIndex(0);
    m_refresh = new CFlatImageButton(this);
    m_refresh->LoadBitmap(kRefreshBitmap, true);
    m_refresh->setToolTip(res::loadString(sid::RefreshTip));
    m_tree = new CFileTree(this);
    m_tree->setObjectName(QStringLiteral("foldersTree"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_filter, 0, 1);
    layout->addWidget(m_refresh, 0, 2);
    layout->addWidget(m_tree, 1, 0, 1, 3);
    layout->setColumnStretch(1, 1);

    connect(m_filter, &QComboBox::activated, this, &CFoldersPane::Refresh);
    connect(m_filter->lineEdit(), &QLineEdit::returnPressed, this, &CFoldersPane::Refresh);
    connect(m_refresh, &QAbstractButton::clicked, this, &CFoldersPane::Refresh);
    Refresh();
}

void CFoldersPane::Refresh() {
    auto* tree = static_cast<CFileTree*>(m_tree);
    tree->SetPatterns(FolderFilterPatterns(m_filter->currentText()));
    tree->Reset();
    const QFileIconProvider icons;
    const QString home = QDir::homePath();
    QTreeWidgetItem* homeItem = tree->AddFolder(nullptr, QDir(home).dirName(), home);
    homeItem->setIcon(0, icons.icon(QFileIconProvider::Folder));
    tree->AddFolder(nullptr, QStringLiteral("/"), QStringLiteral("/"))
        ->setIcon(0, icons.icon(QFileIconProvider::Drive));
    homeItem->setExpanded(true);
}
