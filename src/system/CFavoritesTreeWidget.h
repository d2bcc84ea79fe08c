#pragma once

#include <QTreeWidget>

// A tree of the Favorites folder: the root item "收藏夹" is the folder
// itself, below it the subfolders (and, when asked for, the links) as
// the Favorites menu orders them (folders first, each by name). Each
// item's data (Qt::UserRole) is its entry's path. Reading stops at
// kMaxDepth levels and at a folder reached twice (a symbolic link).
class CFavoritesTreeWidget : public QTreeWidget {
    Q_OBJECT

public:
    static constexpr int kMaxDepth = 16;

    // root: the Favorites folder. withLinks: show the links too.
    CFavoritesTreeWidget(QString root, bool withLinks, QWidget* parent = nullptr);

    // Reads the tree again and selects path (or, when it is gone, its
    // nearest folder that still exists).
    void Reload(const QString& select);
    // Selects the item of path; false when the tree has none.
    bool SelectPath(const QString& path);
    // The selected entry's path (the root when nothing is selected).
    QString CurrentPath() const;
    // The folder new entries go into: the selected folder, or the folder
    // of the selected link.
    QString CurrentFolder() const;
    const QString& Root() const { return m_root; }

private:
    void fill(QTreeWidgetItem* parent, const QString& folder, int depth, QStringList& seen);

    QString m_root;
    bool m_withLinks;
};
