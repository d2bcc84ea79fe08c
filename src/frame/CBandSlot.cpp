#include "frame/CBandSlot.h"

#include <QHBoxLayout>

#include <algorithm>

CBandSlot::CBandSlot(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CBandSlot::hold(QWidget* child) {
    if (m_held && m_held != child && m_held->parentWidget() == this)
        m_held->hide();
    if (child->parentWidget() != this)
        layout()->addWidget(child);
    m_held = child;
    child->show();
    updateGeometry();
}

void CBandSlot::setPreferredWidth(int width) {
    width = std::max(width, 0);
    if (width == m_preferredWidth)
        return;
    m_preferredWidth = width;
    updateGeometry();
}

QSize CBandSlot::sizeHint() const {
    const QSize own = QWidget::sizeHint();
    return {std::max(own.width(), m_preferredWidth), own.height()};
}
