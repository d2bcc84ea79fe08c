#include "system/FavoritesMessages.h"

#include "app/CCheckMessageBox.h"
#include "res/MessageFormat.h"
#include "res/StringIds.h"
#include "res/StringTable.h"

void ShowFavoritesMessage(QWidget* parent, const QString& text, unsigned style) {
    CCheckMessageBox box(parent, text, style);
    box.DoModal();
}

void ShowFavoritesProblem(QWidget* parent, FavoritesTree::Status status, const QString& name,
                          const FavoritesTree& tree) {
    using Status = FavoritesTree::Status;
    const res::Placeholder named{QStringLiteral("%name%"), name};
    QString text;
    switch (status) {
    case Status::Ok:
        return;
    case Status::EmptyName:
        text = res::loadString(sid::FavoriteNameEmpty);
        break;
    case Status::NameExists:
        text = res::formatString(sid::FavoriteNameTaken, {named});
        break;
    case Status::NotFound:
        text = res::formatString(sid::FavoriteGone, {named});
        break;
    case Status::IntoItself:
        text = res::formatString(sid::FavoriteIntoItself, {named});
        break;
    case Status::BadAddress:
        text = res::formatString(sid::FavoriteBadAddress, {{QStringLiteral("%url%"), name}});
        break;
    case Status::OutsideRoot:
        text = res::formatString(
            sid::FavoritesNotChanged,
            {{QStringLiteral("%reason%"),
              QStringLiteral("\"%1\" is not in the Favorites folder").arg(name)}});
        break;
    case Status::Failed:
        text = res::formatString(sid::FavoritesNotChanged,
                                 {{QStringLiteral("%reason%"), tree.error()}});
        break;
    }
    ShowFavoritesMessage(parent, text, MB_OK | MB_ICONWARNING);
}
