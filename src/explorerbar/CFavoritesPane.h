#pragma once

#include <QWidget>

class CExplorerTree;
class CFlatImageButton;
class IExplorerBarHost;

// Pane 2 of the explorer bar: the buttons add to favorites (32803),
// organise favorites (32804) and refresh, and the tree of the Favorites
// folder (folders first, then links, each by name). The first two buttons
// run their commands through the command chain and are enabled as those
// commands are; refresh reads the folder anew.
class CFavoritesPane : public QWidget {
    Q_OBJECT

public:
    // host must outlive the pane.
    explicit CFavoritesPane(IExplorerBarHost& host, QWidget* parent = nullptr);

    CExplorerTree* Tree() const { return m_tree; }
    // The buttons in order: add, organise, refresh.
    CFlatImageButton* Button(int index) const;
    // Reads the Favorites folder anew.
    void Refresh();

private:
    CFlatImageButton* addCommandButton(int bitmap, unsigned tip, unsigned command);

    IExplorerBarHost& m_host;
    CExplorerTree* m_tree = nullptr;
    CFlatImageButton* m_buttons[3] = {};
};
