#include "frame/CWindowBar.h"

#include "frame/CTabCloseButton.h"
#include "frame/IWindowBarHost.h"
#include "frame/WindowBarModel.h"
#include "frame/WindowBarMouse.h"
#include "res/images/WindowBarImages.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionTab>
#include <QStyleOptionToolButton>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int kScrollButtonWidth = 16;
constexpr int kIconSize = 16;
constexpr int kIconGap = 4;
constexpr int kLabelInset = 3;

// Tab texts go into the tab bar with "&" doubled, so that a title never
// turns into a keyboard mnemonic.
QString escapedLabel(const QString& text) {
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// Moves a remembered tab index along with an insertion (delta +1) or a
// removal (delta -1) at index; a removed tab is forgotten.
int shifted(int remembered, int index, int delta) {
    if (remembered < 0)
        return remembered;
    if (delta < 0 && remembered == index)
        return -1;
    return remembered >= index ? remembered + delta : remembered;
}

} // namespace

CWindowBar::CWindowBar(WindowBarModel& model, IWindowBarHost& host, QWidget* parent)
    : QTabBar(parent), m_model(model), m_host(host), m_hoverTimer(new QTimer(this)),
      m_closeButton(new CTabCloseButton(this)), m_scrollLeft(new QToolButton(this)),
      m_scrollRight(new QToolButton(this)) {
    setObjectName(QStringLiteral("windowBar"));
    setDrawBase(false);
    setUsesScrollButtons(false);
    setExpanding(false);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    m_hoverTimer->setInterval(WindowBarHover::kTimerInterval);
    connect(m_hoverTimer, &QTimer::timeout, this, &CWindowBar::hoverTimerFired);
    m_closeButton->hide();
    connect(m_closeButton, &QAbstractButton::clicked, this, &CWindowBar::closeButtonClicked);

    m_scrollLeft->setObjectName(QStringLiteral("scrollLeft"));
    m_scrollLeft->setArrowType(Qt::LeftArrow);
    m_scrollRight->setObjectName(QStringLiteral("scrollRight"));
    m_scrollRight->setArrowType(Qt::RightArrow);
    for (QToolButton* button : {m_scrollLeft, m_scrollRight}) {
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
    }
    connect(m_scrollLeft, &QToolButton::clicked, this, [this] { scroll(-1); });
    connect(m_scrollRight, &QToolButton::clicked, this, [this] { scroll(1); });

    m_model.addObserver(&m_follower);
    fillFromModel();
    relayout();
}

CWindowBar::~CWindowBar() {
    m_model.removeObserver(&m_follower);
}

void CWindowBar::fillFromModel() {
    while (count() > 0)
        removeTab(count() - 1);
    for (int i = 0; i < m_model.count(); ++i) {
        const WindowBarTab* tab = m_model.tabAt(i);
        insertTab(i, escapedLabel(tab->text));
        setTabData(i, tab->image);
    }
    if (m_model.currentIndex() >= 0)
        setCurrentIndex(m_model.currentIndex());
}

