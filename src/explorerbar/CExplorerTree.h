#pragma once

#include <QTreeWidget>

// The tree of an explorer pane: folders that fill themselves when first
// expanded, and items with an address.
//
// A left click on a folder expands or collapses it; on any other item it
// asks to open the item's address (openRequested). A right click on an item
// that is not a folder selects it and asks for the item menu; on a folder
// it does nothing.
class CExplorerTree : public QTreeWidget {
    Q_OBJECT

public:
    explicit CExplorerTree(QWidget* parent = nullptr);

    // A folder item whose children come from FillFolder(item, key) when it
    // is first expanded.
    QTreeWidgetItem* AddFolder(QTreeWidgetItem* parent, const QString& text, const QString& key);
    // An item that opens address.
    QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, const QString& text, const QString& address);

    static bool IsFolder(const QTreeWidgetItem* item);
    // The key a folder was added with; empty for other items.
    static QString FolderKey(const QTreeWidgetItem* item);
    // The address of a non-folder item (resolved, see ResolveAddress).
    QString AddressOf(const QTreeWidgetItem* item) const;
    // The selected item's address; empty for a folder or no selection.
    QString SelectedAddress() const;
    // Empties the tree; every folder fills again when expanded.
    void Reset();

signals:
    void openRequested(const QString& address);
    void menuRequested(const QPoint& globalPos);

protected:
    virtual void FillFolder(QTreeWidgetItem* folder, const QString& key) = 0;
    // The address to open for a stored one (shortcut files are resolved).
    virtual QString ResolveAddress(const QString& stored) const { return stored; }

    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void expanded(QTreeWidgetItem* item);
};
