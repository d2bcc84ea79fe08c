#pragma once

#include <QWidget>

class CExplorerTree;
class CFlatImageButton;
class QComboBox;

// Pane 0 of the explorer bar: the label "Files:", the filter box 10002
// ("*.htm;*.html;*.txt" first, then "*.*", editable), a refresh button and
// a tree of the user's home folder and of the whole file system with the
// folders and the files that match the filter. Choosing or typing another
// filter, or the refresh button, builds the tree anew.
class CFoldersPane : public QWidget {
    Q_OBJECT

public:
    explicit CFoldersPane(QWidget* parent = nullptr);

    CExplorerTree* Tree() const { return m_tree; }
    QComboBox* Filter() const { return m_filter; }
    // Builds the tree anew for the filter in the box; the home folder is
    // shown expanded.
    void Refresh();

private:
    CExplorerTree* m_tree = nullptr;
    QComboBox* m_filter = nullptr;
    CFlatImageButton* m_refresh = nullptr;
};
