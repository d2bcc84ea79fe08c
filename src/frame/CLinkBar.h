#pragma once

#include <QStringList>
#include <QToolBar>

class CommandBinder;
class QToolButton;

// The link bar (the bar of band 1014): one button per readable Internet
// shortcut in the Links folder of the user's Favorites, showing the link
// picture and the shortcut's title. Button i carries command 33813 + i; its
// URL is urls()[i]. The band's caption "链接   " stands before the buttons.
class CLinkBar : public QToolBar {
    Q_OBJECT

public:
    // binder must outlive the bar.
    explicit CLinkBar(CommandBinder& binder, QWidget* parent = nullptr);

    // Removes every button and fills the bar from <favoritesFolder>/Links.
    // An empty or missing folder leaves the bar empty. Returns the number of
    // buttons.
    int refill(const QString& favoritesFolder);

    // The URLs of the buttons, in button order.
    const QStringList& urls() const { return m_urls; }
    // The URL of a link bar command, or empty when id is no button's.
    QString urlFor(unsigned id) const;
    // The command actions of the buttons, in order.
    const QList<QAction*>& linkActions() const { return m_actions; }

private:
    void clearLinks();

    CommandBinder& m_binder;
    QStringList m_urls;
    QList<QAction*> m_actions;
};
