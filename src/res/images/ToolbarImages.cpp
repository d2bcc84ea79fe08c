#include "res/images/ToolbarImages.h"

#include "res/images/Canvas.h"
#include "res/images/DrawnIconEngine.h"
#include "res/images/StateEffect.h"
#include "res/images/ToolbarDrawings.h"

#include <array>

namespace res {

namespace {

bool validIndex(int index) { return index >= 0 && index < ToolbarImages::kCount; }

// Freedesktop icon names where a standard one matches the command.
constexpr std::array<const char*, ToolbarImages::kCount> kThemeNames = {
    "window-new",          "window-new",     "document-open",   "document-save-as",
    "window-close",        "",               "edit-cut",        "edit-copy",
    "edit-paste",          "go-previous",    "go-next",         "process-stop",
    "",                    "view-refresh",   "",                "go-home",
    "edit-find",           "bookmarks",      "format-text-bold", "internet-news-reader",
    "mail-message-new",    "document-print", "view-fullscreen", "folder",
    "document-open-recent", "preferences-system", "edit-clear-history", "",
    "",                    "",               "preferences-system-network", "edit-undo",
    "accessories-text-editor",
};

} // namespace

QPixmap ToolbarImages::image(int index, ImageState state, qreal devicePixelRatio) {
    if (!validIndex(index))
        return {};
    Canvas canvas(QSize(kSize, kSize), devicePixelRatio);
    toolbar::draw(canvas.painter(), index);
    return StateEffect::apply(canvas.takePixmap(), state);
}

QIcon ToolbarImages::icon(int index, bool preferTheme) {
    if (!validIndex(index))
        return {};
    // Each look is drawn when a button first shows it.
    const QIcon drawn = DrawnIconEngine::fixed(
        [index](int, qreal ratio, QIcon::Mode mode) {
            const ImageState state = mode == QIcon::Active     ? ImageState::Hot
                                     : mode == QIcon::Disabled ? ImageState::Disabled
                                                               : ImageState::Normal;
            return image(index, state, ratio);
        },
        kSize);
    const QString name = themeName(index);
    if (preferTheme && !name.isEmpty() && QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name, drawn);
    return drawn;
}

QString ToolbarImages::themeName(int index) {
    if (!validIndex(index))
        return {};
    return QString::fromLatin1(kThemeNames[static_cast<std::size_t>(index)]);
}

} // namespace res
