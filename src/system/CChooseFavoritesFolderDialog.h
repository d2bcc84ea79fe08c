#pragma once

#include <QDialog>

class CFavoritesTreeWidget;

// Asks for a folder of the Favorites (the target of "移至文件夹").
class CChooseFavoritesFolderDialog : public QDialog {
    Q_OBJECT

public:
    // select: the folder selected at first.
    CChooseFavoritesFolderDialog(QWidget* parent, const QString& favoritesFolder,
                                 const QString& select);

    CFavoritesTreeWidget* Tree() const { return m_tree; }
    QString ChosenFolder() const;

private:
    CFavoritesTreeWidget* m_tree;
};
