#pragma once

#include "frame/WindowBarGeometry.h"
#include "frame/WindowBarHover.h"
#include "frame/WindowBarLayout.h"
#include "frame/WindowBarModelObserver.h"

#include <QTabBar>

class CTabCloseButton;
class IWindowBarHost;
class QTimer;
class QToolButton;
class WindowBarModel;

// The window bar: one tab per browser window, drawn from a WindowBarModel
// that it observes (tabs inserted, removed, made current and changed), with
// the tab's picture and text. The model is the record of the tabs; the bar
// never changes it except to make a clicked tab current.
//
// The user's actions go out through the host: a click brings the tab's
// window to the front (also on the current tab), a double click closes it
// with AllowDoubleClickClose, a middle button press with MButtonCloseTab, a
// right click on a tab makes its window the context window and shows the tab
// menu with the tab highlighted, and the close button, shown on the tab under
// the mouse with DisplayTabCloseButton, closes that tab's window. The
// tooltip of a tab is its window's title.
//
// Styles follow WindowBarOptions: flat buttons or tabs, fixed width
// (TabWidth x 22, or fitted to the bar's width after every change of size or
// tabs) or the width of the text, one row (scrolled with two arrow buttons
// when the tabs do not fit) or as many rows as needed. The bar's height is
// the band height for its rows.
//
// The model and host are not owned and must outlive the bar.
class CWindowBar : public QTabBar {
    Q_OBJECT

public:
    CWindowBar(WindowBarModel& model, IWindowBarHost& host, QWidget* parent = nullptr);
    ~CWindowBar() override;

    const WindowBarModel& model() const { return m_model; }
    // The text and picture (0..19) the tab at index shows.
    QString tabLabel(int index) const;
    int tabImage(int index) const;

    // Restyles the bar for options and lays it out anew.
    void setOptions(const WindowBarOptions& options);
    const WindowBarOptions& options() const { return m_options; }
    WindowBarStyle barStyle() const { return windowBarStyle(m_options); }

    // Lays the tabs out anew (fitting the width when the style says so).
    void relayout();
    // Fits the tab width to the bar now (the select-window dialog and the
    // frame's resize ask for it).
    void fitTabWidth();

    // The window of the tab last right-clicked; null after a right click
    // beside the tabs and once that window's tab is gone.
    TabWindow contextWindow() const { return m_contextWindow; }
    // The tab highlighted while the tab menu is open, -1 for none.
    int highlightedTab() const { return m_highlight; }

    // Where the tab at index lies in the bar (empty outside the tabs).
    QRect itemRect(int index) const;
    // The tab at pos (bar coordinates), -1 for none.
    int hitTest(const QPoint& pos) const;
    // The item size the bar applies to every tab; empty while tabs take the
    // width of their text.
    QSize itemSize() const { return m_itemSize; }
    int rowCount() const { return m_layout.rows; }
    // The band height for the rows (windowBarBandHeight).
    int bandHeight() const;
    // The tab that carries the close button (-1: none).
    int hoverIndex() const { return m_hover.index(); }
    CTabCloseButton* closeButton() const { return m_closeButton; }
    // The first tab shown at the left in one row.
    int firstVisibleTab() const { return m_firstVisible; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The rows changed, and with them the band height.
    void rowsChanged(int rows);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Follows the model (QTabBar has functions of the observer's names).
    class ModelFollower : public WindowBarModelObserver {
    public:
        explicit ModelFollower(CWindowBar& bar) : m_bar(bar) {}
        void tabInserted(int index) override { m_bar.modelTabInserted(index); }
        void tabRemoved(int index, TabWindow window) override {
            m_bar.modelTabRemoved(index, window);
        }
        void currentChanged(int index) override { m_bar.modelCurrentChanged(index); }
        void tabChanged(int index, unsigned what) override { m_bar.modelTabChanged(index, what); }

    private:
        CWindowBar& m_bar;
    };

    void modelTabInserted(int index);
    void modelTabRemoved(int index, TabWindow window);
    void modelCurrentChanged(int index);
    void modelTabChanged(int index, unsigned what);

    void fillFromModel();
    void clicked(int hit);
    void closeTab(int index);
    std::vector<int> itemWidths() const;
    int naturalItemWidth(int index) const;
    int itemHeight() const;
    int visibleRight() const;
    void placeScrollButtons();
    void scroll(int delta);
    void keepCurrentInView();
    void paintTab(QPainter& painter, int index);
    void hoverTimerFired();
    void updateHover(const QPoint& pos);
    void placeCloseButton(int index);
    void refreshHover();
    void hideCloseButton();
    void closeButtonClicked();

    WindowBarModel& m_model;
    IWindowBarHost& m_host;
    ModelFollower m_follower{*this};
    WindowBarOptions m_options;
    QSize m_itemSize;
    TabStripLayout m_layout;
    int m_firstVisible = 0;
    int m_highlight = -1;
    int m_pressed = -1; // the tab under a left press, for the button look
    int m_hot = -1;     // the tab under the mouse
    TabWindow m_contextWindow = nullptr;
    WindowBarHover m_hover;
    QTimer* m_hoverTimer;
    CTabCloseButton* m_closeButton;
    QToolButton* m_scrollLeft;
    QToolButton* m_scrollRight;
};
