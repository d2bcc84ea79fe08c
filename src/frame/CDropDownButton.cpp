#include "frame/CDropDownButton.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionToolButton>

CDropDownButton::CDropDownButton(QWidget* parent) : QToolButton(parent) {
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
}

void CDropDownButton::setDropDownMode(QToolButton::ToolButtonPopupMode mode) {
    m_hasDropDown = mode == QToolButton::MenuButtonPopup || mode == QToolButton::InstantPopup;
    if (m_hasDropDown && !m_arrowMenu)
        m_arrowMenu = new QMenu(this);
    setMenu(m_hasDropDown ? m_arrowMenu : nullptr);
    setPopupMode(m_hasDropDown ? mode : QToolButton::DelayedPopup);
}

bool CDropDownButton::onArrow(const QPoint& pos) const {
    if (!m_hasDropDown)
        return false;
    if (popupMode() == QToolButton::InstantPopup)
        return true;
    QStyleOptionToolButton option;
    initStyleOption(&option);
    const QRect arrow =
        style()->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButtonMenu, this);
    return arrow.contains(pos);
}

void CDropDownButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onArrow(event->position().toPoint())) {
        event->accept();
        openDropDown();
        return;
    }
    QToolButton::mousePressEvent(event);
}

bool CDropDownButton::openDropDown() {
    QMenu* menu = dropDownMenu();
    if (!menu)
        return false;
    // The menu's command may rebuild the toolbar and delete this button.
    const QPointer<CDropDownButton> alive(this);
    setDown(true);
    menu->exec(mapToGlobal(QPoint(0, height())));
    if (alive)
        setDown(false);
    return true;
}
