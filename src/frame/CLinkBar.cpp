#include "frame/CLinkBar.h"

#include "frame/ReBarLayout.h"
#include "framework/CommandBinder.h"
#include "framework/CommandIds.h"
#include "res/images/MenuImages.h"
#include "system/InternetShortcutFolder.h"

#include <QAction>
#include <QDir>
#include <QLabel>

CLinkBar::CLinkBar(CommandBinder& binder, QWidget* parent) : QToolBar(parent), m_binder(binder) {
    setIconSize(QSize(res::MenuImages::kSize, res::MenuImages::kSize));
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setFloatable(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    auto* caption = new QLabel(QString::fromUtf16(kLinksBandText), this);
    caption->setObjectName(QStringLiteral("linksCaption"));
    addWidget(caption);
}

void CLinkBar::clearLinks() {
    for (QAction* action : std::as_const(m_actions)) {
        removeAction(action);
        delete action;
    }
    m_actions.clear();
    m_urls.clear();
}

int CLinkBar::refill(const QString& favoritesFolder) {
    clearLinks();
    if (favoritesFolder.isEmpty())
        return 0;
    const QString links = QDir(favoritesFolder).filePath(QStringLiteral("Links"));
    const std::vector<InternetShortcutEntry> entries =
        listInternetShortcuts(links, static_cast<int>(cmd::LinkBar.size()));
    const QIcon icon = res::MenuImages::icon(res::MenuImages::Link);
    for (const InternetShortcutEntry& entry : entries) {
        const unsigned id = cmd::LinkBar.at(static_cast<unsigned>(m_actions.size()));
        QAction* action = m_binder.createAction(id, entry.name, this);
        action->setIcon(icon);
        action->setToolTip(entry.url);
        addAction(action);
        m_actions << action;
        m_urls << entry.url;
    }
    return static_cast<int>(m_actions.size());
}

QString CLinkBar::urlFor(unsigned id) const {
    if (!cmd::LinkBar.contains(id))
        return {};
    const auto index = static_cast<qsizetype>(cmd::LinkBar.index(id));
    return index < m_urls.size() ? m_urls.at(index) : QString();
}
