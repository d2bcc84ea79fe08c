#include "frame/CStandardToolBar.h"

#include "frame/CDropDownButton.h"
#include "framework/CommandBinder.h"
#include "res/StringTable.h"
#include "res/images/ToolbarImages.h"

#include <QAction>

namespace {

QToolButton::ToolButtonPopupMode popupModeFor(ToolButtonStyle style) {
    switch (style) {
    case ToolButtonStyle::DropDown:
        return QToolButton::MenuButtonPopup;
    case ToolButtonStyle::WholeDropDown:
        return QToolButton::InstantPopup;
    case ToolButtonStyle::Plain:
        break;
    }
    return QToolButton::DelayedPopup;
}

} // namespace

CStandardToolBar::CStandardToolBar(CommandBinder& binder, QWidget* parent)
    : QToolBar(parent), m_binder(binder) {
    setIconSize(QSize(kIconSize, kIconSize));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setFloatable(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void CStandardToolBar::clearButtons() {
    // The widget and separator actions belong to this toolbar; clear() only
    // detaches them. Deleting a widget action deletes its button.
    const QList<QAction*> old = actions();
    clear();
    qDeleteAll(old);
    m_buttons.clear();
}

void CStandardToolBar::setButtons(const ToolBarLayout& layout) {
    clearButtons();
    m_layout = layout;
    for (std::uint32_t command : layout.commands) {
        if (command == ToolBarLayout::kToolBarSeparator) {
            addSeparator();
        } else if (const ToolButtonInfo* info = findToolButton(command)) {
            addButton(*info);
        }
    }
    emit buttonsChanged();
}

void CStandardToolBar::addButton(const ToolButtonInfo& info) {
    // The button owns its command action; both go when the toolbar drops
    // the button's widget action.
    auto* button = new CDropDownButton(this);
    QAction* action =
        m_binder.createAction(info.command, res::commandShortName(info.command), button);
    action->setIcon(res::ToolbarImages::icon(info.image));
    const QString tip = res::commandTooltip(info.command);
    action->setToolTip(tip.isEmpty() ? action->text() : tip);
    action->setProperty("toolbarImage", info.image);

    button->setDefaultAction(action);
    button->setIconSize(iconSize());
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setDropDownMode(popupModeFor(info.style));
    const unsigned command = info.command;
    button->setMenuProvider(
        [this, command]() -> QMenu* { return m_menuProvider ? m_menuProvider(command) : nullptr; });
    button->setObjectName(QStringLiteral("button%1").arg(command));
    addWidget(button);
    m_buttons << button;
}

CDropDownButton* CStandardToolBar::buttonFor(unsigned command) const {
    for (CDropDownButton* button : m_buttons)
        if (CommandBinder::commandId(button->defaultAction()) == command)
            return button;
    return nullptr;
}

QList<QAction*> CStandardToolBar::commandActions() const {
    QList<QAction*> result;
    for (CDropDownButton* button : m_buttons)
        result << button->defaultAction();
    return result;
}

StandardButtonsMetrics CStandardToolBar::metrics() const {
    StandardButtonsMetrics metrics;
    metrics.buttonCount = static_cast<int>(m_buttons.size());
    if (!m_buttons.isEmpty()) {
        const QSize size = m_buttons.first()->sizeHint();
        metrics.buttonWidth = size.width();
        metrics.buttonHeight = size.height();
    }
    return metrics;
}

void CStandardToolBar::reloadImages() {
    for (CDropDownButton* button : m_buttons) {
        QAction* action = button->defaultAction();
        action->setIcon(res::ToolbarImages::icon(action->property("toolbarImage").toInt()));
    }
}
