#pragma once

#include <QWidget>

#include <cstdint>

class CExplorerTree;
class QTimer;
class VisitHistory;

// Pane 1 of the explorer bar: the visit history as a tree without lines or
// buttons: days (newest first), then the sites of a day, then the pages of
// a site (most recent first, by title, the address when untitled). Levels
// are read from the store when first expanded. The tree is read anew each
// time the pane is shown, and while it shows, within a second of a change
// of the store (by this or another instance), keeping what was expanded.
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
    void hideEvent(QHideEvent* event) override;

private:
    // Reads the tree anew when the store changed; expanded folders stay so.
    void followChanges();

    VisitHistory& m_history;
    CExplorerTree* m_tree = nullptr;
    QTimer* m_watch = nullptr;
    std::int64_t m_readMark = 0;
    bool m_shown = false;
};
