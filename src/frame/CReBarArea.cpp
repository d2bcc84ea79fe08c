#include "frame/CReBarArea.h"

#include <QMainWindow>
#include <QToolBar>

#include <algorithm>

CReBarArea::CReBarArea(QMainWindow& window, Qt::ToolBarArea area)
    : m_window(window), m_area(area) {}

void CReBarArea::setBandBar(std::uint32_t id, QToolBar* bar, const QString& name) {
    bar->setObjectName(name);
    bar->setAllowedAreas(m_area);
    bar->setFloatable(false);
    m_bars.insert(id, bar);
}

void CReBarArea::insertBands(const ReBarLayout& layout) {
    m_layout = layout;
    bool first = true;
    for (const ReBarBand& band : layout.bands) {
        QToolBar* b = bar(band.id);
        if (!b)
            continue;
        if (!first && band.startsRow())
            m_window.addToolBarBreak(m_area);
        m_window.addToolBar(m_area, b);
        first = false;
        m_hidden.insert(band.id, !band.visible());
        b->setHidden(!m_areaVisible || !band.visible());
        b->setMovable(band.id != kBandAnimation && (band.style & kBandStyleNoGripper) == 0);
    }
}

std::vector<std::uint32_t> CReBarArea::visualOrder() const {
    std::vector<std::uint32_t> model;
    for (const ReBarBand& band : m_layout.bands)
        if (bar(band.id))
            model.push_back(band.id);
    if (!m_window.isVisible())
        return model;
    auto shown = [this](std::uint32_t id) { return bar(id)->isVisible(); };
    std::vector<std::uint32_t> visible;
    std::copy_if(model.begin(), model.end(), std::back_inserter(visible), shown);
    std::stable_sort(visible.begin(), visible.end(), [this](std::uint32_t a, std::uint32_t b) {
        const QToolBar* barA = bar(a);
        const QToolBar* barB = bar(b);
        return std::pair(barA->y(), barA->x()) < std::pair(barB->y(), barB->x());
    });
    // Hidden bands keep their slots; the shown ones fill the others in the
    // order they are seen.
    std::vector<std::uint32_t> order;
    std::size_t next = 0;
    for (std::uint32_t id : model)
        order.push_back(shown(id) ? visible[next++] : id);
    return order;
}

ReBarLayout CReBarArea::currentLayout() const {
    ReBarLayout current;
    bool first = true;
    for (std::uint32_t id : visualOrder()) {
        ReBarBand band = *m_layout.band(id);
        const QToolBar* b = bar(id);
        band.child = isBandVisible(id) ? 1 : 0;
        if (!first) {
            band.style &= ~kBandStyleBreak;
            if (m_window.toolBarBreak(const_cast<QToolBar*>(b)))
                band.style |= kBandStyleBreak;
        }
        first = false;
        if (m_window.isVisible() && b->isVisible())
            band.width = static_cast<std::uint32_t>(std::max(b->width(), 0));
        band.style = lockedBandStyle(id, band.style, m_locked);
        current.bands.push_back(band);
    }
    return current;
}

void CReBarArea::applyMovable(std::uint32_t id) {
    if (QToolBar* b = bar(id))
        b->setMovable(id != kBandAnimation && !m_locked);
}

void CReBarArea::setLocked(bool locked) {
    m_locked = locked;
    for (ReBarBand& band : m_layout.bands)
        band.style = lockedBandStyle(band.id, band.style, locked);
    for (auto it = m_bars.cbegin(); it != m_bars.cend(); ++it)
        applyMovable(it.key());
}

bool CReBarArea::isBandVisible(std::uint32_t id) const {
    const QToolBar* b = bar(id);
    if (!b)
        return false;
    return m_areaVisible ? !b->isHidden() : !m_hidden.value(id, false);
}

void CReBarArea::showBand(std::uint32_t id, bool show) {
    QToolBar* b = bar(id);
    if (!b)
        return;
    m_hidden.insert(id, !show);
    if (m_areaVisible)
        b->setVisible(show);
}

void CReBarArea::setAreaVisible(bool visible) {
    m_areaVisible = visible;
    for (auto it = m_bars.cbegin(); it != m_bars.cend(); ++it)
        it.value()->setVisible(visible && !m_hidden.value(it.key(), false));
}
