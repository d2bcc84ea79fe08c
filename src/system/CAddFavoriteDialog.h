#pragma once

#include <QDialog>
#include <QString>

class CFavoritesTreeWidget;
class QLineEdit;
class QPushButton;

// Adds a page to the Favorites: its name (the page's title with the
// characters a file name cannot hold mapped, or a name made from the
// address when there is no title) and the folder it goes into, chosen in a
// tree of the Favorites folder where a new folder can be made. OK writes
// the Internet shortcut; a name already in the folder is replaced only
// after the user agrees, and any failure is told and keeps the dialog open.
class CAddFavoriteDialog : public QDialog {
    Q_OBJECT

public:
    // favoritesFolder: the root of the tree; title and url: the page's.
    CAddFavoriteDialog(QWidget* parent, const QString& favoritesFolder, const QString& title,
                       const QString& url);

    QLineEdit* NameEdit() const { return m_name; }
    CFavoritesTreeWidget* Tree() const { return m_tree; }
    // Asks for a name and makes that folder in the selected one (the
    // "新建文件夹" button).
    void NewFolder();
    // The shortcut written by OK; empty before.
    const QString& Created() const { return m_created; }

public slots:
    void accept() override;

private:
    QString m_url;
    QLineEdit* m_name;
    CFavoritesTreeWidget* m_tree;
    QPushButton* m_newFolder;
    QString m_created;
};
