#pragma once

#include <QWidget>

class CExplorerTree;
class VisitHistory;

// Pane 1 of the explorer bar: the visit history as a tree without lines or
// buttons: days (newest first), then the sites of a day, then the pages of
// a site (most recent first, by title, the address when untitled). Levels
// are read from the store when first expanded; the tree is read anew each
// time the pane is shown.
class CHistoryPane : public QWidget {
    Q_OBJECT

public:
    // history must outlive the pane.
    explicit CHistoryPane(VisitHistory& history, QWidget* parent = nullptr);

    CExplorerTree* Tree() const { return m_tree; }
    // Reads the days anew; every day starts collapsed.
    void Reload();

protected:
    void showEvent(QShowEvent* event) override;

private:
    CExplorerTree* m_tree = nullptr;
    bool m_shown = false;
};
