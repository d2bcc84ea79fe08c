#include "res/images/ButtonImages.h"

#include "res/images/BasicGlyphs.h"
#include "res/images/Canvas.h"
#include "res/images/ObjectGlyphs.h"
#include "res/images/StateEffect.h"

#include <array>

namespace res {

namespace {

constexpr QSize kCloseSize(14, 14);
constexpr QSize kButtonSize(22, 20);

bool validId(int id) { return id >= 0 && id < ButtonImages::kCount; }

// The close mark: an x in a rounded square that turns red under the mouse.
void closeFrame(QPainter& p, ImageState state) {
    const QRectF square(0.5, 0.5, 13.0, 13.0);
    QColor fill = Qt::transparent;
    QColor edge(0xCBD5E1);
    QColor mark = colour::ink();
    switch (state) {
    case ImageState::Hot:
        fill = tone::red().fill;
        edge = tone::red().line;
        mark = colour::white();
        break;
    case ImageState::Pressed:
        fill = tone::red().line;
        edge = QColor(0x7F1D1D);
        mark = colour::white();
        break;
    case ImageState::Disabled:
        edge = QColor(0xE0E0E0);
        mark = QColor(0xBBBBBB);
        break;
    case ImageState::Normal:
        break;
    }
    p.setPen(QPen(edge, 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(square, 3.0, 3.0);
    glyph::cross(p, {7.0, 7.0}, 2.6, mark, 1.6);
}

void group(QPainter& p) { glyph::folder(p, QRect(0, 1, 14, 12)); }
void link(QPainter& p) { glyph::globe(p, {6.5, 6.5}, 6.0, tone::blue()); }

void editBadge(QPainter& p) {
    QPainterPath shape;
    shape.moveTo(7.5, 15.5);
    shape.lineTo(15.5, 7.5);
    glyph::clearHalo(p, shape, 2.4);
    glyph::pencil(p, {8.0, 15.0}, 10.0, 3.0);
}

// The 16 x 16 picture of a plain image button.
void buttonGlyph(QPainter& p, int id) {
    const QPointF badge(12.0, 12.0);
    const qreal badgeRadius = 3.9;
    switch (id) {
    case ButtonImages::Go:
        glyph::disc(p, {8.0, 8.0}, 7.0, tone::green());
        glyph::blockArrow(p, QRectF(3.5, 4.0, 9.0, 8.0), Qt::RightArrow, colour::white());
        return;
    case ButtonImages::AddFavorite:
        glyph::star(p, {7.0, 7.6}, 7.0, tone::amber());
        glyph::plusBadge(p, badge, badgeRadius);
        return;
    case ButtonImages::OrganizeFavorites:
        glyph::folder(p, QRect(0, 1, 15, 12));
        glyph::clearHalo(p, glyph::circlePath(badge, 4.2), 0.8);
        glyph::star(p, {12.0, 12.2}, 4.4, tone::amber());
        return;
    case ButtonImages::Refresh:
        glyph::reloadArrow(p, {8.0, 8.5}, 5.3, 2.2, tone::green());
        return;
    default:
        break;
    }
    const bool isGroup = id >= ButtonImages::NewGroup && id <= ButtonImages::GroupDown;
    isGroup ? group(p) : link(p);
    const int action = isGroup ? id - ButtonImages::NewGroup : id - ButtonImages::NewLink;
    switch (action) {
    case 0:
        glyph::plusBadge(p, badge, badgeRadius);
        break;
    case 1:
        editBadge(p);
        break;
    case 2:
        glyph::crossBadge(p, badge, badgeRadius);
        break;
    case 3:
        glyph::arrowBadge(p, badge, badgeRadius, Qt::UpArrow);
        break;
    default:
        glyph::arrowBadge(p, badge, badgeRadius, Qt::DownArrow);
        break;
    }
}

QPixmap glyphPixmap(int id, qreal ratio) {
    Canvas canvas(QSize(16, 16), ratio);
    buttonGlyph(canvas.painter(), id);
    return canvas.takePixmap();
}

// Hover and press backgrounds of the plain image buttons.
void chrome(QPainter& p, QSize size, ImageState state) {
    if (state != ImageState::Hot && state != ImageState::Pressed)
        return;
    const bool pressed = state == ImageState::Pressed;
    p.setPen(QPen(pressed ? QColor(0x60A5FA) : QColor(0x93C5FD), 1.0));
    p.setBrush(pressed ? QColor(0xBFDBFE) : QColor(0xDBEAFE));
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0), 3.0, 3.0);
}

} // namespace

int ButtonImages::forBitmap(int bitmapId) {
    switch (bitmapId) {
    case 207:
        return TabClose;
    case 170:
        return BarClose;
    case 146:
        return Go;
    case 174:
        return AddFavorite;
    case 175:
        return OrganizeFavorites;
    case 176:
        return Refresh;
    default:
        break;
    }
    // Organizer buttons 181..190 in bitmap id order.
    static constexpr std::array<int, 10> kOrganizer = {NewLink,   DeleteLink, EditGroup, EditLink,
                                                       GroupDown, LinkDown,   GroupUp,   LinkUp,
                                                       NewGroup,  DeleteGroup};
    if (bitmapId >= 181 && bitmapId <= 190)
        return kOrganizer[static_cast<std::size_t>(bitmapId - 181)];
    return -1;
}

QSize ButtonImages::frameSize(int id) {
    if (!validId(id))
        return {};
    return (id == TabClose || id == BarClose) ? kCloseSize : kButtonSize;
}

QPixmap ButtonImages::frame(int id, ImageState state, qreal devicePixelRatio) {
    if (!validId(id))
        return {};
    const QSize size = frameSize(id);
    Canvas canvas(size, devicePixelRatio);
    QPainter& p = canvas.painter();
    if (id == TabClose || id == BarClose) {
        closeFrame(p, state);
        return canvas.takePixmap();
    }
    chrome(p, size, state);
    const QPixmap picture = StateEffect::apply(
        glyphPixmap(id, canvas.ratio()),
        state == ImageState::Disabled ? ImageState::Disabled : ImageState::Normal);
    const qreal shift = state == ImageState::Pressed ? 1.0 : 0.0;
    p.drawPixmap(QPointF((size.width() - 16) / 2.0 + shift, (size.height() - 16) / 2.0 + shift),
                 picture);
    return canvas.takePixmap();
}

QPixmap ButtonImages::strip(int id, qreal devicePixelRatio) {
    if (!validId(id))
        return {};
    const QSize size = frameSize(id);
    Canvas canvas(QSize(size.width() * kFrameCount, size.height()), devicePixelRatio);
    const ImageState states[kFrameCount] = {ImageState::Normal, ImageState::Hot,
                                            ImageState::Pressed, ImageState::Disabled};
    for (int i = 0; i < kFrameCount; ++i)
        canvas.painter().drawPixmap(QPointF(size.width() * i, 0.0),
                                    frame(id, states[i], canvas.ratio()));
    return canvas.takePixmap();
}

QIcon ButtonImages::icon(int id) {
    if (!validId(id))
        return {};
    QIcon result;
    for (const qreal ratio : {1.0, 2.0}) {
        result.addPixmap(frame(id, ImageState::Normal, ratio), QIcon::Normal);
        result.addPixmap(frame(id, ImageState::Hot, ratio), QIcon::Active);
        result.addPixmap(frame(id, ImageState::Pressed, ratio), QIcon::Selected);
        result.addPixmap(frame(id, ImageState::Disabled, ratio), QIcon::Disabled);
    }
    return result;
}

} // namespace res
