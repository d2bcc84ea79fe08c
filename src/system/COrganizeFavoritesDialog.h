#pragma once

#include <QDialog>
#include <QString>

class CFavoritesTreeWidget;
class QLabel;
class QPushButton;

// Organises the Favorites folder: a tree of its folders and links beside
// the buttons new folder, rename, move to folder and delete, which act on
// the selected entry at once (delete after a question). Failures (a name
// already taken, a folder moved into itself, an entry gone meanwhile, the
// file system refusing) are told in a message and change nothing. The
// close button ends the dialog.
class COrganizeFavoritesDialog : public QDialog {
    Q_OBJECT

public:
    enum Button { NewFolder, Rename, MoveTo, Delete, ButtonCount };

    COrganizeFavoritesDialog(QWidget* parent, const QString& favoritesFolder);

    CFavoritesTreeWidget* Tree() const { return m_tree; }
    QPushButton* ButtonAt(Button button) const { return m_buttons[button]; }
    // Does what the button does (when it is enabled).
    void Press(Button button);
    // Whether anything in the Favorites folder was changed.
    bool Changed() const { return m_changed; }

private:
    void newFolder();
    void rename();
    void moveTo();
    void remove();
    void selectionChanged();
    // Reloads the tree selecting path after a change that worked.
    void changed(const QString& path);

    CFavoritesTreeWidget* m_tree;
    QPushButton* m_buttons[ButtonCount] = {};
    QLabel* m_details;
    bool m_changed = false;
};