QString CWindowBar::tabLabel(int index) const {
    QString label = tabText(index);
    return label.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

int CWindowBar::tabImage(int index) const {
    const QVariant image = tabData(index);
    return image.isValid() ? image.toInt() : -1;
}

// ---- Style and layout --------------------------------------------------------

void CWindowBar::setOptions(const WindowBarOptions& options) {
    m_options = options;
    if (!m_options.closeButton)
        hideCloseButton();
    relayout();
    keepCurrentInView();
}

void CWindowBar::fitTabWidth() {
    if (const std::optional<QSize> size = fittedTabSize(width(), count(), m_options.tabWidth))
        m_itemSize = *size;
}

int CWindowBar::itemHeight() const {
    if (m_itemSize.isValid())
        return m_itemSize.height();
    return std::max(kTabItemHeight, fontMetrics().height() + 6);
}

int CWindowBar::naturalItemWidth(int index) const {
    const WindowBarTab* tab = m_model.tabAt(index);
    const int text = tab ? fontMetrics().horizontalAdvance(tab->text) : 0;
    return kIconSize + kIconGap + text + 2;
}

std::vector<int> CWindowBar::itemWidths() const {
    std::vector<int> widths;
    widths.reserve(static_cast<std::size_t>(count()));
    for (int i = 0; i < count(); ++i)
        widths.push_back(m_itemSize.isValid() ? m_itemSize.width() : naturalItemWidth(i));
    return widths;
}

void CWindowBar::relayout() {
    const WindowBarStyle style = windowBarStyle(m_options);
    if (!style.fixedWidth)
        m_itemSize = QSize();
    else if (style.itemSize)
        m_itemSize = *style.itemSize;
    else if (style.fitWidth)
        fitTabWidth();

    const int previousRows = m_layout.rows;
    TabStripInput input;
    input.clientWidth = width();
    input.itemWidths = itemWidths();
    input.itemHeight = itemHeight();
    input.flat = style.flat;
    input.multiRow = style.multiRow;
    m_layout = layoutTabStrip(input);
    if (!style.multiRow && m_layout.overflow && m_firstVisible > 0) {
        input.firstVisible = m_firstVisible;
        m_layout = layoutTabStrip(input);
    } else {
        m_firstVisible = 0;
    }

    setFixedHeight(bandHeight());
    placeScrollButtons();
    if (m_hover.index() >= 0)
        placeCloseButton(m_hover.index());
    updateGeometry();
    update();
    if (m_layout.rows != previousRows)
        emit rowsChanged(m_layout.rows);
}

int CWindowBar::bandHeight() const {
    const std::optional<int> first =
        m_layout.rects.empty() ? std::nullopt : std::optional<int>(m_layout.rects.front().height());
    return windowBarBandHeight(m_layout.rows, first);
}

QRect CWindowBar::itemRect(int index) const {
    if (index < 0 || index >= static_cast<int>(m_layout.rects.size()))
        return {};
    return m_layout.rects[static_cast<std::size_t>(index)];
}

int CWindowBar::hitTest(const QPoint& pos) const {
    if (!rect().contains(pos))
        return -1;
    return tabAtPoint(m_layout, pos, visibleRight());
}

int CWindowBar::visibleRight() const {
    return m_scrollLeft->isVisibleTo(this) ? width() - 2 * kScrollButtonWidth : width();
}

void CWindowBar::placeScrollButtons() {
    const bool show = m_layout.rows == 1 && m_layout.overflow;
    const int h = std::min(height(), itemHeight());
    m_scrollLeft->setGeometry(width() - 2 * kScrollButtonWidth, kTabRowTop, kScrollButtonWidth, h);
    m_scrollRight->setGeometry(width() - kScrollButtonWidth, kTabRowTop, kScrollButtonWidth, h);
    m_scrollLeft->setVisible(show);
    m_scrollRight->setVisible(show);
    if (!show)
        return;
    m_scrollLeft->setEnabled(m_firstVisible > 0);
    m_scrollRight->setEnabled(!m_layout.rects.empty() &&
                              m_layout.rects.back().right() >= visibleRight());
}

void CWindowBar::scroll(int delta) {
    const int last = std::max(count() - 1, 0);
    const int first = std::clamp(m_firstVisible + delta, 0, last);
    if (first == m_firstVisible)
        return;
    m_firstVisible = first;
    relayout();
}

void CWindowBar::keepCurrentInView() {
    if (m_layout.rows != 1 || !m_layout.overflow)
        return;
    const int first = firstVisibleShowing(m_layout, m_firstVisible, currentIndex(), visibleRight());
    if (first != m_firstVisible) {
        m_firstVisible = first;
        relayout();
    }
}

QSize CWindowBar::sizeHint() const {
    return {std::max(m_layout.contentWidth + 2 * kTabStripMargin, minimumSizeHint().width()),
            bandHeight()};
}

QSize CWindowBar::minimumSizeHint() const {
    return {10, bandHeight()};
}

void CWindowBar::resizeEvent(QResizeEvent* event) {
    QTabBar::resizeEvent(event);
    relayout();
    keepCurrentInView();
}

// ---- Following the model -----------------------------------------------------

void CWindowBar::modelTabInserted(int index) {
    const WindowBarTab* tab = m_model.tabAt(index);
    insertTab(index, escapedLabel(tab->text));
    setTabData(index, tab->image);
    m_highlight = shifted(m_highlight, index, 1);
    m_pressed = shifted(m_pressed, index, 1);
    m_hot = shifted(m_hot, index, 1);
    relayout();
    refreshHover();
}

void CWindowBar::modelTabRemoved(int index, TabWindow window) {
    removeTab(index);
    if (window == m_contextWindow)
        m_contextWindow = nullptr;
    m_highlight = shifted(m_highlight, index, -1);
    m_pressed = shifted(m_pressed, index, -1);
    m_hot = shifted(m_hot, index, -1);
    relayout();
    refreshHover();
}

void CWindowBar::modelCurrentChanged(int index) {
    if (index >= 0 && index < count())
        setCurrentIndex(index);
    keepCurrentInView();
    update();
}

void CWindowBar::modelTabChanged(int index, unsigned what) {
    const WindowBarTab* tab = m_model.tabAt(index);
    if (!tab || index >= count())
        return;
    if (what & WindowBarModelObserver::kTextChanged)
        setTabText(index, escapedLabel(tab->text));
    if (what & WindowBarModelObserver::kImageChanged)
        setTabData(index, tab->image);
    if ((what & WindowBarModelObserver::kTextChanged) && !m_itemSize.isValid())
        relayout();
    else
        update(itemRect(index));
}

// ---- Painting ------------------------------------------------------------------

void CWindowBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setClipRect(QRect(0, 0, visibleRight(), height()));
    for (int i = 0; i < static_cast<int>(m_layout.rects.size()); ++i) {
        const QRect& r = m_layout.rects[static_cast<std::size_t>(i)];
        if (r.right() >= 0 && r.left() < visibleRight())
            paintTab(painter, i);
    }
}

