#pragma once

#include "frame/ReBarLayout.h"

#include <QList>
#include <QMap>
#include <Qt>

#include <cstdint>

class QMainWindow;
class QToolBar;

// One rebar of the main window: a tool-bar area of the window whose bars are
// the bands. Each band is one QToolBar, known by its band id; a band that
// starts a row is preceded by a tool-bar break. The area keeps the band
// records it was laid out with, so sizes and styles it cannot observe survive
// a save.
//
// The bars are owned by the window; the area only arranges them.
class CReBarArea {
public:
    CReBarArea(QMainWindow& window, Qt::ToolBarArea area);

    // Makes bar the band of id (named namePrefix + id, kept in this area).
    void setBandBar(std::uint32_t id, QToolBar* bar, const QString& name);
    QToolBar* bar(std::uint32_t id) const { return m_bars.value(id); }
    QList<QToolBar*> bars() const { return m_bars.values(); }

    // Inserts the bands of layout in order: breaks before bands that start
    // a row (not before the first), visibility by the record, movable by the
    // gripper style. Bands without a bar are skipped. Call once.
    void insertBands(const ReBarLayout& layout);

    // The bands as they are now, in the area's order: bands the user sees are
    // ordered by where they sit (row, then left to right) when the window is
    // shown; hidden bands keep their place after the band they followed.
    // Breaks are taken from the window, the child field is 1 for a shown bar,
    // the widths of shown bars are their current widths, and the gripper
    // style follows the lock state.
    ReBarLayout currentLayout() const;

    // No gripper (bars not movable) when locked, gripper always when not;
    // the animation band keeps its style (never movable).
    void setLocked(bool locked);
    bool isLocked() const { return m_locked; }

    bool isBandVisible(std::uint32_t id) const;
    void showBand(std::uint32_t id, bool show);
    // Shows or hides the whole area (its bars keep their own visibility
    // for when it is shown again).
    void setAreaVisible(bool visible);
    bool isAreaVisible() const { return m_areaVisible; }

private:
    std::vector<std::uint32_t> visualOrder() const;
    void applyMovable(std::uint32_t id);

    QMainWindow& m_window;
    Qt::ToolBarArea m_area;
    QMap<std::uint32_t, QToolBar*> m_bars;
    ReBarLayout m_layout;
    // Per band: whether it is hidden on its own (apart from the area).
    QMap<std::uint32_t, bool> m_hidden;
    bool m_locked = false;
    bool m_areaVisible = true;
};
