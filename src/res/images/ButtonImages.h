#pragma once

#include "res/images/ImageState.h"

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace res {

// Pictures of the small image buttons: the tab close button, the explorer
// bar's close button, the address bar's Go button, the explorer bar's
// favourites buttons and the ten buttons of the link group organizer. Each
// button has four frames of one size: normal, hot, pressed and disabled; the
// frames carry their own hover and press backgrounds.
class ButtonImages {
public:
    enum Id {
        TabClose = 0,
        BarClose,
        Go,
        AddFavorite,
        OrganizeFavorites,
        Refresh,
        NewGroup,
        EditGroup,
        DeleteGroup,
        GroupUp,
        GroupDown,
        NewLink,
        EditLink,
        DeleteLink,
        LinkUp,
        LinkDown,
    };
    static constexpr int kCount = LinkDown + 1;
    static constexpr int kFrameCount = 4;

    // The button picture that stands for a bitmap resource id (207 tab close,
    // 170 bar close, 146 Go, 174-176 favourites buttons, 181-190 organizer
    // buttons), or -1 for any other id.
    static int forBitmap(int bitmapId);

    // Logical size of one frame; an empty size for an unknown id.
    static QSize frameSize(int id);
    // One frame at the device pixel ratio (1..4); null for an unknown id.
    static QPixmap frame(int id, ImageState state, qreal devicePixelRatio = 1.0);
    // The four frames side by side in the order normal, hot, pressed,
    // disabled; null for an unknown id.
    static QPixmap strip(int id, qreal devicePixelRatio = 1.0);
    // The frames as one icon (normal, active = hot, selected = pressed,
    // disabled) at ratios 1 and 2; null for an unknown id.
    static QIcon icon(int id);
};

} // namespace res