void CWindowBar::paintTab(QPainter& painter, int index) {
    const WindowBarTab* tab = m_model.tabAt(index);
    if (!tab)
        return;
    const QRect r = itemRect(index);
    const bool current = index == m_model.currentIndex();
    if (windowBarStyle(m_options).flat) {
        // Flat buttons: only the current, pressed or hot one shows a panel;
        // a thin line parts a button from the one before it in its row.
        const QRect previous = itemRect(index - 1);
        if (!previous.isEmpty() && previous.y() == r.y()) {
            painter.setPen(palette().color(QPalette::Mid));
            const int x = r.left() - (kFlatTabGap + 1) / 2;
            painter.drawLine(x, r.top() + 3, x, r.bottom() - 3);
        }
        QStyleOptionToolButton button;
        button.initFrom(this);
        button.rect = r;
        button.state = QStyle::State_Enabled | QStyle::State_AutoRaise;
        if (current || index == m_pressed)
            button.state |= QStyle::State_Sunken | QStyle::State_On;
        else if (index == m_hot)
            button.state |= QStyle::State_Raised | QStyle::State_MouseOver;
        if (button.state & (QStyle::State_Sunken | QStyle::State_Raised))
            style()->drawPrimitive(QStyle::PE_PanelButtonTool, &button, &painter, this);
    } else {
        QStyleOptionTab shape;
        initStyleOption(&shape, index);
        shape.rect = r;
        shape.state.setFlag(QStyle::State_Selected, current);
        shape.state.setFlag(QStyle::State_MouseOver, index == m_hot);
        style()->drawControl(QStyle::CE_TabBarTabShape, &shape, &painter, this);
    }
    if (index == m_highlight) {
        QColor mark = palette().color(QPalette::Highlight);
        mark.setAlpha(90);
        painter.fillRect(r.adjusted(1, 1, -1, -1), mark);
    }
    const int sink = current ? 1 : 0;
    const QRect icon(r.x() + kLabelInset + sink, r.y() + (r.height() - kIconSize) / 2 + sink,
                     kIconSize, kIconSize);
    painter.drawPixmap(icon, res::WindowBarImages::image(tab->image, devicePixelRatioF()));
    // The close button covers the end of the tab that carries it.
    const int right =
        index == m_hover.index() ? m_closeButton->x() - 1 : r.right() - kLabelInset;
    const QRect label(icon.right() + 1 + kIconGap, r.y() + sink,
                      std::max(right - icon.right() - kIconGap, 0), r.height());
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(label, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                     fontMetrics().elidedText(tab->text, Qt::ElideRight, label.width()));
}

// ---- Mouse -----------------------------------------------------------------------

void CWindowBar::clicked(int hit) {
    const TabWindow window = m_model.windowAt(hit);
    if (!window)
        return;
    // A click on the current tab brings its window to the front itself; any
    // other click makes its tab current first.
    if (!clickReactivatesCurrentTab(hit, m_model.currentIndex()))
        m_model.selectIndex(hit);
    m_host.ActivateTabWindow(window, tabShowCommand(m_host.IsActiveChildMaximized()));
}

void CWindowBar::closeTab(int index) {
    if (const TabWindow window = m_model.windowAt(index))
        m_host.CloseTabWindow(window);
}

