#include "res/images/ToolbarImages.h"

#include "res/images/Canvas.h"
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
    QIcon drawn;
    for (const qreal ratio : {1.0, 2.0}) {
        drawn.addPixmap(image(index, ImageState::Normal, ratio), QIcon::Normal);
        drawn.addPixmap(image(index, ImageState::Hot, ratio), QIcon::Active);
        drawn.addPixmap(image(index, ImageState::Disabled, ratio), QIcon::Disabled);
    }
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
