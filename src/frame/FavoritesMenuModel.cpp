#include "frame/FavoritesMenuModel.h"

#include "framework/CommandIds.h"

void FavoritesMenuModel::reset() {
    m_names.clear();
    m_targets.clear();
    m_indexOfFolded.clear();
    m_openAll.clear();
}

std::optional<int> FavoritesMenuModel::addLink(const QString& name, const QString& target) {
    const QString folded = target.toCaseFolded();
    const auto found = m_indexOfFolded.constFind(folded);
    if (found != m_indexOfFolded.constEnd())
        return *found;
    if (static_cast<unsigned>(m_targets.size()) >= cmd::Favorites.size())
        return std::nullopt;
    const int index = static_cast<int>(m_targets.size());
    m_names << name;
    m_targets << target;
    m_indexOfFolded.insert(folded, index);
    return index;
}

std::optional<int> FavoritesMenuModel::addOpenAll(QList<int> links) {
    if (static_cast<unsigned>(m_openAll.size()) >= cmd::FavoritesOpenAll.size())
        return std::nullopt;
    m_openAll << std::move(links);
    return static_cast<int>(m_openAll.size() - 1);
}

QString FavoritesMenuModel::name(int index) const {
    return index >= 0 && index < m_names.size() ? m_names[index] : QString();
}

QString FavoritesMenuModel::target(int index) const {
    return index >= 0 && index < m_targets.size() ? m_targets[index] : QString();
}

QList<int> FavoritesMenuModel::openAll(int index) const {
    return index >= 0 && index < m_openAll.size() ? m_openAll[index] : QList<int>();
}
