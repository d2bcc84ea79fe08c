#pragma once

#include <QAbstractButton>

// The small close button that the window bar shows on the tab under the
// mouse: a flat picture button drawn from the tab close frames (normal, hot
// under the mouse, pressed), as large as one frame. Its tooltip is the
// close text; its object name is its control id, "1013".
class CTabCloseButton : public QAbstractButton {
    Q_OBJECT

public:
    static constexpr int ControlId = 1013;

    explicit CTabCloseButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};
