#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// What the Favorites menus have shown since the root menu last opened: the
// links (name and target; link j carries command 4000 + j) and the
// open-all ranges (range k carries command 2001 + k). A target already
// shown, ignoring case, keeps its index, so the same address in two folders
// has one command. Ids stay valid until reset() (the next opening of the
// root menu).
class FavoritesMenuModel {
public:
    // Forgets every link and open-all list.
    void reset();

    // The index of target (added with name when new); nothing when the
    // command range of the links is full.
    std::optional<int> addLink(const QString& name, const QString& target);
    // Adds the open-all list of one folder menu (link indexes in menu
    // order); its index, or nothing when that command range is full. A list
    // rather than a first/last pair: a reused index can lie outside the
    // folder's own run of indexes.
    std::optional<int> addOpenAll(QList<int> links);

    int linkCount() const { return static_cast<int>(m_targets.size()); }
    int openAllCount() const { return static_cast<int>(m_openAll.size()); }
    // Empty / nothing for an index outside the lists.
    QString name(int index) const;
    QString target(int index) const;
    // The links of open-all list index; empty outside the lists.
    QList<int> openAll(int index) const;

private:
    QList<QString> m_names;
    QList<QString> m_targets;
    QHash<QString, int> m_indexOfFolded; // case-folded target -> index
    QList<QList<int>> m_openAll;
};
