#include "ContactSheet.h"

#include <QPainter>

#include <algorithm>

namespace {
constexpr int kMargin = 8;
constexpr int kGap = 10;
constexpr int kCaption = 14;
const QColor kBackground(0xF1F5F9);
} // namespace

ContactSheet::ContactSheet(int width, int zoom)
    : m_width(width), m_zoom(zoom), m_image(width, 200, QImage::Format_ARGB32_Premultiplied) {
    m_image.fill(kBackground);
}

void ContactSheet::ensureHeight(int height) {
    if (height <= m_image.height())
        return;
    QImage bigger(m_width, std::max(height, m_image.height() * 2),
                  QImage::Format_ARGB32_Premultiplied);
    bigger.fill(kBackground);
    QPainter p(&bigger);
    p.drawImage(0, 0, m_image);
    p.end();
    m_image = bigger;
}

void ContactSheet::heading(const QString& text) {
    ensureHeight(m_y + 30);
    QPainter p(&m_image);
    QFont font = p.font();
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0x0F172A));
    p.drawText(kMargin, m_y + 18, text);
    m_y += 26;
}

void ContactSheet::row(const QList<QPixmap>& pictures, const QStringList& captions, int zoom) {
    if (zoom < 0)
        zoom = m_zoom;
    int x = kMargin;
    int rowHeight = 0;
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        const QPixmap& pixmap = pictures[i];
        const QSize logical = (QSizeF(pixmap.size()) / pixmap.devicePixelRatio()).toSize();
        const QSize shown = logical * zoom;
        const int cell = std::max(shown.width(), 40);
        if (x + cell > m_width - kMargin) {
            m_y += rowHeight + kGap;
            x = kMargin;
            rowHeight = 0;
        }
        ensureHeight(m_y + shown.height() + kCaption + kGap + 40);
        QPainter p(&m_image);
        // A checkerboard behind shows what is transparent.
        const QRect area(x, m_y, shown.width(), shown.height());
        for (int cy = 0; cy < shown.height(); cy += 8)
            for (int cx = 0; cx < shown.width(); cx += 8)
                p.fillRect(QRect(x + cx, m_y + cy, 8, 8).intersected(area),
                           ((cx + cy) / 8) % 2 ? QColor(0xFFFFFF) : QColor(0xE2E8F0));
        QImage pixels = pixmap.toImage();
        pixels.setDevicePixelRatio(1.0);
        p.drawImage(area, pixels);
        QFont font = p.font();
        font.setPixelSize(10);
        p.setFont(font);
        p.setPen(QColor(0x334155));
        if (i < captions.size())
            p.drawText(QRect(x, m_y + shown.height() + 1, cell + kGap, kCaption),
                       Qt::AlignLeft | Qt::AlignTop, captions[i]);
        x += cell + kGap;
        rowHeight = std::max(rowHeight, shown.height() + kCaption);
    }
    m_y += rowHeight + kGap;
}

void ContactSheet::plain(const QPixmap& picture, const QString& caption) {
    row({picture}, {caption}, 1);
}

QImage ContactSheet::result() const { return m_image.copy(0, 0, m_width, m_y + kMargin); }
