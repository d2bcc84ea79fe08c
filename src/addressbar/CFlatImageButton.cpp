#include "addressbar/CFlatImageButton.h"

#include "res/images/ButtonImages.h"

#include <QEnterEvent>
#include <QPainter>

CFlatImageButton::CFlatImageButton(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_Hover);
}

bool CFlatImageButton::LoadBitmap(int bitmapId, bool resize) {
    const int picture = res::ButtonImages::forBitmap(bitmapId);
    if (picture < 0)
        return false;
    m_bitmapId = bitmapId;
    m_picture = picture;
    m_resize = resize;
    reload();
    return true;
}

void CFlatImageButton::drawFrames() {
    const qreal ratio = devicePixelRatioF();
    const res::ImageState states[] = {res::ImageState::Normal, res::ImageState::Hot,
                                      res::ImageState::Pressed, res::ImageState::Disabled};
    for (std::size_t i = 0; i < m_frames.size(); ++i)
        m_frames[i] = res::ButtonImages::frame(m_picture, states[i], ratio);
}

void CFlatImageButton::reload() {
    if (m_picture < 0)
        return;
    drawFrames();
    m_frameSize = res::ButtonImages::frameSize(m_picture);
    if (m_resize)
        setFixedSize(m_frameSize);
    updateGeometry();
    update();
}

res::ImageState CFlatImageButton::CurrentState() const {
    if (!isEnabled())
        return res::ImageState::Disabled;
    if (isDown())
        return res::ImageState::Pressed;
    if (m_hot)
        return res::ImageState::Hot;
    return res::ImageState::Normal;
}

QSize CFlatImageButton::sizeHint() const {
    return m_frameSize.isValid() ? m_frameSize : QSize(16, 16);
}

void CFlatImageButton::paintEvent(QPaintEvent*) {
    if (m_picture < 0)
        return;
    // Moved to a screen of another pixel ratio: draw the frames for it.
    if (!qFuzzyCompare(m_frames[0].devicePixelRatio(), devicePixelRatioF()))
        drawFrames();
    const QPixmap& frame = m_frames[static_cast<std::size_t>(CurrentState())];
    if (frame.isNull())
        return;
    QPainter painter(this);
    const QSize size = frame.deviceIndependentSize().toSize();
    painter.drawPixmap((width() - size.width()) / 2, (height() - size.height()) / 2, frame);
}

void CFlatImageButton::enterEvent(QEnterEvent* event) {
    m_hot = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CFlatImageButton::leaveEvent(QEvent* event) {
    m_hot = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void CFlatImageButton::changeEvent(QEvent* event) {
    QAbstractButton::changeEvent(event);
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
    case QEvent::ThemeChange:
        reload();
        break;
    default:
        break;
    }
}
