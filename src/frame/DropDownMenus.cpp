#include "frame/DropDownMenus.h"

#include "framework/CommandIds.h"
#include "res/MenuTable.h"

std::optional<DropDownMenuSource> dropDownMenuSource(unsigned command) {
    using K = DropDownMenuSource::Kind;
    switch (command) {
    case cmd::NewBlankPage:
        return DropDownMenuSource{K::MainMenu, res::mainpos::File, res::subpos::FileNewIe};
    case cmd::NewMozillaBlank:
        return DropDownMenuSource{K::MainMenu, res::mainpos::File, res::subpos::FileNewMozilla};
    case cmd::TextSize:
        return DropDownMenuSource{K::MainMenu, res::mainpos::View, res::subpos::ViewTextSize};
    case cmd::InternetOptions:
        return DropDownMenuSource{K::MainMenu, res::mainpos::View,
                                  res::subpos::ViewDownloadOptions};
    case cmd::ClosedWindowsButton:
        return DropDownMenuSource{K::MainMenu, res::mainpos::Go, res::subpos::GoClosedWindows};
    case cmd::ExplorerFavorites:
        return DropDownMenuSource{K::MainMenu, res::mainpos::Favorites, -1};
    case cmd::GoBack:
        return DropDownMenuSource{K::BackHistory};
    case cmd::GoForward:
        return DropDownMenuSource{K::ForwardHistory};
    case cmd::EditWithEditor:
        return DropDownMenuSource{K::Editors};
    default:
        return std::nullopt;
    }
}

int menuBarIndex(int position, bool childMaximized, bool barShowsChildSystemMenu) {
    return childMaximized && barShowsChildSystemMenu ? position + 1 : position;
}
