#pragma once

#include "system/FavoritesTree.h"

class QWidget;

// Tells the user why a change of the Favorites folder did not happen
// (a warning box naming the entry); nothing for Status::Ok.
void ShowFavoritesProblem(QWidget* parent, FavoritesTree::Status status, const QString& name,
                          const FavoritesTree& tree);

// Shows text in the program's message box with the given style.
void ShowFavoritesMessage(QWidget* parent, const QString& text, unsigned style);
