#pragma once

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>

// A growing sheet of labelled picture rows. Each picture is shown at its own
// size and enlarged without smoothing, so single pixels can be judged.
class ContactSheet {
public:
    ContactSheet(int width, int zoom);

    // A heading line above the next rows.
    void heading(const QString& text);
    // One row of pictures, each with a short caption below it. Pictures are
    // drawn at their logical size times the zoom (a ratio-2 picture therefore
    // shows its real pixels at half the zoom each).
    void row(const QList<QPixmap>& pictures, const QStringList& captions, int zoom = -1);
    // A single picture at its own size, with a caption.
    void plain(const QPixmap& picture, const QString& caption);

    QImage result() const;

private:
    void ensureHeight(int height);

    int m_width;
    int m_zoom;
    int m_y = 8;
    QImage m_image;
};
