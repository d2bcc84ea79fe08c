#include "explorerbar/CExplorerBar.h"

#include "addressbar/CFlatImageButton.h"
#include "explorerbar/CExplorerTree.h"
#include "explorerbar/CFavoritesPane.h"
#include "explorerbar/CFoldersPane.h"
#include "explorerbar/CHistoryPane.h"
#include "explorerbar/ExplorerBarGeometry.h"
#include "explorerbar/IExplorerBarHost.h"
#include "framework/WaitCursor.h"
#include "res/StringIds.h"
#include "res/StringTable.h"
#include "res/images/ExplorerTabImages.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTabBar>

namespace {

constexpr int kCloseBitmap = 170;
constexpr int kTabControlId = 10065;
constexpr int kCloseButtonId = 10066;
// Where a pane sits in the tab control, right of the vertical tabs.
constexpr int kPaneX = 24;
constexpr int kPaneY = 2;

} // namespace

CExplorerBar::CExplorerBar(IExplorerBarHost& host, int width, const QFont& tabFont,
                           QWidget* parent)
    : QWidget(parent), m_host(host) {
    setObjectName(QStringLiteral("explorerBar"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setMouseTracking(true);
    setMinimumHeight(60);

    m_caption = new QLabel(QStringLiteral("Explorer Bars"), this);
    QFont captionFont(QStringLiteral("Tahoma"));
    captionFont.setPointSize(9);
    m_caption->setFont(captionFont);

    m_close = new CFlatImageButton(this);
    m_close->setObjectName(QString::number(kCloseButtonId));
    m_close->LoadBitmap(kCloseBitmap, false);
    m_close->setToolTip(res::loadString(sid::CloseTip));
    connect(m_close, &QAbstractButton::clicked, this, [this] { m_host.CloseExplorerBar(); });

    m_tabControl = new QWidget(this);
    m_tabControl->setObjectName(QString::number(kTabControlId));
    m_tabBar = new QTabBar(m_tabControl);
    m_tabBar->setShape(QTabBar::RoundedWest);
    m_tabBar->setFont(tabFont);
    m_tabBar->setIconSize(QSize(res::ExplorerTabImages::kSize, res::ExplorerTabImages::kSize));
    const char* const names[kPaneCount] = {"Folders", "History", "Favorites"};
    for (int i = 0; i < kPaneCount; ++i)
        m_tabBar->addTab(res::ExplorerTabImages::icon(i), QString::fromLatin1(names[i]));
    connect(m_tabBar, &QTabBar::currentChanged, this, &CExplorerBar::ShowPane);
    SetBarWidth(width);
}

int CExplorerBar::CurrentPane() const { return m_tabBar->currentIndex(); }

void CExplorerBar::ShowPane(int index) {
    if (index < 0 || index >= kPaneCount)
        return;
    const WaitCursor wait;
    if (m_tabBar->currentIndex() != index) {
        // Runs this again through currentChanged.
        m_tabBar->setCurrentIndex(index);
        return;
    }
    if (!m_panes[index])
        m_panes[index] = makePane(index);
    for (QWidget* pane : m_panes)
        if (pane && pane != m_panes[index])
            pane->hide();
    layoutChildren();
    m_panes[index]->show();
}

QWidget* CExplorerBar::makePane(int index) {
    QWidget* pane = nullptr;
    CExplorerTree* tree = nullptr;
    if (index == 0) {
        auto* folders = new CFoldersPane(m_tabControl);
        tree = folders->Tree();
        pane = folders;
    } else if (index == 1) {
        auto* history = new CHistoryPane(m_host.History(), m_tabControl);
        tree = history->Tree();
        pane = history;
    } else {
        auto* favorites = new CFavoritesPane(m_host, m_tabControl);
        tree = favorites->Tree();
        pane = favorites;
    }
    connect(tree, &CExplorerTree::openRequested, this,
            [this](const QString& address) { m_host.OpenExplorerItem(address); });
    connect(tree, &CExplorerTree::menuRequested, this,
            [this](const QPoint& pos) { m_host.ShowExplorerItemMenu(pos); });
    return pane;
}

QWidget* CExplorerBar::Pane(int index) const {
    return index >= 0 && index < kPaneCount ? m_panes[index] : nullptr;
}

CExplorerTree* CExplorerBar::Tree(int index) const {
    QWidget* pane = Pane(index);
    return pane ? pane->findChild<CExplorerTree*>() : nullptr;
}

QString CExplorerBar::SelectedAddress() const {
    const CExplorerTree* tree = Tree(CurrentPane());
    return tree ? tree->SelectedAddress() : QString();
}

void CExplorerBar::SetBarWidth(int width) {
    setFixedWidth(width);
    layoutChildren();
}

void CExplorerBar::layoutChildren() {
    const int cx = width();
    const int cy = height();
    m_caption->setGeometry(2, 7, cx - 23, 14);
    m_close->setGeometry(cx - 20, 8, 16, 14);
    m_tabControl->setGeometry(0, 24, cx - 3, cy - 25);
    m_tabBar->setGeometry(0, 0, kPaneX - 1, std::max(0, cy - 25));
    for (QWidget* pane : m_panes)
        if (pane)
            pane->setGeometry(kPaneX, kPaneY, cx - 30, cy - 30);
}

void CExplorerBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutChildren();
}

bool CExplorerBar::inSizingZone(int x) const {
    return x >= width() - explorerbar::kSizingZone && x < width();
}

void CExplorerBar::mousePressEvent(QMouseEvent* event) {
    // The press grabs the mouse for this widget until the release.
    if (event->button() == Qt::LeftButton && inSizingZone(event->position().toPoint().x()))
        m_dragging = true;
    QWidget::mousePressEvent(event);
}

void CExplorerBar::mouseMoveEvent(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    if (m_dragging || inSizingZone(x))
        setCursor(Qt::SizeHorCursor);
    else
        unsetCursor();
    if (m_dragging && (event->buttons() & Qt::LeftButton) &&
        explorerbar::DragResizes(x, m_host.FrameClientWidth()))
        m_host.ResizeExplorerBar(x);
    QWidget::mouseMoveEvent(event);
}

void CExplorerBar::mouseReleaseEvent(QMouseEvent* event) {
    endDrag();
    QWidget::mouseReleaseEvent(event);
}

void CExplorerBar::changeEvent(QEvent* event) {
    // Losing the window's focus ends a drag.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        endDrag();
    QWidget::changeEvent(event);
}

void CExplorerBar::endDrag() {
    m_dragging = false;
    unsetCursor();
}
