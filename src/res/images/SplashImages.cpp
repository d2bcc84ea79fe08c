#include "res/images/SplashImages.h"

#include "res/images/AppIcons.h"
#include "res/images/Canvas.h"
#include "res/images/Tone.h"

#include <QFont>
#include <QLinearGradient>

namespace res {

namespace {

constexpr int kHeaderHeight = 196;

void drawHeader(QPainter& p, qreal ratio) {
    const QRectF header(0, 0, SplashImages::kBackgroundSize.width(), kHeaderHeight);
    QLinearGradient sky(header.topLeft(), header.bottomRight());
    sky.setColorAt(0.0, QColor(0x1E3A8A));
    sky.setColorAt(1.0, QColor(0x2563EB));
    p.fillRect(header, sky);

    // Faint meridians and parallels of a large globe rising at the right.
    p.save();
    p.setClipRect(header);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 30), 2.0));
    const QPointF centre(400, 230);
    for (const qreal rx : {45.0, 100.0, 160.0})
        p.drawEllipse(centre, rx, 160.0);
    for (const qreal y : {110.0, 160.0})
        p.drawLine(QPointF(240, y), QPointF(452, y));
    p.restore();

    p.drawPixmap(QPointF(36, 46), AppIcons::appImage(104, ratio));
    p.fillRect(QRectF(0, kHeaderHeight, header.width(), 3), QColor(0xFBBF24));
}

void drawName(QPainter& p) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(42);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour::white());
    p.drawText(QPointF(156, 112), QStringLiteral("Quorrelin"));
}

void drawGroove(QPainter& p) {
    const qreal half = SplashImages::kStripSize.height() / 2.0;
    const QRectF groove(SplashImages::kBandLeft, SplashImages::kStripCentreY - half,
                        SplashImages::kBandRight - SplashImages::kBandLeft,
                        SplashImages::kStripSize.height());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE2E8F0));
    p.drawRoundedRect(groove, half, half);
}

} // namespace

QPixmap SplashImages::background(qreal devicePixelRatio) {
    Canvas canvas(kBackgroundSize, devicePixelRatio);
    QPainter& p = canvas.painter();
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(kBackgroundSize)), QColor(0xF8FAFC));
    drawHeader(p, canvas.ratio());
    drawName(p);
    drawGroove(p);
    p.setPen(QPen(QColor(0x94A3B8), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, kBackgroundSize.width() - 1.0, kBackgroundSize.height() - 1.0));
    return canvas.takePixmap();
}

QPixmap SplashImages::strip(qreal devicePixelRatio) {
    Canvas canvas(kStripSize, devicePixelRatio);
    QPainter& p = canvas.painter();
    QLinearGradient glow(0, 0, kStripSize.width(), 0);
    glow.setColorAt(0.0, QColor(59, 130, 246, 0));
    glow.setColorAt(0.35, QColor(0x3B82F6));
    glow.setColorAt(0.65, QColor(0x38BDF8));
    glow.setColorAt(1.0, QColor(56, 189, 248, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    const qreal half = kStripSize.height() / 2.0;
    p.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(kStripSize)), half, half);
    return canvas.takePixmap();
}

} // namespace res
