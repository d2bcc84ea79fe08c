#pragma once

#include <QWidget>

#include <array>

class CExplorerTree;
class CFlatImageButton;
class IExplorerBarHost;
class QLabel;
class QTabBar;

// The explorer bar: the caption "Explorer Bars", the close button 10066
// and the tab control 10065 with three vertical tabs (0 Folders, 1 History,
// 2 Favorites). A tab's pane is made the first time the tab is shown and
// lives as long as the bar; only the current tab's pane is visible.
//
// Layout for a client size cx x cy: caption at (2, 7), (cx - 23) x 14; close
// button at (cx - 20, 8), 16 x 14; tab control at (0, 24), (cx - 3) x
// (cy - 25); panes at (24, 2) in the tab control, (cx - 30) x (cy - 30).
//
// The rightmost three pixels are the sizing zone: a drag that starts there
// asks the host for the width of the pointer's position while that lies
// strictly between 150 and the frame's client width less 50.
class CExplorerBar : public QWidget {
    Q_OBJECT

public:
    static constexpr int kPaneCount = 3;

    // host must outlive the bar; width is the opening width.
    CExplorerBar(IExplorerBarHost& host, int width, const QFont& tabFont,
                 QWidget* parent = nullptr);

    // The current tab's index.
    int CurrentPane() const;
    // Selects tab index and shows its pane (made now when it has none).
    void ShowPane(int index);
    // The pane of tab index; null until first shown.
    QWidget* Pane(int index) const;
    // The tree of pane index; null until the pane exists.
    CExplorerTree* Tree(int index) const;
    // The selected item's address in the current pane (empty for a folder).
    QString SelectedAddress() const;

    int BarWidth() const { return width(); }
    void SetBarWidth(int width);
    bool IsDragging() const { return m_dragging; }

    QTabBar* Tabs() const { return m_tabBar; }
    CFlatImageButton* CloseButton() const { return m_close; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* makePane(int index);
    void layoutChildren();
    void endDrag();
    bool inSizingZone(int x) const;

    IExplorerBarHost& m_host;
    QLabel* m_caption = nullptr;
    CFlatImageButton* m_close = nullptr;
    QWidget* m_tabControl = nullptr;
    QTabBar* m_tabBar = nullptr;
    std::array<QWidget*, kPaneCount> m_panes{};
    bool m_dragging = false;
};