void CWindowBar::mousePressEvent(QMouseEvent* event) {
    const int hit = hitTest(event->position().toPoint());
    event->accept();
    if (event->button() == Qt::LeftButton) {
        m_pressed = hit;
        update(itemRect(hit));
        clicked(hit);
    } else if (event->button() == Qt::MiddleButton) {
        closeTab(tabClosedByMiddleClick(hit, m_options.middleClickClose));
    }
}

void CWindowBar::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && m_pressed >= 0) {
        update(itemRect(m_pressed));
        m_pressed = -1;
    }
}

void CWindowBar::mouseDoubleClickEvent(QMouseEvent* event) {
    const int hit = hitTest(event->position().toPoint());
    event->accept();
    if (event->button() == Qt::MiddleButton) {
        // The second press of a quick double middle click closes too.
        closeTab(tabClosedByMiddleClick(hit, m_options.middleClickClose));
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    const int closing = tabClosedByDoubleClick(hit, m_options.doubleClickClose);
    if (closing >= 0) {
        // Nothing more: the tab now under the cursor is another window's.
        closeTab(closing);
        return;
    }
    m_pressed = hit;
    clicked(hit);
}

void CWindowBar::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const int hot = hitTest(pos);
    if (hot != m_hot) {
        update(itemRect(m_hot));
        m_hot = hot;
        update(itemRect(m_hot));
    }
    if (!m_options.closeButton)
        return;
    if (m_hover.mouseMoved())
        m_hoverTimer->start();
    updateHover(pos);
}

void CWindowBar::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    const TabContextDecision decision = tabRightClick(m_model, hitTest(event->pos()));
    m_contextWindow = decision.contextWindow;
    if (!decision.showMenu)
        return;
    m_highlight = decision.highlightIndex;
    update(itemRect(m_highlight));
    const QPointer<CWindowBar> alive(this);
    m_host.ShowTabMenu(decision.contextWindow, event->globalPos());
    if (!alive)
        return;
    update(itemRect(m_highlight));
    m_highlight = -1;
}

void CWindowBar::wheelEvent(QWheelEvent* event) {
    // The wheel does not switch windows.
    event->ignore();
}

bool CWindowBar::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int hit = hitTest(help->pos());
        const QString text =
            hit >= 0 ? tabTooltipText(m_host.TabWindowTitle(m_model.windowAt(hit))) : QString();
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this, itemRect(hit));
        }
        return true;
    }
    if (event->type() == QEvent::Leave && m_hot >= 0) {
        update(itemRect(m_hot));
        m_hot = -1;
    }
    return QTabBar::event(event);
}

// ---- Close button ------------------------------------------------------------------

void CWindowBar::hoverTimerFired() {
    const QPoint pos = mapFromGlobal(QCursor::pos());
    const bool inClient = rect().contains(pos);
    if (m_hover.timerFired(inClient))
        m_hoverTimer->stop();
    updateHover(inClient ? pos : QPoint(-1, -1));
}

void CWindowBar::updateHover(const QPoint& pos) {
    const WindowBarHover::Change change =
        m_hover.update(hitTest(pos), count(), m_options.closeButton);
    if (!change.changed)
        return;
    update(itemRect(change.previous));
    update(itemRect(change.index));
    if (change.index >= 0)
        placeCloseButton(change.index);
    else
        m_closeButton->hide();
}

void CWindowBar::placeCloseButton(int index) {
    const QRect tab = itemRect(index);
    if (tab.isEmpty() || tab.left() >= visibleRight()) {
        m_closeButton->hide();
        return;
    }
    m_closeButton->setGeometry(tabCloseButtonGeometry(tab, m_closeButton->size()));
    m_closeButton->show();
    m_closeButton->raise();
}

// The tabs moved under the cursor: the button goes to the tab now there.
// The hover timer keeps running, so leaving the bar still hides it.
void CWindowBar::refreshHover() {
    if (m_hover.index() < 0)
        return;
    m_hover.update(-1, count(), m_options.closeButton);
    m_closeButton->hide();
    const QPoint pos = mapFromGlobal(QCursor::pos());
    if (m_options.closeButton && rect().contains(pos))
        updateHover(pos);
}

void CWindowBar::hideCloseButton() {
    m_hover.reset();
    m_hoverTimer->stop();
    m_closeButton->hide();
}

void CWindowBar::closeButtonClicked() {
    closeTab(m_hover.buttonClicked(count()));
    updateHover(mapFromGlobal(QCursor::pos()));
}
