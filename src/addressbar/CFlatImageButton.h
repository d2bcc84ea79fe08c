#pragma once

#include "res/images/ImageState.h"

#include <QAbstractButton>
#include <QPixmap>

#include <array>

// A flat button drawn from four frames of one picture: normal, hot (the
// mouse is over it), pressed (held down) and disabled. The address bar's Go
// button is one. The frames are drawn again when the colours or the screen's
// pixel ratio change.
class CFlatImageButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit CFlatImageButton(QWidget* parent = nullptr);

    // Takes the frames of the button picture that stands for bitmapId (see
    // res::ButtonImages::forBitmap). resize: the button takes one frame's
    // size. False, with the button left as it was, for an unknown id.
    bool LoadBitmap(int bitmapId, bool resize);
    int BitmapId() const { return m_bitmapId; }

    // The frame the button shows now.
    res::ImageState CurrentState() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void reload();
    void drawFrames();

    int m_bitmapId = -1;
    int m_picture = -1;
    bool m_resize = false;
    bool m_hot = false;
    QSize m_frameSize;
    std::array<QPixmap, 4> m_frames;
};
