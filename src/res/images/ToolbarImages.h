#pragma once

#include "res/images/ImageState.h"

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace res {

// The standard toolbar's image list: 33 pictures of 18 x 18, addressed by the
// image index that the toolbar's button tables carry.
class ToolbarImages {
public:
    static constexpr int kCount = 33;
    static constexpr int kSize = 18;

    enum Index {
        NewIEWindow = 0,
        NewMozillaWindow = 1,
        Open = 2,
        SaveAs = 3,
        CloseWindow = 4,
        CloseAll = 5,
        Cut = 6,
        Copy = 7,
        Paste = 8,
        Back = 9,
        Forward = 10,
        Stop = 11,
        StopAll = 12,
        Refresh = 13,
        RefreshAll = 14,
        Home = 15,
        Search = 16,
        Favorites = 17,
        TextSize = 18,
        News = 19,
        Mail = 20,
        Print = 21,
        FullScreen = 22,
        Folders = 23,
        History = 24,
        Options = 25,
        ClearHistory = 26,
        Cascade = 27,
        TileHorizontally = 28,
        TileVertically = 29,
        InternetOptions = 30,
        ClosedWindows = 31,
        EditPage = 32,
    };

    // The picture of index (0..32) in the given state, kSize x kSize logical
    // pixels at the device pixel ratio (1..4). Any other index gives a null
    // pixmap.
    static QPixmap image(int index, ImageState state = ImageState::Normal,
                         qreal devicePixelRatio = 1.0);

    // An icon with the normal, hot (active) and disabled looks at ratios 1
    // and 2. With preferTheme, the desktop icon theme's picture is used when
    // the theme has one (themeName) and the drawn one otherwise. Any index
    // outside 0..32 gives a null icon.
    static QIcon icon(int index, bool preferTheme = false);

    // The desktop icon theme's name for index, empty when it has none.
    static QString themeName(int index);
};

} // namespace res
