#include "frame/CTabCloseButton.h"

#include "res/StringIds.h"
#include "res/StringTable.h"
#include "res/images/ButtonImages.h"

#include <QPainter>

CTabCloseButton::CTabCloseButton(QWidget* parent) : QAbstractButton(parent) {
    setObjectName(QString::number(ControlId));
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    setToolTip(res::loadString(sid::CloseTip));
    setFixedSize(sizeHint());
}

QSize CTabCloseButton::sizeHint() const {
    return res::ButtonImages::frameSize(res::ButtonImages::TabClose);
}

void CTabCloseButton::paintEvent(QPaintEvent*) {
    res::ImageState state = res::ImageState::Normal;
    if (!isEnabled())
        state = res::ImageState::Disabled;
    else if (isDown())
        state = res::ImageState::Pressed;
    else if (underMouse())
        state = res::ImageState::Hot;
    QPainter painter(this);
    painter.drawPixmap(0, 0,
                       res::ButtonImages::frame(res::ButtonImages::TabClose, state,
                                                devicePixelRatioF()));
}

void CTabCloseButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    update();
}

void CTabCloseButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    update();
}
