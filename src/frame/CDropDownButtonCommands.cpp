#include "frame/CDropDownButtonCommands.h"

#include "frame/CDropDownButton.h"
#include "frame/CMainFrame.h"
#include "frame/CStandardToolBar.h"
#include "framework/CommandIds.h"

#include <QCursor>
#include <QMenu>

CDropDownButtonCommands::CDropDownButtonCommands(CMainFrame& frame) : m_frame(frame) {
    commands().on(cmd::TextSize, [this] { open(cmd::TextSize); });
    commands().onUpdate(cmd::TextSize, [this](CommandState& state) {
        state.enable(m_frame.ActiveView() != nullptr);
    });
    commands().on(cmd::ClosedWindowsButton, [this] { open(cmd::ClosedWindowsButton); });
}

void CDropDownButtonCommands::open(unsigned command) {
    CStandardToolBar* bar = m_frame.StandardToolBar();
    CDropDownButton* button = bar ? bar->buttonFor(command) : nullptr;
    if (button && button->isVisible() && button->openDropDown())
        return;
    if (QMenu* menu = m_frame.DropDownMenu(command))
        menu->exec(QCursor::pos());
}
